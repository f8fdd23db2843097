#include "console/decimal_text.h"

#include <gtest/gtest.h>

TEST(DecimalText, WritesTheDigitsQtWrites) {
  for (const quint32 number : {0u, 7u, 10u, 4096u, 999999999u, 1000000000u, 4294967295u}) {
    QString text = QStringLiteral("x");
    appendDecimal(text, number);
    EXPECT_EQ(text, QStringLiteral("x") + QString::number(number)) << number;
  }
}
