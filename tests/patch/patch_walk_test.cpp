#include "patch/patch_walk.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <string>
#include <vector>

#include "console_capture.h"

namespace {

// One corrected literal: (line, literal) of a file gets `text`.
struct Row {
  quint32 line;
  quint32 literal;
  const char* text;
};

struct Entry {
  const char* name;
  std::vector<Row> rows;
};

DocumentModel modelOf(const std::vector<Entry>& entries) {
  DocumentModel model;
  for (const Entry& entry : entries) {
    FileEntry file{QString::fromUtf8(entry.name), {ChunkEntry{QStringLiteral("chunk"), {}}}};
    for (const Row& row : entry.rows) {
      file.chunks.last().lines.append(
          LineEntry{QString::fromUtf8(row.text), true, row.line, row.literal});
    }
    model.append(file);
  }
  return model;
}

// Makes a tree: a path ending in "/" is a directory, any other a file with
// the given bytes.
void makeTree(const QString& root, const std::map<std::string, std::string>& tree) {
  QDir().mkpath(root);
  for (const auto& item : tree) {
    const QString path = root + QLatin1Char('/') + QString::fromStdString(item.first);
    if (path.endsWith(QLatin1Char('/'))) {
      QDir().mkpath(path);
      continue;
    }
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(item.second.data(), static_cast<qint64>(item.second.size()));
  }
}

// Every directory ("path/") and file ("path=bytes") below `root`, sorted.
std::string listing(const QString& root) {
  std::map<std::string, std::string> items;
  QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const std::string relative = QDir(root).relativeFilePath(path).toStdString();
    if (it.fileInfo().isDir()) {
      items[relative + "/"] = "";
    } else {
      QFile file(path);
      file.open(QIODevice::ReadOnly);
      items[relative] = "=" + file.readAll().toStdString();
    }
  }
  std::string text;
  for (const auto& item : items) text += item.first + item.second + "\n";
  return text;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

TEST(PatchWalk, WritesThePatchedCopyOfEveryListedFileAndLeavesTheSourceAlone) {
  const struct {
    const char* name;
    std::map<std::string, std::string> tree;
    std::vector<Entry> model;
    QStringList ignore;
    const char* console;  // ROOT stands for the source directory
    const char* result;
  } cases[] = {
      {"order, subdirectories, other files",
       {{"b.t", "b\n"},
        {"a.t", "x = \"a\";\n"},
        {"E.T", "e"},
        {"lib/c.t", "c"},
        {"empty/", ""},
        {"sub.t/in.t", "i"},
        {"pic.png", "P"},
        {"d.h", "h"},
        {".hidden/h.t", "h"}},
       {{"a", {{0, 0, "A"}}}, {"b", {}}, {"c", {}}, {"E", {}}, {"in", {}}},
       {},
       "Scanning:  \"ROOT\" \nProcess file:  \"a\" \nProcess file:  \"b\" \n"
       "Process file:  \"E\" \nScanning:  \"ROOT/empty\" \nScanning:  \"ROOT/lib\" \n"
       "Process file:  \"c\" \nScanning:  \"ROOT/sub.t\" \nProcess file:  \"in\" \n",
       "E.T=e\na.t=x = \"A\";\r\n\nb.t=b\r\n\nempty/\nlib/\nlib/c.t=c\nsub.t/\nsub.t/in.t=i\n"},
      {"no such file in the root",
       {{"a.t", "a"}, {"m.t", "m"}, {"z.t", "z"}, {"sub/s.t", "s"}},
       {{"a", {}}, {"z", {}}, {"s", {}}},
       {},
       "Scanning:  \"ROOT\" \nProcess file:  \"a\" \nProcess file:  \"m\" \n"
       "Error: no such file \n",
       "a.t=a\n"},
      {"no such file below the root",
       {{"d1/x.t", "x"}, {"d1/y.t", "y"}, {"d1/deep/q.t", "q"}, {"d2/k.t", "k"}},
       {{"y", {}}, {"q", {}}, {"k", {}}},
       {},
       "Scanning:  \"ROOT\" \nScanning:  \"ROOT/d1\" \nProcess file:  \"x\" \n"
       "Error: no such file \nScanning:  \"ROOT/d2\" \nProcess file:  \"k\" \n",
       "d1/\nd2/\nd2/k.t=k\n"},
      {"ignore rules",
       {{"a.t", "a"},
        {"b.t", "b"},
        {"config.t", "c"},
        {"lib/l.t", "l"},
        {"sub/config.t", "c"},
        {"sub/lib/l.t", "l"}},
       {{"a", {}}, {"b", {}}, {"l", {}}},
       {"config.t", "lib", "b", ""},
       "Scanning:  \"ROOT\" \nProcess file:  \"a\" \nProcess file:  \"b\" \n"
       "Ignore file:  \"config.t\" \nIgnore dir:  \"ROOT/lib\" \nScanning:  \"ROOT/sub\" \n"
       "Ignore file:  \"config.t\" \nIgnore dir:  \"ROOT/sub/lib\" \n",
       "a.t=a\nb.t=b\nsub/\n"},
      {"line ends and rows past the last line",
       {{"lf.t", "one\n\"two\"\n"}, {"crlf.t", "one\r\n\"two\""}, {"none.t", ""}},
       {{"lf", {{1, 0, "2"}, {2, 0, "x"}, {3, 0, "x"}, {4294967295u, 0, "x"}}},
        {"crlf", {{1, 0, "2"}, {2, 0, "x"}}},
        {"none", {{0, 0, "x"}}}},
       {},
       "Scanning:  \"ROOT\" \nProcess file:  \"crlf\" \nProcess file:  \"lf\" \n"
       "Process file:  \"none\" \n",
       "crlf.t=one\r\n\"2\"\nlf.t=one\r\n\"2\"\r\n\nnone.t=\n"},
      {"base names, first entry wins",
       {{"lib.t", "\"a\""}, {"lib.inc.t", "\"b\""}, {"sub/lib.t", "'c'"}},
       {{"lib", {{0, 0, "X"}}}, {"lib", {{0, 0, "Y"}}}},
       {},
       "Scanning:  \"ROOT\" \nProcess file:  \"lib\" \nProcess file:  \"lib\" \n"
       "Scanning:  \"ROOT/sub\" \nProcess file:  \"lib\" \n",
       "lib.inc.t=\"X\"\nlib.t=\"X\"\nsub/\nsub/lib.t='X'\n"},
      {"code page 1251",
       {{"ru.t", "x = \"\xCF\xF0\xE8\xE2\xE5\xF2\"; // \xEC\xE8\xF0"}},
       {{"ru", {{0, 0, "\xD0\x94\xD0\xB0 \xE2\x82\xAC \xE2\x9C\x93"}}}},  // "Да € ✓"
       {},
       "Scanning:  \"ROOT\" \nProcess file:  \"ru\" \n",
       "ru.t=x = \"\xC4\xE0 \x88 ?\"; // \xEC\xE8\xF0\n"},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString source = dir.path() + QStringLiteral("/src");
    const QString result = dir.path() + QStringLiteral("/out");
    makeTree(source, c.tree);
    QDir().mkdir(result);
    const std::string before = listing(source);

    ConsoleCapture console;
    patchDirectory(QDir(source), modelOf(c.model), c.ignore, QDir(result));

    EXPECT_EQ(console.text().toStdString(), replaceAll(c.console, "ROOT", source.toStdString()))
        << c.name;
    EXPECT_EQ(listing(result), c.result) << c.name;
    EXPECT_EQ(listing(source), before) << c.name;
  }
}

}  // namespace
