#include "po/po_catalog.h"

#include <gettext-po.h>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <algorithm>
#include <functional>

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

/// Copies the finished file `from` to the device or pipe `path` in pieces.
bool copyToDevice(const QString& from, const QString& path, QString& error) {
  QFile input(from);
  QFile device(path);
  if (!input.open(QIODevice::ReadOnly) || !device.open(QIODevice::WriteOnly)) {
    error = QStringLiteral("%1: cannot write: %2").arg(path, device.errorString());
    return false;
  }
  while (!input.atEnd()) {
    const QByteArray piece = input.read(1 << 16);
    if (device.write(piece) != piece.size()) break;
  }
  if (!device.flush() || device.error() != QFileDevice::NoError) {
    error = QStringLiteral("%1: cannot write: %2").arg(path, device.errorString());
    return false;
  }
  return true;
}

/// Frees a file and everything in it. The library's own free leaves each
/// message's msgctxt behind; setting it to none first frees it.
void freeFile(po_file_t file) {
  po_message_iterator_t iterator = po_message_iterator(file, nullptr);
  while (po_message_t message = po_next_message(iterator)) {
    if (po_message_msgctxt(message)) po_message_set_msgctxt(message, nullptr);
  }
  po_message_iterator_free(iterator);
  po_file_free(file);
}

PoEntry entryOf(po_message_t message, QTextCodec* codec) {
  PoEntry entry;
  const char* context = po_message_msgctxt(message);
  entry.hasContext = context != nullptr;
  entry.context = decoded(context, codec);
  entry.msgid = decoded(po_message_msgid(message), codec);
  entry.msgstr = decoded(po_message_msgstr(message), codec);
  entry.fuzzy = po_message_is_fuzzy(message) != 0;
  // A message with notes hands them out as a fresh copy, the caller's to free.
  const char* joined = po_message_extracted_comments(message);
  const QString notes = decoded(joined, codec);
  if (*joined) std::free(const_cast<char*>(joined));
  if (!notes.isEmpty()) entry.comments = notes.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (int i = 0; po_filepos_t place = po_message_filepos(message, i); ++i) {
    entry.references << QStringLiteral("%1:%2")
                            .arg(decoded(po_filepos_file(place), codec))
                            .arg(po_filepos_start_line(place));
  }
  return entry;
}

/// Writes the file at `path` whole or not at all: `produce` writes it at a
/// path beside `path` that is then renamed over it; a device (never to be
/// replaced) gets the finished file from a private folder.
bool writeWhole(const QString& path,
                const std::function<bool(const QString& written, QString& error)>& produce,
                QString& error) {
  const QFileInfo target(path);
  const bool device = target.exists() && !target.isFile();
  QTemporaryDir scratch;
  QTemporaryFile beside(path + QStringLiteral(".XXXXXX"));
  QString written;
  if (device && scratch.isValid()) {
    written = scratch.filePath(QStringLiteral("out.po"));
  } else if (!device && beside.open()) {
    written = beside.fileName();
    beside.close();
  } else {
    error = QStringLiteral("%1: cannot write: %2").arg(path, beside.errorString());
    return false;
  }
  if (!produce(written, error)) return false;
  if (device) return copyToDevice(written, path, error);
  QFile::setPermissions(written, target.exists() ? target.permissions()
                                                 : QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ReadGroup | QFile::ReadOther);
  if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(path).constData()) != 0) {
    error = QStringLiteral("%1: cannot write: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  }
  beside.setAutoRemove(false);
  return true;
}

/// The line of every msgid keyword of the PO file at `path`, obsolete ones
/// included: gettext hands out the messages in this order.
QVector<int> msgidLines(const QString& path) {
  QVector<int> lines;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return lines;
  for (int number = 1; !file.atEnd(); ++number) {
    QByteArray line = file.readLine().trimmed();
    if (line.startsWith("#~")) line = line.mid(2).trimmed();
    if (line.startsWith("msgid") && line.size() > 5 &&
        (line[5] == ' ' || line[5] == '\t' || line[5] == '"')) {
      lines.append(number);
    }
  }
  return lines;
}

}  // namespace

QString templateHeader(const QString& projectId) {
  const QString now =
      QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm+0000"));
  return QStringLiteral(
             "Project-Id-Version: %2\n"
             "Report-Msgid-Bugs-To: \n"
             "POT-Creation-Date: %1\n"
             "PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\n"
             "Last-Translator: FULL NAME <EMAIL@ADDRESS>\n"
             "Language-Team: LANGUAGE <LL@li.org>\n"
             "Language: \n"
             "MIME-Version: 1.0\n"
             "Content-Type: text/plain; charset=UTF-8\n"
             "Content-Transfer-Encoding: 8bit\n")
      .arg(now, projectId.isEmpty() ? QStringLiteral("PACKAGE VERSION") : projectId);
}

PoBuilder::PoBuilder(const QString& header)
    : file_(po_file_create()), iterator_(po_message_iterator(file_, nullptr)) {
  po_message_t head = po_message_create();
  po_message_set_msgid(head, "");
  po_message_set_msgstr(head, header.toUtf8().constData());
  po_message_set_fuzzy(head, 1);
  po_message_insert(iterator_, head);
}

PoBuilder::~PoBuilder() {
  po_message_iterator_free(iterator_);
  freeFile(file_);
}

int PoBuilder::add(const QByteArray& context, const QByteArray& msgid) {
  po_message_t message = po_message_create();
  if (!context.isNull()) po_message_set_msgctxt(message, context.constData());
  po_message_set_msgid(message, msgid.constData());
  po_message_set_msgstr(message, "");
  po_message_insert(iterator_, message);
  messages_.append(message);
  return messages_.size() - 1;
}

const char* PoBuilder::context(int message) const { return po_message_msgctxt(messages_[message]); }

const char* PoBuilder::msgid(int message) const { return po_message_msgid(messages_[message]); }

void PoBuilder::addReference(int message, const QByteArray& file, int line) {
  po_message_add_filepos(messages_[message], file.constData(), size_t(line));
}

void PoBuilder::setComments(int message, const QByteArray& lines) {
  po_message_set_extracted_comments(messages_[message], lines.constData());
}

void PoBuilder::setTranslation(int message, const QByteArray& msgstr, bool fuzzy) {
  po_message_set_msgstr(messages_[message], msgstr.constData());
  po_message_set_fuzzy(messages_[message], fuzzy ? 1 : 0);
}

QVector<PoEntry> PoBuilder::entries() const {
  QVector<PoEntry> entries;
  entries.reserve(messages_.size());
  for (po_message_t message : messages_) entries.append(entryOf(message, nullptr));
  return entries;
}

bool PoBuilder::write(const QString& path, QString& error) {
  return writeWhole(
      path,
      [&](const QString& written, QString& failure) { return writeTo(written, path, failure); },
      error);
}

bool PoBuilder::writeTo(const QString& written, const QString& shownAs, QString& error) {
  QStringList problems;
  gProblems = &problems;
  const bool ok = writeThroughLibrary(file_, QFile::encodeName(written));
  gProblems = nullptr;
  if (!ok) {
    error = problems.isEmpty() ? QStringLiteral("%1: cannot write").arg(shownAs) : problems.join('\n');
  }
  return ok;
}

bool writePoFileInPieces(const QString& path, const QString& header, int count,
                         const std::function<void(PoBuilder&, int)>& fill, QString& error) {
  const int kPiece = 4096;
  return writeWhole(
      path,
      [&](const QString& written, QString& failure) {
        QTemporaryDir scratch;
        const QString piecePath = scratch.filePath(QStringLiteral("piece.po"));
        QFile output(written);
        if (!scratch.isValid() || !output.open(QIODevice::WriteOnly)) {
          failure = QStringLiteral("%1: cannot write: %2").arg(path, output.errorString());
          return false;
        }
        // Writes messages [begin, end) as a whole file from gettext, header
        // first, and reads it back.
        const auto writePiece = [&](int begin, int end, QByteArray& bytes) {
          PoBuilder piece(header);
          for (int message = begin; message < end; ++message) fill(piece, message);
          if (!piece.writeTo(piecePath, path, failure)) return false;
          QFile input(piecePath);
          if (!input.open(QIODevice::ReadOnly)) {
            failure = QStringLiteral("%1: cannot write: %2").arg(path, input.errorString());
            return false;
          }
          bytes = input.readAll();
          return true;
        };
        // gettext writes every message after a blank line, so the pieces
        // joined, each after the first without the header (the same bytes in
        // every piece, learnt from a piece of the header alone), are the
        // whole file.
        QByteArray headerBytes;
        for (int first = 0; first == 0 || first < count; first += kPiece) {
          QByteArray bytes;
          if (!writePiece(first, std::min(count, first + kPiece), bytes)) return false;
          if (first > 0) {
            if (headerBytes.isNull() && !writePiece(0, 0, headerBytes)) return false;
            if (!bytes.startsWith(headerBytes)) {
              failure = QStringLiteral("%1: cannot write: the pieces differ").arg(path);
              return false;
            }
            bytes.remove(0, headerBytes.size());
          }
          if (output.write(bytes) != bytes.size()) {
            failure = QStringLiteral("%1: cannot write: %2").arg(path, output.errorString());
            return false;
          }
        }
        if (!output.flush()) {
          failure = QStringLiteral("%1: cannot write: %2").arg(path, output.errorString());
          return false;
        }
        return true;
      },
      error);
}

bool writePoFile(const QString& path, const QString& header, const QVector<PoEntry>& entries,
                 QString& error) {
  PoBuilder builder(header);
  for (const PoEntry& entry : entries) {
    const QByteArray context = entry.context.toUtf8();
    const int message = builder.add(
        entry.hasContext ? (context.isNull() ? QByteArray("") : context) : QByteArray(),
        entry.msgid.toUtf8());
    for (const QString& reference : entry.references) {
      const int colon = reference.lastIndexOf(QLatin1Char(':'));
      builder.addReference(message, reference.left(colon).toUtf8(), reference.mid(colon + 1).toInt());
    }
    if (!entry.comments.isEmpty()) {
      builder.setComments(message, (entry.comments.join(QLatin1Char('\n')) + '\n').toUtf8());
    }
    builder.setTranslation(message, entry.msgstr.toUtf8(), entry.fuzzy);
  }
  return builder.write(path, error);
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
    if (file) freeFile(file);
    if (problems.isEmpty()) {
      error = QStringLiteral("%1: cannot read").arg(path);
    } else {
      // A file of another kind gives an error a line; the first one says enough.
      error = QStringLiteral("%1: not a PO file gettext can read: %2").arg(path, problems.first());
      if (problems.size() > 1) {
        error += QStringLiteral(" (and %1 more error%2)")
                     .arg(problems.size() - 1)
                     .arg(problems.size() > 2 ? QStringLiteral("s") : QString());
      }
    }
    return false;
  }
  // The library hands out the header as a fresh copy, the caller's to free.
  const char* header = po_file_domain_header(file, nullptr);
  const QString charset = charsetOf(header);
  std::free(const_cast<char*>(header));
  QTextCodec* codec = charset.isEmpty() ? nullptr : QTextCodec::codecForName(charset.toLatin1());
  const QVector<int> lines = msgidLines(path);
  QVector<int> found;
  const int first = entries.size();
  po_message_iterator_t iterator = po_message_iterator(file, nullptr);
  int messages = 0;
  for (; po_message_t message = po_next_message(iterator); ++messages) {
    const char* msgid = po_message_msgid(message);
    if (po_message_is_obsolete(message) || !*msgid || po_message_msgid_plural(message)) continue;
    entries.append(entryOf(message, codec));
    found.append(messages);
  }
  // Lines are given only when every message has its keyword.
  if (lines.size() == messages) {
    for (int k = 0; k < found.size(); ++k) entries[first + k].line = lines.value(found[k]);
  }
  po_message_iterator_free(iterator);
  freeFile(file);
  return true;
}
