#include "app/command_line.h"

#include <QDir>
#include <QFileInfo>
#include <QRegExp>

#include "console/console_line.h"
#include "formats/serialize_formatter.h"

namespace {

// Every option is found by a search anywhere inside an argument.
bool containsMatch(const QString& argument, const char* pattern) {
  return QRegExp(QString::fromLatin1(pattern)).indexIn(argument) != -1;
}

// The value of a path-like option: the argument with every occurrence of the
// option name removed, whatever stands before, between or after them.
QString valueOf(QString argument, const char* option) {
  return argument.remove(QRegExp(QString::fromLatin1(option)));
}

void printUsage() {
  static const char* const lines[] = {
      "Usage: Brisvane [options]",
      "Allowed options:",
      "   --help                 : produce help message",
      "   --mode=arg             : select work mode (GET or NEW)",
      "   --root-dir=path        : TADS project path (only reading)",
      "   --format=arg           : output format (csv or html)",
      "   --ignore=dirs          : ignore subdirs for speed (OPTIONAL)",
      "   --res-file=path        : path to result file (GET-mode)",
      "   --in-doc=path          : path to input file (NEW-mode)",
      "   --res-dir=path         : path to save results after patching root dir (NEW-mode)",
      "   --log-preprocess       : enable save preprocessed files in project directory",
      "GET-MODE. Get html (out.html) from code (all tads files in myproject/rootdir):",
      "\tBrisvane --mode=get --root-dir=myproject/rootdir --format=html --res-file=out.html\n",
      "NEW-MODE. Update from corrected html (in.html) to code in new dir resdir and ignore "
      "stdlib and custom lib subdir:",
      "\tBrisvane --mode=new --root-dir=myproject/rootdir --format=html --in-doc=in.html "
      "--ignore=stdlib,customlib --res-dir=resdir\n\n",
      "To log preprocessed file, set option --log-preprocess",
  };
  for (const char* line : lines) ConsoleLine() << line;
}

const char* const kModePattern = "--mode=(get|new)";
const char* const kFormatPattern = "--format=(csv|html)";
const char* const kIgnoreOption = "--ignore=";
const char* const kRootDirOption = "--root-dir=";

// The first capture group of the leftmost match of `pattern`.
QString capturedValue(const QString& argument, const char* pattern) {
  QRegExp regExp(QString::fromLatin1(pattern));
  regExp.indexIn(argument);
  return regExp.cap(1);
}

// First pass: mode, format, ignore list and root dir, first pattern wins.
// Returns whether the argument was one of these four.
bool takeFirstPassOption(const QString& argument, RunConfig& config) {
  if (containsMatch(argument, kModePattern)) {
    const QString value = capturedValue(argument, kModePattern);
    config.mode = value == QLatin1String("get") ? RunConfig::Mode::Get : RunConfig::Mode::New;
    ConsoleLine() << "...Mode: " << quoted(value) << "ok";
  } else if (containsMatch(argument, kFormatPattern)) {
    const QString value = capturedValue(argument, kFormatPattern);
    config.format = value == QLatin1String("html") ? DocumentFormat::Html : DocumentFormat::Csv;
    setFormatIndex(formatIndexOf(*config.format));
    ConsoleLine() << "...Format: " << quoted(value) << "ok";
  } else if (containsMatch(argument, kIgnoreOption)) {
    config.ignoreText = valueOf(argument, kIgnoreOption);
    ConsoleLine() << "...Ignore dirs: " << quoted(config.ignoreText);
  } else if (containsMatch(argument, kRootDirOption)) {
    config.rootDir = valueOf(argument, kRootDirOption);
    ConsoleLine() << "...Root dir: " << quoted(config.rootDir);
  } else {
    return false;
  }
  return true;
}

bool refuse(const char* message) {
  ConsoleLine() << message;
  return false;
}

// Second pass: the options that depend on the mode, and unknown arguments.
bool takeSecondPassOption(const QString& argument, RunConfig& config) {
  const bool getMode = config.mode == RunConfig::Mode::Get;
  if (containsMatch(argument, kModePattern) || containsMatch(argument, kFormatPattern) ||
      containsMatch(argument, kIgnoreOption) || containsMatch(argument, kRootDirOption)) {
    return true;
  }
  if (containsMatch(argument, "--res-file=")) {
    if (!getMode) return refuse("Error! Res file in new mode. See usage.");
    config.resFile = valueOf(argument, "--res-file=");
    ConsoleLine() << "...Result file: " << quoted(config.resFile);
  } else if (containsMatch(argument, "--res-dir=")) {
    if (getMode) return refuse("Error! Res dir in get mode. See usage.");
    config.resDir = valueOf(argument, "--res-dir=");
    ConsoleLine() << "...Result dir: " << quoted(config.resDir);
  } else if (containsMatch(argument, "--in-doc=")) {
    if (getMode) return refuse("Error! Input file in get mode. See usage.");
    config.inDoc = valueOf(argument, "--in-doc=");
    ConsoleLine() << "...Input file: " << quoted(config.inDoc);
  } else if (containsMatch(argument, "--log-preprocess")) {
    config.logPreprocess = true;
    ConsoleLine() << "...Enable preprocess";
  } else {
    ConsoleLine() << "Error! Uknown arg:" << quoted(argument);
    return false;
  }
  return true;
}

bool checkPresence(const RunConfig& config) {
  if (config.mode == RunConfig::Mode::Unset) return refuse("Error! No mode set. See usage.");
  if (!config.format) return refuse("Error! No format set. See usage.");
  if (config.rootDir.isEmpty()) return refuse("Error! No root dir set. See usage.");
  return true;
}

bool checkPaths(const RunConfig& config) {
  if (!QDir(config.rootDir).exists()) return refuse("Error! Root dir doesn't exist!");
  if (config.mode == RunConfig::Mode::Get) {
    if (config.resFile.isEmpty()) return refuse("Error! No result file. See usage.");
    return true;
  }
  if (config.inDoc.isEmpty()) return refuse("Error! No input file. See usage.");
  if (config.resDir.isEmpty()) return refuse("Error! No result dir. See usage.");
  if (!QFileInfo(config.inDoc).exists()) return refuse("Error! Input file doesn't exist!");
  return true;
}

}  // namespace

ParseOutcome parseCommandLine(const QStringList& arguments, RunConfig& config) {
  ConsoleLine() << "Brisvane, version"
                << "1.2"
                << " Type --help for usage.";
  const QStringList options = arguments.mid(1);
  for (const QString& argument : options) {
    if (containsMatch(argument, "--help")) {
      printUsage();
      return ParseOutcome::Help;
    }
  }
  for (const QString& argument : options) takeFirstPassOption(argument, config);
  if (!checkPresence(config)) return ParseOutcome::Refused;
  for (const QString& argument : options) {
    if (!takeSecondPassOption(argument, config)) return ParseOutcome::Refused;
  }
  if (!checkPaths(config)) return ParseOutcome::Refused;
  ConsoleLine() << "Config ok, start processing...";
  return ParseOutcome::Accepted;
}

int exitCodeOf(ParseOutcome outcome) { return outcome == ParseOutcome::Refused ? 1 : 0; }
