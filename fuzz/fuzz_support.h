#ifndef BRISVANE_FUZZ_FUZZ_SUPPORT_H
#define BRISVANE_FUZZ_FUZZ_SUPPORT_H

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

/// Swallows every console line, so a fuzz run prints only what the fuzzer
/// says, and counts them, for targets that check which warnings were given.
inline int& consoleLineCount() {
  static int count = 0;
  return count;
}

inline void silenceConsole() {
  static const bool installed = [] {
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++consoleLineCount(); });
    return true;
  }();
  (void)installed;
}

/// Stops the run with `what` when a property does not hold; the fuzzer then
/// keeps the input as a crash artifact.
inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

#endif
