#ifndef BRISVANE_PO_PO_COMMAND_LINE_H
#define BRISVANE_PO_PO_COMMAND_LINE_H

#include <QString>
#include <QStringList>

#include "formats/document_format.h"

/// The settings of one brisvane-po run. Paths are kept as typed.
struct PoConfig {
  enum class Command { Extract, Apply, Import };
  Command command = Command::Extract;
  QString rootDir;         ///< --root-dir: the TADS project, only read
  QStringList ignoreList;  ///< --ignore, split as Brisvane splits it
  QString fromCharset = QStringLiteral("windows-1251");  ///< --from-charset
  bool contextByDefinition = false;                      ///< extract --context=definition
  QString output;                                ///< -o: the template (extract) or PO file (import)
  QString poFile;                                ///< apply --po
  QString resDir;                                ///< apply --res-dir
  bool toUtf8 = false;                           ///< apply --to-charset=utf-8
  DocumentFormat format = DocumentFormat::Html;  ///< import --format
  QString inDoc;                                 ///< import --in-doc
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
