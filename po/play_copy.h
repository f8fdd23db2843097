#ifndef BRISVANE_PO_PLAY_COPY_H
#define BRISVANE_PO_PLAY_COPY_H

#include <QByteArray>
#include <QHash>
#include <QString>

/// A copy of the project that `play` builds and plays again and again. Only
/// the sources that differ from what the copy holds are written, each dated
/// a whole second ahead of the clock, so that a build tool that compares
/// whole seconds (t3make does, with a strict "newer") rebuilds exactly them
/// and keeps every other object file of the copy.
class PlayCopy {
 public:
  /// Copies the whole tree `from` into the new folder `into`, every file
  /// keeping its modification time (as `cp -p` does), so that the copy
  /// builds as the tree would. False with `error` set on failure.
  bool create(const QString& from, const QString& into, QString& error);

  const QString& root() const { return root_; }

  /// Makes the sources of the copy read as `wanted` (relative path to
  /// bytes), every source it has changed before and `wanted` does not name
  /// going back to `original(path)`.
  template <typename Original>
  bool bringTo(const QHash<QString, QByteArray>& wanted, const Original& original, QString& error) {
    QHash<QString, QByteArray> next;
    for (auto it = wanted.begin(); it != wanted.end(); ++it) {
      if (it.value() != original(it.key())) next.insert(it.key(), it.value());
    }
    for (auto it = changed_.begin(); it != changed_.end(); ++it) {
      if (!next.contains(it.key()) && !write(it.key(), original(it.key()), error)) return false;
    }
    for (auto it = next.begin(); it != next.end(); ++it) {
      if (changed_.value(it.key()) != it.value() && !write(it.key(), it.value(), error)) {
        return false;
      }
    }
    changed_ = next;
    return true;
  }

  /// Takes over what `other` holds (after create() copied it).
  void holdAs(const PlayCopy& other) { changed_ = other.changed_; }

 private:
  bool write(const QString& relativePath, const QByteArray& bytes, QString& error);

  QString root_;
  /// The sources that differ from the project, with what they hold.
  QHash<QString, QByteArray> changed_;
};

#endif
