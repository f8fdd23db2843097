#include "check/check_command_line.h"

#include <QCommandLineParser>

#include "scan/source_walk.h"

namespace {

const char kDescription[] =
    "Checks a corrected document before Brisvane's new mode reads it: compares it with a\n"
    "fresh scan of the project, reports translation progress and every problem that would\n"
    "make new mode lose or damage text, down to what the player of the game would read,\n"
    "and can write the corrections as a clean document in exactly the form get mode\n"
    "writes, with the repairs that form allows.\n"
    "\n"
    "Exit code: 0 when nothing would be lost, 1 when something would (with --write-clean:\n"
    "judged on the clean document), 2 for a usage error or a file that cannot be read or\n"
    "written.";

struct Options {
  QCommandLineOption rootDir{QStringLiteral("root-dir"),
                             QStringLiteral("The TADS project (only read)."),
                             QStringLiteral("dir")};
  QCommandLineOption format{QStringLiteral("format"),
                            QStringLiteral("The document's format: html or csv."),
                            QStringLiteral("html|csv")};
  QCommandLineOption inDoc{QStringLiteral("in-doc"),
                           QStringLiteral("The corrected document to check."),
                           QStringLiteral("file")};
  QCommandLineOption ignore{QStringLiteral("ignore"),
                            QStringLiteral("Files and folders to skip, as for Brisvane."),
                            QStringLiteral("a,b")};
  QCommandLineOption writeClean{
      QStringLiteral("write-clean"),
      QStringLiteral("Write the corrections as a clean document of the same format."),
      QStringLiteral("out")};
  QCommandLineOption tads{
      QStringLiteral("tads"),
      QStringLiteral("The TADS version of the game, when the check should not tell it."),
      QStringLiteral("2|3")};
  QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Show this help and exit.")};
  QCommandLineOption version{QStringList{QStringLiteral("V"), QStringLiteral("version")},
                             QStringLiteral("Show the version and exit.")};
};

void describe(QCommandLineParser& parser, const Options& options) {
  parser.setApplicationDescription(QString::fromLatin1(kDescription));
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({options.rootDir, options.format, options.inDoc, options.ignore,
                     options.writeClean, options.tads, options.help, options.version});
}

QString requiredValue(const QCommandLineParser& parser, const QCommandLineOption& option,
                      QString& error) {
  const QString value = parser.value(option);
  if (value.isEmpty() && error.isEmpty()) {
    error = QStringLiteral("--%1 is required").arg(option.names().constLast());
  }
  return value;
}

}  // namespace

CheckRequest parseCheckCommandLine(const QStringList& arguments, CheckConfig& config,
                                   QString& error) {
  Options options;
  QCommandLineParser parser;
  describe(parser, options);
  if (!parser.parse(arguments)) {
    error = parser.errorText();
    return CheckRequest::UsageError;
  }
  if (parser.isSet(options.help)) return CheckRequest::Help;
  if (parser.isSet(options.version)) return CheckRequest::Version;
  if (!parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
    return CheckRequest::UsageError;
  }
  config.rootDir = requiredValue(parser, options.rootDir, error);
  const QString format = requiredValue(parser, options.format, error);
  config.inDoc = requiredValue(parser, options.inDoc, error);
  if (!error.isEmpty()) return CheckRequest::UsageError;
  if (!parseFormatName(format, config.format)) {
    error = QStringLiteral("--format must be html or csv, not '%1'").arg(format);
    return CheckRequest::UsageError;
  }
  config.ignoreList = ignoreListOf(parser.value(options.ignore));
  config.cleanFile = parser.value(options.writeClean);
  if (parser.isSet(options.writeClean) && config.cleanFile.isEmpty()) {
    error = QStringLiteral("--write-clean needs a file name");
    return CheckRequest::UsageError;
  }
  if (parser.isSet(options.tads)) {
    const QString tads = parser.value(options.tads);
    TadsDialect dialect;
    if (parseDialect(tads, dialect)) {
      config.tads = dialect;
    } else {
      error = QStringLiteral("--tads must be 2 or 3, not '%1'").arg(tads);
      return CheckRequest::UsageError;
    }
  }
  return CheckRequest::Run;
}

QString checkUsage() {
  Options options;
  QCommandLineParser parser;
  describe(parser, options);
  // The parser names the program by its path; the usage line names it by
  // the name a user types.
  QString text = parser.helpText();
  const int lineEnd = text.indexOf(QLatin1Char('\n'));
  return QStringLiteral("Usage: brisvane-check [options]") + text.mid(lineEnd);
}
