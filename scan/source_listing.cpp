#include "scan/source_listing.h"

#include <QFile>
#include <QTextStream>

#include "console/console_line.h"
#include "scan/cp1251_codec.h"

QFileInfoList listSourceFiles(QDir& directory) {
  directory.setNameFilters(QStringList(QStringLiteral("*.t")));
  directory.setFilter(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot);
  ConsoleLine() << "Scanning: " << quoted(directory.path());
  return directory.entryInfoList();
}

QStringList listSubdirectories(QDir& directory) {
  directory.setFilter(QDir::Dirs | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
  return directory.entryList();
}

bool ignoresFile(const QFileInfo& file, const QStringList& ignoreList) {
  if (!ignoreList.contains(file.fileName())) return false;
  ConsoleLine() << "Ignore file: " << quoted(file.fileName());
  return true;
}

QString announceFile(const QFileInfo& file) {
  const QString baseName = file.baseName();
  ConsoleLine() << "Process file: " << quoted(baseName);
  return baseName;
}

QString subdirectoryPath(const QDir& directory, const QString& name) {
  return QStringLiteral("%1/%2").arg(directory.absolutePath(), name);
}

bool ignoresDirectory(const QString& name, const QString& path, const QStringList& ignoreList) {
  if (!ignoreList.contains(name)) return false;
  ConsoleLine() << "Ignore dir: " << quoted(path);
  return true;
}

bool readSourceFile(const QString& path, QString& text) {
  QFile file(path);
  // Text mode drops every carriage return, a lone one too.
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QByteArray bytes = file.readAll();
  if (!startsWithByteOrderMark(bytes)) {
    text = decodeCp1251(bytes.constData(), bytes.size());
    return true;
  }
  // A byte-order mark makes the text stream switch to that encoding.
  bytes.clear();
  file.reset();
  QTextStream stream(&file);
  stream.setCodec("CP1251");
  text = stream.readAll();
  return true;
}
