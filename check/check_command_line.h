#ifndef BRISVANE_CHECK_CHECK_COMMAND_LINE_H
#define BRISVANE_CHECK_CHECK_COMMAND_LINE_H

#include <QString>
#include <QStringList>

#include "check/tads_version.h"
#include "formats/document_format.h"

/// The settings of one check.
struct CheckConfig {
  QString rootDir;
  DocumentFormat format = DocumentFormat::Html;
  QString inDoc;
  QStringList ignoreList;  ///< "--ignore=" split as the main tool splits it
  QString cleanFile;       ///< "--write-clean=", empty when not given
  /// "--tads=2|3"; unset when the check is to tell the version itself.
  std::optional<TadsDialect> tads;
};

/// What the command line asks for.
enum class CheckRequest { Run, Help, Version, UsageError };

/// Reads the options (element 0 of `arguments` is the program): long options
/// as "--name=value" or "--name value", "-h" and "-V" for "--help" and
/// "--version". On UsageError `error` says what is wrong.
CheckRequest parseCheckCommandLine(const QStringList& arguments, CheckConfig& config,
                                   QString& error);

/// The text "--help" prints.
QString checkUsage();

#endif
