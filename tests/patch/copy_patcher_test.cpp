#include "patch/copy_patcher.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTextCodec>

#include "console_capture.h"
#include "patch/patch_walk.h"
#include "scan/cp1251_codec.h"

namespace {

struct Outcome {
  QByteArray bytes;
  QString console;
};

// The text way: decode, split at line feeds, patch line by line, join with
// CR LF and encode with the codec.
Outcome throughText(const QByteArray& source, const FileEntry& file) {
  ConsoleCapture console;
  QStringList lines = decodeCp1251(source.constData(), source.size()).split('\n');
  patchLines(lines, file);
  return {QTextCodec::codecForName("CP1251")->fromUnicode(lines.join("\r\n")), console.text()};
}

Outcome throughBytes(const QByteArray& source, const FileEntry& file, bool& encoded) {
  ConsoleCapture console;
  QByteArray copy;
  QString text;
  encoded = patchCopy(source, file, copy, text);
  if (!encoded) copy = QTextCodec::codecForName("CP1251")->fromUnicode(text);
  return {copy, console.text()};
}

FileEntry rows(std::initializer_list<LineEntry> lines) {
  return FileEntry{"f", {ChunkEntry{"c", lines}}};
}

}  // namespace

// Lines with rows of every shape, lines without, warnings and characters the
// code page lacks: the copy and the console lines are those of the text way.
TEST(CopyPatcher, AgreesWithPatchingTheText) {
  const QByteArray source =
      "o: Thing\n"
      "  name = 'kettle' desc = \"A \\\"hot\\\" \xF7\xE0\xE9.\";\n"
      "  x = \"a\" + \"b\"; // it's\n"
      "  y = \"1\" 'z' \"\";\n"
      "\x98 plain line\n"
      "  z = \"unchanged\";\n"
      "  w = \"a\" /* <DQUOTE> */ \"b\"; v = \"c\"; // \\\\ path";
  const struct {
    const char* name;
    FileEntry file;
    bool encoded;
  } cases[] = {
      {"no rows", rows({}), true},
      {"one pass", rows({{"pot", false, 1, 0}, {"\xd1\x87", true, 1, 1}}), true},
      {"out of order", rows({{"Y", true, 3, 1}, {"X", true, 3, 0}}), true},
      {"open literal warns", rows({{"A", true, 2, 0}, {"B", true, 2, 1}}), true},
      {"twice literal 0", rows({{"P", true, 3, 0}, {"Q", true, 3, 0}, {"R", true, 3, 2}}), true},
      {"placeholder in text", rows({{"\\\\1 ", true, 3, 0}, {"S", false, 3, 1}}), true},
      {"past the end", rows({{"gone", true, 6, 0}, {"far", true, 4294967295u, 0}}), true},
      {"missing row 0", rows({{"only 1", true, 3, 1}}), true},
      {"middle row missing", rows({{"M", true, 3, 0}, {"N", true, 3, 2}}), true},
      {"marker text outside", rows({{"D", true, 6, 0}, {"E", true, 6, 1}}), true},
      {"double backslash outside", rows({{"F", true, 6, 0}, {"G", true, 6, 2}}), true},
      {"lacks a byte", rows({{"\xe2\x9c\x93 \xf0\x9f\x98\x80", true, 5, 0}}), false},
  };
  for (const auto& c : cases) {
    bool encoded = false;
    const Outcome bytes = throughBytes(source, c.file, encoded);
    const Outcome text = throughText(source, c.file);
    EXPECT_EQ(bytes.bytes, text.bytes) << c.name;
    EXPECT_EQ(bytes.console, text.console) << c.name;
    EXPECT_EQ(encoded, c.encoded) << c.name;
  }
}

// Line ends: the copy ends with one exactly when the source does; an empty
// file stays empty.
TEST(CopyPatcher, KeepsTheLastLineEnd) {
  for (const QByteArray& source : {QByteArray(""), QByteArray("\n"), QByteArray("a = \"x\";\n"),
                                   QByteArray("a = \"x\";\n\n")}) {
    const FileEntry file = rows({{"y", true, 0, 0}});
    bool encoded = false;
    EXPECT_EQ(throughBytes(source, file, encoded).bytes, throughText(source, file).bytes)
        << source.constData();
  }
}
