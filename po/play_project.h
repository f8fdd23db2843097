#ifndef BRISVANE_PO_PLAY_PROJECT_H
#define BRISVANE_PO_PLAY_PROJECT_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

#include "po/literal_renderer.h"
#include "po/po_command_line.h"
#include "po/source_file.h"
#include "po/template_builder.h"
#include "tadslex/tads_lexer.h"

/// One entry of the template as `play` tries it.
struct PlayEntry {
  QString msgid;
  QString reference;                    ///< its first place, "path:line"
  QuoteKind quote = QuoteKind::Double;  ///< of its first place
  bool vocabulary = false;              ///< a grammar token somewhere
  QVector<int> files;  ///< the sources that hold it, as indices into PlayProject::files()
  QVector<QPair<int, int>> lines;  ///< (file, line) of every literal of it, for compiler messages
};

/// The project read once: every source with its literals, and the entries
/// of its template, numbered as the template numbers them.
class PlayProject {
 public:
  struct File {
    QString relativePath;
    SourceFile source;
    LexResult lexed;
  };

  /// Reads the sources of `config`'s project in their dialect, with the
  /// declarations of its headers and --lib-dir folders, as `extract` reads
  /// them. False with `error` set when nothing can be read; `problems` lists
  /// files that are left as they are.
  bool read(const PoConfig& config, QString& error, QStringList& problems);

  const QVector<File>& files() const { return files_; }
  const QVector<PlayEntry>& entries() const { return entries_; }
  TadsDialect dialect() const { return dialect_; }
  TemplateBuilder& templateBuilder() { return *builder_; }

  /// The bytes of file `index` with the literals of `table` translated and
  /// written in the character set `target` says, as `apply` writes them.
  RenderedFile render(int index, const TranslationTable& table,
                      PoConfig::TargetCharset target) const;

 private:
  TadsDialect dialect_ = TadsDialect::Tads3;
  MessageParameters parameters_;
  QVector<File> files_;
  QVector<PlayEntry> entries_;
  std::unique_ptr<TemplateBuilder> builder_;
};

#endif
