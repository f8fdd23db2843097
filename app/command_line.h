#ifndef BRISVANE_APP_COMMAND_LINE_H
#define BRISVANE_APP_COMMAND_LINE_H

#include <QString>
#include <QStringList>
#include <optional>

#include "formats/document_format.h"

/// The settings taken from the command line. Paths are kept exactly as typed.
struct RunConfig {
  enum class Mode { Unset, Get, New };

  Mode mode = Mode::Unset;
  std::optional<DocumentFormat> format;
  QString rootDir;
  QString ignoreText;
  QString resFile;
  QString resDir;
  QString inDoc;
  bool logPreprocess = false;
};

/// How the command line was taken.
enum class ParseOutcome { Accepted, Help, Refused };

/// Prints the banner, answers "--help", reads, echoes and checks every option
/// of `arguments` (element 0 is the program and is never examined). On
/// Accepted, "Config ok, start processing..." was printed and `config` holds
/// the settings; Help and Refused end the run with exit codes 0 and 1.
/// Recognising "--format=" also sets the process-wide format index.
ParseOutcome parseCommandLine(const QStringList& arguments, RunConfig& config);

/// The exit code of a stop: 0 after the usage text, 1 after a refusal.
int exitCodeOf(ParseOutcome outcome);

#endif
