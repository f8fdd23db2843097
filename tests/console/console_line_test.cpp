#include "console/console_line.h"

#include <gtest/gtest.h>

#include "console_capture.h"

// Line breaks and tabs inside a piece are held by the usage golden cases.
TEST(ConsoleLine, WritesASpaceAfterEveryPieceAndQuotesValuesUnescaped) {
  ConsoleCapture console;
  ConsoleLine() << "Scanning: " << quoted(QStringLiteral("a \"b\" c"));
  ConsoleLine() << "ln: " << quint32(4294967295u) << 0;
  ConsoleLine() << "Brisvane, version"
                << "1.2"
                << " Type --help for usage.";
  EXPECT_EQ(console.text().toStdString(),
            "Scanning:  \"a \"b\" c\" \n"
            "ln:  4294967295 0 \n"
            "Brisvane, version 1.2  Type --help for usage. \n");
}
