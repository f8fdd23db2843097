#ifndef BRISVANE_PO_PO_CATALOG_H
#define BRISVANE_PO_PO_CATALOG_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

/// One message of a PO file, as this tool writes and reads it.
struct PoEntry {
  bool hasContext = false;  ///< whether the entry has a msgctxt at all
  QString context;
  QString msgid;
  QString msgstr;
  QStringList references;  ///< "#:" places, each "path:line"
  QStringList comments;    ///< "#." lines, one per element
  bool fuzzy = false;
  int line = 0;  ///< of its msgid in the PO file read, 0 when not known
};

/// The header entry of a fresh template, with the fields gettext's extractor
/// writes (charset UTF-8, creation date now); `projectId` ("Name 1.0")
/// replaces the placeholder "PACKAGE VERSION" when given.
QString templateHeader(const QString& projectId = QString());

struct po_file;
struct po_message_iterator;
struct po_message;

/// A PO file built message by message in gettext's own memory, so that a
/// large template is held once. Texts are UTF-8.
class PoBuilder {
 public:
  /// Starts a file whose header entry (marked fuzzy) holds `header`.
  explicit PoBuilder(const QString& header);
  ~PoBuilder();
  PoBuilder(const PoBuilder&) = delete;
  PoBuilder& operator=(const PoBuilder&) = delete;

  /// Appends a message with `msgid` (and `context` as msgctxt unless null);
  /// returns its number.
  int add(const QByteArray& context, const QByteArray& msgid);
  /// Adds a "#:" place; gettext keeps each place once.
  void addReference(int message, const QByteArray& file, int line);
  /// Sets the "#." lines, separated by line feeds.
  void setComments(int message, const QByteArray& lines);
  void setTranslation(int message, const QByteArray& msgstr, bool fuzzy);
  int size() const { return messages_.size(); }
  /// The msgctxt (null when none) and msgid of a message, as gettext holds them.
  const char* context(int message) const;
  const char* msgid(int message) const;
  /// The messages as they stand, header left out.
  QVector<PoEntry> entries() const;

  /// Writes the file to `path`, whole or not at all (written beside it and
  /// renamed; a device is written directly). On failure returns false with a
  /// message naming the file.
  bool write(const QString& path, QString& error);
  /// Writes the file at `written` as it stands, naming `shownAs` in a failure.
  bool writeTo(const QString& written, const QString& shownAs, QString& error);

 private:
  po_file* file_;
  po_message_iterator* iterator_;
  QVector<po_message*> messages_;
};

/// Writes `header` and `entries`, in their order, as a UTF-8 PO file at
/// `path` through gettext's library. The file appears whole or not at all: it
/// is written beside `path` and renamed. On failure returns false with a
/// message naming the file.
bool writePoFile(const QString& path, const QString& header, const QVector<PoEntry>& entries,
                 QString& error);

/// Writes a PO file of `header` and `count` messages, whole or not at all
/// like PoBuilder::write, a piece of a few thousand messages at a time:
/// `fill` adds message `number` to `piece`. Only one piece is held in
/// gettext's memory at once; the file is the one a single builder writes.
bool writePoFileInPieces(const QString& path, const QString& header, int count,
                         const std::function<void(PoBuilder& piece, int number)>& fill,
                         QString& error);

/// Reads a PO file through gettext's library: every entry but the header,
/// obsolete and plural ones, texts decoded by the header's charset, each with
/// the line of its msgid. On failure returns false with one line: the file is
/// no PO file gettext reads, gettext's first message ("file:line: message")
/// and how many more it gave.
bool readPoFile(const QString& path, QVector<PoEntry>& entries, QString& error);

#endif
