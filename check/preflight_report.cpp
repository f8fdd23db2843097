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

QString renderReport(const PreflightReport& report) {
  QString text = renderProgress(report.progress) + QLatin1Char('\n');
  const Findings all = report.content + report.reading;
  if (all.isEmpty()) {
    return text + QStringLiteral("No problems: new mode would read every row and lose nothing.\n");
  }
  text += QStringLiteral("Problems (lines and literals counted from 0):\n") + renderFindings(all);
  text += QStringLiteral("\n%1 problem%2: new mode would lose or damage text.\n")
              .arg(all.size())
              .arg(all.size() == 1 ? QString() : QStringLiteral("s"));
  if (!report.reading.isEmpty()) {
    const int reading = report.reading.size();
    QString share = QStringLiteral("%1 of them come").arg(reading);
    if (reading == all.size()) share = all.size() == 1 ? "It comes" : "All of them come";
    if (reading == 1 && all.size() > 1) share = QStringLiteral("1 of them comes");
    text += share + QStringLiteral(
                        " from how new mode reads this document: --write-clean=FILE "
                        "writes a document that it reads as this check does.\n");
  }
  return text;
}
