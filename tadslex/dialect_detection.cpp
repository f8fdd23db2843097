#include "tadslex/dialect_detection.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

namespace {

enum class Sign { None, Tads2, Tads3 };

// The first sign of a dialect among a file's lines: a preprocessor line that
// only one of the two compilers takes.
Sign signOfLines(const QStringList& lines, QString& sign) {
  static const QRegularExpression include(
      QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression charset(QStringLiteral("^\\s*#\\s*charset\\b"));
  for (const QString& line : lines) {
    if (charset.match(line).hasMatch()) {
      sign = QStringLiteral("has a #charset line");
      return Sign::Tads3;
    }
    const QRegularExpressionMatch matched = include.match(line);
    if (!matched.hasMatch()) continue;
    const QString header = matched.captured(1).trimmed();
    const QString lower = header.toLower();
    sign = QStringLiteral("includes <%1>").arg(header);
    if (lower == QLatin1String("adv3.h") || lower == QLatin1String("adv3lite.h") ||
        lower == QLatin1String("tads.h")) {
      return Sign::Tads3;
    }
    if (lower == QLatin1String("adv.t") || lower == QLatin1String("std.t")) return Sign::Tads2;
  }
  return Sign::None;
}

// A sign among the names of the whole tree, ignored folders included: the
// library a game is built with often sits in one.
Sign signOfNames(const QString& rootDir, QString& sign) {
  QString tads2;
  QDirIterator it(rootDir, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    const QString name = it.fileName().toLower();
    const QString path = QDir(rootDir).relativeFilePath(it.filePath());
    if (name.endsWith(QLatin1String(".t3m")) || name.endsWith(QLatin1String(".tl"))) {
      sign = QStringLiteral("\"%1\" is a TADS 3 %2")
                 .arg(path, name.endsWith(QLatin1String(".tl")) ? QStringLiteral("library file")
                                                                : QStringLiteral("project file"));
      return Sign::Tads3;
    }
    if (tads2.isEmpty() && (name == QLatin1String("adv.t") || name == QLatin1String("std.t"))) {
      tads2 = QStringLiteral("the project holds \"%1\"").arg(path);
    }
  }
  sign = tads2;
  return tads2.isEmpty() ? Sign::None : Sign::Tads2;
}

}  // namespace

DialectVerdict detectTadsDialect(const QString& rootDir, const QStringList& sourcePaths,
                                 const std::function<QStringList(int index)>& linesOf,
                                 std::optional<TadsDialect> option) {
  DialectVerdict verdict;
  if (option) {
    verdict.dialect = *option;
    verdict.fromOption = true;
    return verdict;
  }
  QString tads2;
  for (int i = 0; i < sourcePaths.size(); ++i) {
    QString sign;
    const Sign found = signOfLines(linesOf(i), sign);
    if (found == Sign::Tads3) {
      verdict.evidence = QStringLiteral("\"%1\" %2").arg(sourcePaths[i], sign);
      return verdict;
    }
    if (found == Sign::Tads2 && tads2.isEmpty()) {
      tads2 = QStringLiteral("\"%1\" %2").arg(sourcePaths[i], sign);
    }
  }
  QString sign;
  const Sign named = signOfNames(rootDir, sign);
  if (named == Sign::Tads3) {
    verdict.evidence = sign;
  } else if (!tads2.isEmpty() || named == Sign::Tads2) {
    verdict.dialect = TadsDialect::Tads2;
    verdict.evidence = tads2.isEmpty() ? sign : tads2;
  }
  return verdict;
}

QString dialectName(TadsDialect dialect) {
  return dialect == TadsDialect::Tads2 ? QStringLiteral("TADS 2") : QStringLiteral("TADS 3");
}

bool parseDialect(const QString& value, TadsDialect& dialect) {
  if (value == QLatin1String("2")) {
    dialect = TadsDialect::Tads2;
  } else if (value == QLatin1String("3")) {
    dialect = TadsDialect::Tads3;
  } else {
    return false;
  }
  return true;
}
