#include "po/po_catalog.h"

#include <gettext-po.h>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <csetjmp>
#include <cstdlib>

namespace {

/// gettext's library reports through a C callback that must not return on a
/// fatal error; the problems of one call are gathered here and a fatal one
/// jumps back to the call.
QStringList* gProblems = nullptr;
std::jmp_buf* gFatalJump = nullptr;

void noteProblem(int severity, const char* filename, size_t lineno, const char* text) {
  if (gProblems && severity != PO_SEVERITY_WARNING) {
    QString line = QString::fromUtf8(text).trimmed();
    if (filename && lineno != size_t(-1)) {
      line = QStringLiteral("%1:%2: %3").arg(QString::fromLocal8Bit(filename)).arg(lineno).arg(line);
    } else if (filename) {
      line = QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(filename), line);
    }
    gProblems->append(line);
  }
  if (severity == PO_SEVERITY_FATAL_ERROR) std::longjmp(*gFatalJump, 1);
}

void onProblem(int severity, po_message_t, const char* filename, size_t lineno, size_t, int,
               const char* text) {
  noteProblem(severity, filename, lineno, text);
}

void onProblem2(int severity, po_message_t, const char* filename1, size_t lineno1, size_t, int,
                const char* text1, po_message_t, const char* filename2, size_t lineno2, size_t,
                int, const char* text2) {
  noteProblem(severity == PO_SEVERITY_FATAL_ERROR ? PO_SEVERITY_ERROR : severity, filename1,
              lineno1, text1);
  noteProblem(severity, filename2, lineno2, text2);
}

const po_xerror_handler kHandler = {onProblem, onProblem2};

/// Builds the in-memory file. Only gettext's objects live here, so a jump out
/// of the library skips no destructor.
po_file_t buildFile(const QByteArray& header, const QVector<PoEntry>& entries) {
  po_file_t file = po_file_create();
  po_message_iterator_t iterator = po_message_iterator(file, nullptr);
  po_message_t head = po_message_create();
  po_message_set_msgid(head, "");
  po_message_set_msgstr(head, header.constData());
  po_message_set_fuzzy(head, 1);
  po_message_insert(iterator, head);
  for (const PoEntry& entry : entries) {
    po_message_t message = po_message_create();
    if (entry.hasContext) po_message_set_msgctxt(message, entry.context.toUtf8().constData());
    po_message_set_msgid(message, entry.msgid.toUtf8().constData());
    po_message_set_msgstr(message, entry.msgstr.toUtf8().constData());
    for (const QString& reference : entry.references) {
      const int colon = reference.lastIndexOf(QLatin1Char(':'));
      po_message_add_filepos(message, reference.left(colon).toUtf8().constData(),
                             size_t(reference.mid(colon + 1).toULongLong()));
    }
    if (!entry.comments.isEmpty()) {
      po_message_set_extracted_comments(
          message, (entry.comments.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8().constData());
    }
    if (entry.fuzzy) po_message_set_fuzzy(message, 1);
    po_message_insert(iterator, message);
  }
  po_message_iterator_free(iterator);
  return file;
}

bool writeThroughLibrary(po_file_t file, const QByteArray& path) {
  std::jmp_buf jump;
  gFatalJump = &jump;
  if (setjmp(jump) != 0) return false;
  return po_file_write(file, path.constData(), &kHandler) != nullptr;
}

po_file_t readThroughLibrary(const QByteArray& path) {
  std::jmp_buf jump;
  gFatalJump = &jump;
  if (setjmp(jump) != 0) return nullptr;
  return po_file_read(path.constData(), &kHandler);
}

QString charsetOf(const char* header) {
  if (!header) return QString();
  char* field = po_header_field(header, "Content-Type");
  if (!field) return QString();
  const QString value = QString::fromLatin1(field);
  std::free(field);
  const int at = value.indexOf(QLatin1String("charset="));
  return at < 0 ? QString() : value.mid(at + 8).trimmed();
}

QString decoded(const char* text, QTextCodec* codec) {
  if (!text) return QString();
  return codec ? codec->toUnicode(text) : QString::fromUtf8(text);
}

/// Writes `bytes` to `path`: a regular file through a file beside it renamed
/// at the end; a device or pipe (which must never be replaced) directly.
bool saveWhole(const QString& path, const QByteArray& bytes, QString& error) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size() ||
        !device.flush()) {
      error = QStringLiteral("%1: cannot write: %2").arg(path, device.errorString());
      return false;
    }
    return true;
  }
  QSaveFile target(path);
  if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
      !target.commit()) {
    error = QStringLiteral("%1: cannot write: %2").arg(path, target.errorString());
    return false;
  }
  return true;
}

}  // namespace

QString templateHeader() {
  const QString now =
      QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm+0000"));
  return QStringLiteral(
             "Project-Id-Version: PACKAGE VERSION\n"
             "Report-Msgid-Bugs-To: \n"
             "POT-Creation-Date: %1\n"
             "PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\n"
             "Last-Translator: FULL NAME <EMAIL@ADDRESS>\n"
             "Language-Team: LANGUAGE <LL@li.org>\n"
             "Language: \n"
             "MIME-Version: 1.0\n"
             "Content-Type: text/plain; charset=UTF-8\n"
             "Content-Transfer-Encoding: 8bit\n")
      .arg(now);
}

bool writePoFile(const QString& path, const QString& header, const QVector<PoEntry>& entries,
                 QString& error) {
  // The library writes to a file name; it writes into a private folder and
  // the finished bytes go to `path` in one save.
  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    error = QStringLiteral("%1: cannot create a temporary folder").arg(path);
    return false;
  }
  const QString written = scratch.filePath(QStringLiteral("out.po"));
  QStringList problems;
  gProblems = &problems;
  po_file_t file = buildFile(header.toUtf8(), entries);
  const bool ok = writeThroughLibrary(file, QFile::encodeName(written));
  po_file_free(file);
  gProblems = nullptr;
  QFile finished(written);
  if (!ok || !finished.open(QIODevice::ReadOnly)) {
    error = problems.isEmpty() ? QStringLiteral("%1: cannot write").arg(path) : problems.join('\n');
    return false;
  }
  return saveWhole(path, finished.readAll(), error);
  return true;
}

bool readPoFile(const QString& path, QVector<PoEntry>& entries, QString& error) {
  if (!QFile::exists(path)) {
    error = QStringLiteral("%1: no such file").arg(path);
    return false;
  }
  QStringList problems;
  gProblems = &problems;
  po_file_t file = readThroughLibrary(QFile::encodeName(path));
  gProblems = nullptr;
  if (!file || !problems.isEmpty()) {
    if (file) po_file_free(file);
    error = problems.isEmpty() ? QStringLiteral("%1: cannot read").arg(path) : problems.join('\n');
    return false;
  }
  const QString charset = charsetOf(po_file_domain_header(file, nullptr));
  QTextCodec* codec = charset.isEmpty() ? nullptr : QTextCodec::codecForName(charset.toLatin1());
  po_message_iterator_t iterator = po_message_iterator(file, nullptr);
  while (po_message_t message = po_next_message(iterator)) {
    const char* msgid = po_message_msgid(message);
    if (po_message_is_obsolete(message) || !*msgid || po_message_msgid_plural(message)) continue;
    PoEntry entry;
    const char* context = po_message_msgctxt(message);
    entry.hasContext = context != nullptr;
    entry.context = decoded(context, codec);
    entry.msgid = decoded(msgid, codec);
    entry.msgstr = decoded(po_message_msgstr(message), codec);
    entry.fuzzy = po_message_is_fuzzy(message) != 0;
    const QString notes = decoded(po_message_extracted_comments(message), codec);
    if (!notes.isEmpty()) entry.comments = notes.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 0; po_filepos_t place = po_message_filepos(message, i); ++i) {
      entry.references << QStringLiteral("%1:%2")
                              .arg(decoded(po_filepos_file(place), codec))
                              .arg(po_filepos_start_line(place));
    }
    entries.append(entry);
  }
  po_message_iterator_free(iterator);
  po_file_free(file);
  return true;
}
