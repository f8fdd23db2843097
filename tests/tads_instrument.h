#ifndef BRISVANE_TESTS_TADS_INSTRUMENT_H
#define BRISVANE_TESTS_TADS_INSTRUMENT_H

#include <QByteArray>
#include <QString>

/// The TADS compilers, interpreter and libraries in the folder named by
/// $BRISVANE_TADS_DIR (bin/, lib/, include/ and the sources under src/),
/// used to see what a game prints and to read real code. Tests that need
/// them skip where the variable is unset or names no such folder.
class TadsInstrument {
 public:
  TadsInstrument();

  /// True when t3make, tadsc, frob, lib/ and include/ are all there.
  bool available() const;
  /// Why tests that need it skip.
  static const char* missing();
  /// `relative` in the build's folder ("lib", "src/frobtads/tads2/adv.t").
  QString path(const QString& relative) const;

  /// Compiles the TADS 3 game whose main source is `source` (a path without
  /// ".t") into `gameFile`, with the system library and, when `adv3`, the
  /// adv3 library. Empty on success, else the compiler's messages.
  QString compileTads3(const QString& source, const QString& gameFile, bool adv3) const;
  /// Compiles the TADS 2 game `source` (with ".t") into `gameFile`, the
  /// library's adv.t and std.t on the include path.
  QString compileTads2(const QString& source, const QString& gameFile) const;
  /// What the game prints when played with `commands`, one command a line.
  QByteArray play(const QString& gameFile, const QByteArray& commands) const;

 private:
  QString dir_;
};

#endif
