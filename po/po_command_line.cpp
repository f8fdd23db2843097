#include "po/po_command_line.h"

#include <QCommandLineParser>

#include "formats/document_format.h"
#include "scan/source_walk.h"
#include "tadslex/dialect_detection.h"

namespace {

const char kGeneral[] =
    "Usage: brisvane-po COMMAND [options]\n"
    "\n"
    "Takes a TADS project to a PO template and a translated PO file back to a\n"
    "complete translated copy of the project.\n"
    "\n"
    "Commands:\n"
    "  extract  write a PO template (.pot) of every text of the project's *.t files\n"
    "  apply    write a translated copy of the project from a PO file\n"
    "  check    check every translation of a PO file as TADS text, writing nothing\n"
    "  import   turn a corrected get-mode document into a PO file\n"
    "  play     build and play copies of the game to learn which texts the player\n"
    "           reads and which change the game, into a PO template\n"
    "\n"
    "Run 'brisvane-po COMMAND --help' for the options of a command.\n"
    "\n"
    "Exit code: 0 when everything was done, 1 when something was refused or could\n"
    "not be read or written (a PO file that does not parse, a refused translation:\n"
    "each is reported with its file and line), 2 for a usage error.\n";

const char kExtract[] =
    "Writes a UTF-8 PO template with an entry per distinct text of the literals\n"
    "that hold a letter, every place it occurs as a reference. Nothing but the\n"
    "template is written.";
const char kApply[] =
    "Writes a complete copy of the project into a new folder, every literal whose\n"
    "entry has a translation that is not fuzzy carrying it. Refused translations\n"
    "are listed with their file and line and their literals keep the source text.";
const char kPlay[] =
    "Builds and plays the project as it stands, then copies in which entries carry\n"
    "stand-in translations, and writes the extract template with each entry's\n"
    "class as a comment: shown in play, changing it changes the game, or not\n"
    "reached in play. With --po, also plays the translated copy and reports what\n"
    "of it is still untranslated.";
const char kCheck[] =
    "Checks every translation of a PO file as apply does, at every place its\n"
    "text stands in the project: escapes, embedded expressions and control forms,\n"
    "message parameters, markup tags, line breaks. Lists each refusal with the PO\n"
    "file's line and the source's; writes nothing.";
const char kImport[] =
    "Turns a document written by Brisvane's get mode, corrected in any editor,\n"
    "into a PO file carrying its corrections.";

QCommandLineOption valueOption(const QStringList& names, const char* help, const char* value) {
  return QCommandLineOption(names, QString::fromLatin1(help), QString::fromLatin1(value));
}

QCommandLineOption valueOption(const char* name, const char* help, const char* value) {
  return valueOption(QStringList{QString::fromLatin1(name)}, help, value);
}

QCommandLineOption fromCharsetOption() {
  return valueOption("from-charset",
                     "Character set of files without #charset line or byte-order "
                     "mark (default: windows-1251).",
                     "name");
}

QCommandLineOption libDirOption() {
  return valueOption("lib-dir",
                     "A library or header folder read for its declarations (templates, "
                     "classes, message parameters), never extracted; may be repeated.",
                     "dir");
}

/// The options one subcommand takes.
QList<QCommandLineOption> optionsOf(PoConfig::Command command) {
  QList<QCommandLineOption> options{
      valueOption("root-dir", "The TADS project (only read).", "dir"),
      valueOption("ignore", "Files and folders to leave out, as for Brisvane.", "a,b"),
      valueOption("tads", "The project's TADS version (default: told from its sources).", "2|3")};
  switch (command) {
    case PoConfig::Command::Extract:
      options << fromCharsetOption() << libDirOption()
              << valueOption("context",
                             "'definition': the enclosing definition's name "
                             "becomes each entry's msgctxt.",
                             "definition")
              << valueOption("play-from",
                             "An earlier play template whose classes carry over "
                             "to the entries whose text is unchanged.",
                             "file.pot")
              << valueOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                             "The template to write.", "file");
      break;
    case PoConfig::Command::Apply:
      options << fromCharsetOption() << libDirOption()
              << valueOption("po", "The translated PO file.", "file")
              << valueOption("res-dir", "The folder of the translated copy (new or empty).", "dir")
              << valueOption("to-charset",
                             "'auto' (default): a TADS 3 file goes to UTF-8 where its own "
                             "character set would not show the translation; 'source': "
                             "keep each file's, refusing what it cannot hold; 'utf-8': "
                             "write every changed file in UTF-8.",
                             "auto|source|utf-8");
      break;
    case PoConfig::Command::Check:
      options << fromCharsetOption() << libDirOption()
              << valueOption("po", "The translated PO file to check.", "file");
      break;
    case PoConfig::Command::Play:
      options << fromCharsetOption() << libDirOption()
              << valueOption("build", "The shell command that builds a copy, run in its root.",
                             "command")
              << valueOption("run",
                             "The shell command that plays it; its standard output is "
                             "the transcript.",
                             "command")
              << valueOption("commands",
                             "A walkthrough, one command a line, given to the run "
                             "command's standard input as the game asks for it "
                             "(for TADS 2, whose interpreter pages).",
                             "file")
              << valueOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                             "The template to write.", "file")
              << valueOption("po", "A translated PO file whose copy is also played and reported.",
                             "file")
              << valueOption("report",
                             "An HTML page of the transcript, each stretch coloured by "
                             "where it comes from.",
                             "file")
              << valueOption("to-charset", "How --po's copy is written, as apply writes it.",
                             "auto|source|utf-8")
              << valueOption("jobs",
                             "Copies built and played at once (default: the number of "
                             "processors).",
                             "n")
              << valueOption("timeout",
                             "Seconds after which a build or run is stopped "
                             "(default: 120).",
                             "seconds");
      break;
    case PoConfig::Command::Import:
      options << valueOption("format", "The document's format: html or csv.", "html|csv")
              << valueOption("in-doc", "The corrected document.", "file")
              << valueOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                             "The PO file to write.", "file");
      break;
  }
  options << QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."))
          << QCommandLineOption(QStringList{QStringLiteral("V"), QStringLiteral("version")},
                                QStringLiteral("Show the version and exit."));
  return options;
}

bool commandNamed(const QString& name, PoConfig::Command& command) {
  if (name == QLatin1String("extract")) {
    command = PoConfig::Command::Extract;
  } else if (name == QLatin1String("apply")) {
    command = PoConfig::Command::Apply;
  } else if (name == QLatin1String("check")) {
    command = PoConfig::Command::Check;
  } else if (name == QLatin1String("import")) {
    command = PoConfig::Command::Import;
  } else if (name == QLatin1String("play")) {
    command = PoConfig::Command::Play;
  } else {
    return false;
  }
  return true;
}

QString required(const QCommandLineParser& parser, const char* name, QString& error) {
  const QString value = parser.value(QString::fromLatin1(name));
  if (value.isEmpty() && error.isEmpty()) {
    error = QStringLiteral("--%1 is required").arg(QString::fromLatin1(name));
  }
  return value;
}

void describe(QCommandLineParser& parser, PoConfig::Command command) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions(optionsOf(command));
}

void takeTargetCharset(const QString& value, PoConfig& config, QString& error) {
  if (value.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
    config.toCharset = PoConfig::TargetCharset::Auto;
  } else if (value.compare(QLatin1String("source"), Qt::CaseInsensitive) == 0) {
    config.toCharset = PoConfig::TargetCharset::Source;
  } else if (value.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0 ||
             value.compare(QLatin1String("utf8"), Qt::CaseInsensitive) == 0) {
    config.toCharset = PoConfig::TargetCharset::Utf8;
  } else {
    error = QStringLiteral("--to-charset must be auto, source or utf-8, not '%1'").arg(value);
  }
}

/// The value of a numeric option that must be at least `least`, or `fallback`.
int count(const QCommandLineParser& parser, const char* name, int least, int fallback,
          QString& error) {
  if (!parser.isSet(QString::fromLatin1(name))) return fallback;
  const QString text = parser.value(QString::fromLatin1(name));
  bool ok = false;
  const int value = text.toInt(&ok);
  if ((!ok || value < least) && error.isEmpty()) {
    error = QStringLiteral("--%1 must be a whole number of at least %2, not '%3'")
                .arg(QString::fromLatin1(name))
                .arg(least)
                .arg(text);
  }
  return value;
}

void takePlayValues(const QCommandLineParser& parser, PoConfig& config, QString& error) {
  PlaySettings& play = config.play;
  play.build = required(parser, "build", error);
  play.run = required(parser, "run", error);
  config.output = required(parser, "o", error);
  play.commands = parser.value(QStringLiteral("commands"));
  config.poFile = parser.value(QStringLiteral("po"));
  play.report = parser.value(QStringLiteral("report"));
  play.jobs = count(parser, "jobs", 1, 0, error);
  play.timeout = count(parser, "timeout", 1, 120, error);
  if (parser.isSet(QStringLiteral("to-charset"))) {
    takeTargetCharset(parser.value(QStringLiteral("to-charset")), config, error);
  }
}

/// Reads the values every subcommand's options hold into `config`.
void takeValues(const QCommandLineParser& parser, PoConfig& config, QString& error) {
  config.rootDir = required(parser, "root-dir", error);
  config.ignoreList = ignoreListOf(parser.value(QStringLiteral("ignore")));
  switch (config.command) {
    case PoConfig::Command::Extract: {
      const QString context = parser.value(QStringLiteral("context"));
      if (parser.isSet(QStringLiteral("context")) && context != QLatin1String("definition")) {
        error = QStringLiteral("--context must be 'definition', not '%1'").arg(context);
      }
      config.contextByDefinition = parser.isSet(QStringLiteral("context"));
      config.output = required(parser, "o", error);
      config.playFrom = parser.value(QStringLiteral("play-from"));
      break;
    }
    case PoConfig::Command::Apply:
      config.poFile = required(parser, "po", error);
      config.resDir = required(parser, "res-dir", error);
      if (parser.isSet(QStringLiteral("to-charset"))) {
        takeTargetCharset(parser.value(QStringLiteral("to-charset")), config, error);
      }
      break;
    case PoConfig::Command::Check:
      config.poFile = required(parser, "po", error);
      break;
    case PoConfig::Command::Play:
      takePlayValues(parser, config, error);
      break;
    case PoConfig::Command::Import: {
      const QString format = required(parser, "format", error);
      config.inDoc = required(parser, "in-doc", error);
      config.output = required(parser, "o", error);
      if (error.isEmpty() && !parseFormatName(format, config.format)) {
        error = QStringLiteral("--format must be html or csv, not '%1'").arg(format);
      }
      break;
    }
  }
  if (config.command != PoConfig::Command::Import && parser.isSet(QStringLiteral("from-charset"))) {
    config.fromCharset = parser.value(QStringLiteral("from-charset"));
  }
  if (config.command != PoConfig::Command::Import) {
    config.libDirs = parser.values(QStringLiteral("lib-dir"));
  }
  if (parser.isSet(QStringLiteral("tads"))) {
    TadsDialect dialect;
    const QString value = parser.value(QStringLiteral("tads"));
    if (parseDialect(value, dialect)) {
      config.tads = dialect;
    } else if (error.isEmpty()) {
      error = QStringLiteral("--tads must be 2 or 3, not '%1'").arg(value);
    }
  }
}

}  // namespace

PoRequest parsePoCommandLine(const QStringList& arguments, PoConfig& config, QString& error,
                             QString& helpTopic) {
  helpTopic.clear();
  const QString first = arguments.value(1);
  if (first == QLatin1String("-h") || first == QLatin1String("--help")) return PoRequest::Help;
  if (first == QLatin1String("-V") || first == QLatin1String("--version")) {
    return PoRequest::Version;
  }
  if (first.isEmpty()) {
    error = QStringLiteral("a command is required: extract, apply, check, import or play");
    return PoRequest::UsageError;
  }
  if (!commandNamed(first, config.command)) {
    error = QStringLiteral("unknown command '%1'").arg(first);
    return PoRequest::UsageError;
  }
  QCommandLineParser parser;
  describe(parser, config.command);
  QStringList rest = arguments.mid(2);
  rest.prepend(arguments.value(0));
  if (!parser.parse(rest)) {
    error = parser.errorText();
    return PoRequest::UsageError;
  }
  if (parser.isSet(QStringLiteral("help"))) {
    helpTopic = first;
    return PoRequest::Help;
  }
  if (parser.isSet(QStringLiteral("version"))) return PoRequest::Version;
  if (!parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
    return PoRequest::UsageError;
  }
  takeValues(parser, config, error);
  return error.isEmpty() ? PoRequest::Run : PoRequest::UsageError;
}

QString poUsage(const QString& topic) {
  PoConfig::Command command;
  if (!commandNamed(topic, command)) return QString::fromLatin1(kGeneral);
  QCommandLineParser parser;
  describe(parser, command);
  const char* description = command == PoConfig::Command::Extract ? kExtract
                            : command == PoConfig::Command::Apply ? kApply
                            : command == PoConfig::Command::Check ? kCheck
                            : command == PoConfig::Command::Play  ? kPlay
                                                                  : kImport;
  parser.setApplicationDescription(QString::fromLatin1(description));
  QString text = parser.helpText();
  const int lineEnd = text.indexOf(QLatin1Char('\n'));
  return QStringLiteral("Usage: brisvane-po %1 [options]").arg(topic) + text.mid(lineEnd);
}
