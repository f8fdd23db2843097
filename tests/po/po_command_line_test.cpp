#include "po/po_command_line.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
  QStringList arguments;  ///< without the program
  PoRequest request;
  const char* errorPart;  ///< a piece of the usage error, or ""
};

TEST(PoCommandLine, RequestsAndUsageErrors) {
  const QVector<LineCase> cases = {
      {{}, PoRequest::UsageError, "a command is required"},
      {{"--help"}, PoRequest::Help, ""},
      {{"apply", "--help"}, PoRequest::Help, ""},
      {{"-V"}, PoRequest::Version, ""},
      {{"translate"}, PoRequest::UsageError, "unknown command 'translate'"},
      {{"extract", "--root-dir=g"}, PoRequest::UsageError, "--o is required"},
      {{"extract", "--root-dir=g", "-o", "g.pot", "--context=object"}, PoRequest::UsageError,
       "--context must be 'definition'"},
      {{"extract", "--root-dir=g", "-o", "g.pot", "--po=x"}, PoRequest::UsageError, "po"},
      {{"apply", "--root-dir=g", "--po=g.po"}, PoRequest::UsageError, "--res-dir is required"},
      {{"apply", "--root-dir=g", "--po=g.po", "--res-dir=o", "--to-charset=koi8-r"},
       PoRequest::UsageError, "--to-charset must be 'utf-8'"},
      {{"import", "--root-dir=g", "--format=odt", "--in-doc=d", "-o", "x.po"},
       PoRequest::UsageError, "--format must be html or csv"},
      {{"extract", "--root-dir=g", "-o", "g.pot", "stray"}, PoRequest::UsageError,
       "unexpected argument 'stray'"},
  };
  for (const LineCase& c : cases) {
    PoConfig config;
    QString error;
    QString topic;
    const PoRequest request = parsePoCommandLine(
        QStringList{QStringLiteral("brisvane-po")} + c.arguments, config, error, topic);
    const std::string shown = c.arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(request, c.request) << shown;
    EXPECT_TRUE(error.contains(QLatin1String(c.errorPart))) << shown << ": " << error.toStdString();
  }
}

TEST(PoCommandLine, TakesEveryValue) {
  PoConfig config;
  QString error;
  QString topic;
  ASSERT_EQ(parsePoCommandLine({"brisvane-po", "apply", "--root-dir", "game", "--po=ru.po",
                                "--res-dir=out", "--ignore=stdlib,a.t", "--from-charset=koi8-r",
                                "--to-charset=UTF-8"},
                               config, error, topic),
            PoRequest::Run)
      << error.toStdString();
  EXPECT_EQ(config.command, PoConfig::Command::Apply);
  EXPECT_EQ(config.rootDir, QStringLiteral("game"));
  EXPECT_EQ(config.poFile, QStringLiteral("ru.po"));
  EXPECT_EQ(config.resDir, QStringLiteral("out"));
  EXPECT_EQ(config.ignoreList, QStringList({"stdlib", "a.t"}));
  EXPECT_EQ(config.fromCharset, QStringLiteral("koi8-r"));
  EXPECT_TRUE(config.toUtf8);
  PoConfig extract;
  ASSERT_EQ(parsePoCommandLine({"brisvane-po", "extract", "--root-dir=g", "-o", "g.pot",
                                "--context=definition"},
                               extract, error, topic),
            PoRequest::Run);
  EXPECT_TRUE(extract.contextByDefinition);
  EXPECT_EQ(extract.output, QStringLiteral("g.pot"));
  EXPECT_EQ(extract.fromCharset, QStringLiteral("windows-1251"));
  EXPECT_TRUE(poUsage(QStringLiteral("apply")).contains(QLatin1String("--res-dir")));
}

}  // namespace
