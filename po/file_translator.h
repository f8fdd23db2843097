#ifndef BRISVANE_PO_FILE_TRANSLATOR_H
#define BRISVANE_PO_FILE_TRANSLATOR_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "po/literal_renderer.h"

/// What translating files came to, one file or a whole run added up.
struct TranslationTally {
  int applied = 0;           ///< literals that carry a translation
  int changedFiles = 0;      ///< files written with a translation
  int problems = 0;          ///< files that could not be read or lexed, copied unchanged
  QStringList problemLines;  ///< what is wrong with them, for the standard error
  QVector<Refusal> refusals;
  QStringList charsetNotes;  ///< files written in another character set
  QString failure;           ///< set when a file cannot be read at all: the run stops

  TranslationTally& operator+=(const TranslationTally& other);
};

/// Translates the TADS source at `path`, named `relativePath` in messages,
/// read in `fromCharset` where it declares none. `bytes` gets what its copy
/// holds: a null array when that is the source unchanged.
TranslationTally translateSource(const QString& path, const QString& relativePath,
                                 const QString& fromCharset, const RenderSettings& settings,
                                 QByteArray& bytes);

#endif
