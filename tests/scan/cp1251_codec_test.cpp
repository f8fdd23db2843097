#include "scan/cp1251_codec.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextStream>

#include "scan/source_reading.h"
#include "test_files.h"

namespace {

QTextCodec* qtCodec() { return QTextCodec::codecForName("CP1251"); }

// What reading a file did before the table: a text stream in text mode.
QString readThroughStream(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QStringLiteral("<unopened>");
  QTextStream stream(&file);
  stream.setCodec("CP1251");
  return stream.readAll();
}

}  // namespace

// Each byte decodes on its own, so one text of all 256 holds every one;
// 0x98, which the code page leaves unassigned, stays U+0098.
TEST(Cp1251Codec, EveryByteDecodesAsTheCodecDoes) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(decodeCp1251(all.constData(), all.size()), qtCodec()->toUnicode(all));
  EXPECT_EQ(decodeCp1251(all.constData() + 0x98, 1), QString(QChar(0x98)));
}

// Every character of the basic plane: where the table has a byte, it is the
// codec's; every character it lacks is refused, so the codec handles it.
TEST(Cp1251Codec, EncodesExactlyTheCharactersWithAByte) {
  int encoded = 0;
  for (int c = 1; c < 0x10000; ++c) {
    const QString text(QChar(static_cast<ushort>(c)));
    QByteArray bytes;
    const QByteArray theirs = qtCodec()->fromUnicode(text);
    const bool hasByte = theirs.size() == 1 && (theirs != "?" || c == '?');
    ASSERT_EQ(encodeCp1251(text, bytes), hasByte) << "U+" << std::hex << c;
    if (hasByte) {
      ASSERT_EQ(bytes, theirs) << "U+" << std::hex << c;
      ++encoded;
    }
  }
  EXPECT_EQ(encoded, 255);
  QByteArray bytes;
  const QString mixed = QStringLiteral("Kettle \u0447\u0430\u0439\u043d\u0438\u043a \u2116 7\r\n");
  ASSERT_TRUE(encodeCp1251(mixed, bytes));
  EXPECT_EQ(bytes, qtCodec()->fromUnicode(mixed));
  // A pair of surrogates, a lone one, a character the codec drops.
  for (const char16_t refused : {0xD83D, 0xDE00, 0x200B, 0xFFFD}) {
    EXPECT_FALSE(encodeCp1251(QStringLiteral("ab") + QChar(refused), bytes));
  }
}

// Reading a source file agrees with the text stream in text mode on the
// traps: carriage returns (every one is dropped), byte-order marks (they
// take precedence over the code page) and the bytes of the upper half.
TEST(Cp1251Codec, SourceFilesReadAsThroughTheTextStream) {
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"lone CR", QByteArray("a\rb\r\nc\r")},
      {"CR LF", QByteArray("x: Thing\r\n  d = \"\xF7\xE0\xE9\";\r\n")},
      {"UTF-8 mark", QByteArray("\xEF\xBB\xBFx = \"\xD1\x87\";\n")},
      {"UTF-16LE mark", QByteArray("\xFF\xFEx\0=\0\r\0\n\0", 10)},
      {"UTF-16BE mark", QByteArray("\xFE\xFF\0x\0=", 6)},
      {"UTF-32BE mark", QByteArray("\0\0\xFE\xFF\0\0\0x", 8)},
      {"no mark", QByteArray("\xFF\xFD\xEF\xBB")},
      {"high bytes", QByteArray("\x98\xA0\xAD\xB9\xC0\xFF")},
      {"empty", QByteArray()},
  };
  QTemporaryDir temp;
  for (const auto& c : cases) {
    const QString path = temp.filePath(QStringLiteral("f.t"));
    ASSERT_TRUE(testfiles::writeFile(path, c.bytes));
    QString text;
    ASSERT_TRUE(readSourceFile(path, text)) << c.name;
    EXPECT_EQ(text, readThroughStream(path)) << c.name;
  }
  QString text;
  EXPECT_FALSE(readSourceFile(temp.filePath(QStringLiteral("missing.t")), text));
}
