#include "patch/copy_patcher.h"

#include <gtest/gtest.h>

#include "reference_paths.h"

namespace {

FileEntry rows(std::initializer_list<LineEntry> lines) {
  return reference::fileOf("f", {{"c", lines}});
}

}  // namespace

// Lines with rows of every shape, lines without, warnings, characters the
// code page lacks and every way a file can end: the copy and the warnings
// are those of the text way; the copy ends with a line end exactly
// when the source does.
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
      {"line 0", rows({{"y", true, 0, 0}}), true},
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
  for (const QByteArray& file : {source, QByteArray(""), QByteArray("\n"),
                                 QByteArray("a = \"x\";\n"), QByteArray("a = \"x\";\n\n")}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + " in " + file.constData());
      bool encoded = false;
      QStringList bytesWarnings;
      QStringList textWarnings;
      const QByteArray bytes = reference::patchedFromBytes(file, c.file, encoded, bytesWarnings);
      EXPECT_EQ(bytes, reference::patchedAsText(file, c.file, textWarnings));
      EXPECT_EQ(bytesWarnings, textWarnings);
      EXPECT_EQ(encoded, c.encoded || file != source);
    }
  }
}
