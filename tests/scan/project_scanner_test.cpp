#include "scan/project_scanner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "console_capture.h"
#include "test_files.h"

// Walk order, ignore rules, hidden files, decoding and path printing are
// held by the get-mode golden cases; links cannot be recorded in a case
// folder, so they are checked here.
TEST(ProjectScanner, SkipsLinksAndHiddenDirectories) {
  QTemporaryDir temp;
  const QString root = temp.path();
  for (const char* path : {"/sub/b.t", "/.cache/c.t"}) {
    ASSERT_TRUE(testfiles::writeFile(root + path, "o: t\n  d = \"x\";\n"));
  }
  ASSERT_TRUE(QFile::link(root + "/sub/b.t", root + "/link.t"));
  ASSERT_TRUE(QFile::link(root + "/sub", root + "/linkdir"));
  DocumentModel model;
  ConsoleCapture console;
  scanProject(root, model, QStringList());
  EXPECT_EQ(console.text(), QStringLiteral("Scanning:  \"%1\" \nScanning:  \"%1/sub\" \n"
                                           "Process file:  \"b\" \n")
                                .arg(root));
  EXPECT_EQ(model.size(), 1);
}
