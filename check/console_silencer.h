#ifndef BRISVANE_CHECK_CONSOLE_SILENCER_H
#define BRISVANE_CHECK_CONSOLE_SILENCER_H

#include <QStringList>
#include <QtGlobal>

/// Keeps the library's progress and warning lines off the console while it
/// lives and collects them instead: the check runs the walks and the reader
/// of the main tool only to predict what they would do. Not reentrant.
class ConsoleSilencer {
 public:
  ConsoleSilencer();
  ~ConsoleSilencer();
  ConsoleSilencer(const ConsoleSilencer&) = delete;
  ConsoleSilencer& operator=(const ConsoleSilencer&) = delete;

  /// The lines collected so far, without their line ends.
  QStringList lines() const;

 private:
  QtMessageHandler previous_;
};

#endif
