#ifndef BRISVANE_PO_PO_COMMAND_LINE_H
#define BRISVANE_PO_PO_COMMAND_LINE_H

#include <QString>
#include <QStringList>
#include <optional>

#include "formats/document_format.h"
#include "tadslex/tads_lexer.h"

/// The options of `brisvane-po play` (see po/play_run.h).
struct PlaySettings {
  QString build;      ///< --build: the shell command that builds a copy
  QString run;        ///< --run: the shell command that plays it
  QString commands;   ///< --commands: a walkthrough fed as the game asks
  QString report;     ///< --report: the HTML page
  int jobs = 0;       ///< --jobs; 0: the number of processors
  int timeout = 120;  ///< --timeout, in seconds
};

/// The settings of one brisvane-po run. Paths are kept as typed.
struct PoConfig {
  enum class Command { Extract, Apply, Check, Import, Play };
  /// apply --to-charset: what a changed file is written in.
  enum class TargetCharset {
    Auto,    ///< UTF-8 where the file's own character set would not show the text
    Source,  ///< the file's own, refusing what it cannot hold
    Utf8,    ///< UTF-8 for every changed file
  };
  Command command = Command::Extract;
  QString rootDir;         ///< --root-dir: the TADS project, only read
  QStringList ignoreList;  ///< --ignore, split as Brisvane splits it
  QString fromCharset = QStringLiteral("windows-1251");  ///< --from-charset
  std::optional<TadsDialect> tads;   ///< --tads=2|3; unset: told from the sources
  QStringList libDirs;               ///< --lib-dir (repeated): read for declarations only
  bool contextByDefinition = false;  ///< extract --context=definition
  QString output;                    ///< -o: the template (extract) or PO file (import)
  QString poFile;                    ///< apply and check --po
  QString resDir;                    ///< apply --res-dir
  TargetCharset toCharset = TargetCharset::Auto;  ///< apply --to-charset
  DocumentFormat format = DocumentFormat::Html;   ///< import --format
  QString inDoc;                                  ///< import --in-doc
  QString playFrom;  ///< extract --play-from: an earlier play template
  PlaySettings play;  ///< play's own options
};

/// What the command line asks for.
enum class PoRequest { Run, Help, Version, UsageError };

/// Reads `arguments` (element 0 is the program, element 1 the subcommand):
/// long options as "--name=value" or "--name value", "-o FILE", "-h"/"--help"
/// and "-V"/"--version" with or without a subcommand. On UsageError `error`
/// says what is wrong; on Help `config.command` names the subcommand asked
/// about, if any (`helpTopic` is empty for the general help).
PoRequest parsePoCommandLine(const QStringList& arguments, PoConfig& config, QString& error,
                             QString& helpTopic);

/// The text "--help" prints: the general usage for an empty `topic`, else
/// that subcommand's options.
QString poUsage(const QString& topic);

#endif
