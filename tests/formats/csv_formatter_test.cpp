#include "formats/csv_formatter.h"

#include <gtest/gtest.h>

#include "formats/worked_example.h"

// Records of every kind, names in code page 1251 and texts unescaped are held
// byte for byte by the get-mode golden cases.
TEST(CSVFormatter, WritesTheWorkedExample) {
  EXPECT_EQ(writtenDocument(1, workedExampleModel()),
            "CSV file with TADS Source\nFILE;start\nCHUNK;kitchen\n"
            "LINE;\"The kettle is <b>hot</b> & steaming.\";1;12;0\nEND CHUNK\n\n\n\n");
}
