#include "console/console_line.h"

#include <gtest/gtest.h>

#include "console_capture.h"

// The version line and line breaks and tabs inside a piece (the usage) are
// held by the golden cases.
TEST(ConsoleLine, WritesASpaceAfterEveryPieceAndQuotesValuesUnescaped) {
  ConsoleCapture console;
  ConsoleLine() << "Scanning: " << quoted(QStringLiteral("a \"b\" c"));
  ConsoleLine() << "ln: " << quint32(4294967295u) << 0;
  EXPECT_EQ(console.text().toStdString(),
            "Scanning:  \"a \"b\" c\" \n"
            "ln:  4294967295 0 \n");
}
