#ifndef BRISVANE_FUZZ_FUZZ_SUPPORT_H
#define BRISVANE_FUZZ_FUZZ_SUPPORT_H

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

/// Swallows every console line, so a fuzz run prints only what the fuzzer
/// says.
inline void silenceConsole() {
  static const bool installed = [] {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
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
