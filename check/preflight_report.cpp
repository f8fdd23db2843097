#include "check/preflight_report.h"

#include <QStringList>

#include "check/content_checks.h"
#include "check/reading_checks.h"

namespace {

QString position(const Finding& finding) {
  return QStringLiteral("%1/%2").arg(finding.lineIndex).arg(finding.literalIndex);
}

QString place(const Finding& finding) {
  if (finding.lineIndex < 0) return finding.where;
  if (finding.literalIndex < 0) {
    return QStringLiteral("%1 line %2").arg(finding.where).arg(finding.lineIndex);
  }
  return QStringLiteral("%1 line %2 literal %3")
      .arg(finding.where)
      .arg(finding.lineIndex)
      .arg(finding.literalIndex);
}

bool sameProblem(const Finding& a, const Finding& b) {
  return a.where == b.where && a.message == b.message && a.literalIndex >= 0 && b.literalIndex >= 0;
}

}  // namespace

PreflightReport buildReport(const SourceFolder& root, const DocumentModel& meant,
                            const StrictForecast& forecast) {
  PreflightReport report;
  report.progress = measureProgress(root, meant);
  report.content = checkContent(root, meant);
  report.reading = checkReading(root, meant, forecast);
  return report;
}

QString renderFindings(const Findings& findings) {
  QString text;
  for (int i = 0; i < findings.size();) {
    int end = i + 1;
    while (end < findings.size() && sameProblem(findings[i], findings[end])) ++end;
    if (end - i == 1) {
      text += place(findings[i]) + QStringLiteral(": ") + findings[i].message + QLatin1Char('\n');
    } else {
      QStringList positions;
      for (int k = i; k < end; ++k) positions << position(findings[k]);
      text += QStringLiteral("%1, %2 rows (line/literal %3): %4\n")
                  .arg(findings[i].where)
                  .arg(end - i)
                  .arg(positions.join(QLatin1Char(' ')), findings[i].message);
    }
    i = end;
  }
  return text;
}

Findings allProblems(const PreflightReport& report) {
  return report.charsets + report.content + report.joined + report.player + report.reading;
}

namespace {

// "It", "All of them", "1 of them" or "N of them", and the verb's ending.
QString share(int part, int all, const char* singular, const char* plural) {
  if (part == all) {
    return all == 1 ? QStringLiteral("It %1").arg(singular)
                    : QStringLiteral("All of them %1").arg(plural);
  }
  return QStringLiteral("%1 of them %2").arg(part).arg(part == 1 ? singular : plural);
}

}  // namespace

QString renderReport(const PreflightReport& report) {
  QString text = report.version + QLatin1Char('\n') + renderProgress(report.progress) +
                 QLatin1Char('\n');
  for (const QString& note : report.notes) text += note + QLatin1Char('\n');
  if (!report.notes.isEmpty()) text += QLatin1Char('\n');
  const Findings all = allProblems(report);
  if (all.isEmpty()) {
    return text + QStringLiteral("No problems: new mode would read every row and lose nothing.\n");
  }
  text += QStringLiteral("Problems (lines and literals counted from 0):\n") + renderFindings(all);
  text += QStringLiteral("\n%1 problem%2: new mode would lose or damage text.\n")
              .arg(all.size())
              .arg(all.size() == 1 ? QString() : QStringLiteral("s"));
  if (!report.reading.isEmpty()) {
    text += share(report.reading.size(), all.size(), "comes", "come") +
            QStringLiteral(" from how new mode reads this document: --write-clean=FILE "
                           "writes a document that it reads as this check does.\n");
  }
  const int repaired = report.joined.size() + report.player.size();
  if (repaired > 0) {
    QStringList holds;
    if (!report.player.isEmpty()) {
      holds << QStringLiteral("the source's escapes in place of the entities the game would "
                              "print");
    }
    if (!report.joined.isEmpty()) {
      holds << QStringLiteral("the source text of the rows a spreadsheet joined");
    }
    text += share(repaired, all.size(), "is", "are") +
            QStringLiteral(" repaired by --write-clean=FILE%1: the clean document holds %2.\n")
                .arg(report.reading.isEmpty() ? QString() : QStringLiteral(" too"),
                     holds.join(QStringLiteral(" and ")));
  }
  return text;
}
