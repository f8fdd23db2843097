#ifndef BRISVANE_PO_IMPORT_EMBEDDED_H
#define BRISVANE_PO_IMPORT_EMBEDDED_H

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include "po/source_file.h"
#include "tadslex/tads_lexer.h"

/// A row's translation as the PO file holds it: literals inside embedded
/// expressions are entries of their own.
struct EmbeddedSplit {
  QString outer;  ///< the translation of the literal itself
  /// (source text, translation) of each inner literal the row changed
  QVector<QPair<QString, QString>> inner;
};

/// Splits the translation of `literals[index]` (read from `file`) where the
/// translator changed nothing in an embedded expression but the string
/// literals inside it (`<<lit ? 'burning' : 'cold'>>` to
/// `<<lit ? 'горящую' : 'холодную'>>`): that expression goes back to the
/// source's and each changed inner literal becomes a translation of its own.
/// Expressions may stand in another order. Any other change of an expression
/// stays in `outer`, for apply's check to refuse.
EmbeddedSplit splitEmbeddedTranslations(const QString& translation, const SourceFile& file,
                                        const QVector<TadsLiteral>& literals, int index,
                                        TadsDialect dialect = TadsDialect::Tads3);

#endif
