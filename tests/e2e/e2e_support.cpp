#include "e2e/e2e_support.h"

#include <QDir>

namespace e2e {

bool copyTree(const QString& from, const QString& to) {
  const testfiles::Tree tree = testfiles::readTree(from);
  bool copied = QDir().mkpath(to);
  for (auto it = tree.cbegin(); copied && it != tree.cend(); ++it) {
    const QString path = to + '/' + it.key();
    copied = path.endsWith('/') ? QDir().mkpath(path) : testfiles::writeFile(path, it.value());
  }
  return copied;
}

QByteArray withCrLf(QByteArray bytes) { return bytes.replace("\r\n", "\n").replace("\n", "\r\n"); }

}  // namespace e2e
