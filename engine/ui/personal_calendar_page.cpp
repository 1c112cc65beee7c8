// The month of the personal calendar as an HTML document.
#include "engine/ui/personal_calendar_page.h"

#include <QTextDocument>

#include "engine/ui/personal_calendar_look.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int DaysInWeek = 7;

}  // namespace

void fillMonthDocument(QTextDocument& document, const PersonalForecast& forecast, const QString& name,
                       const CivilDate& month, const QStringList& headerLines) {
  QString html = QStringLiteral("<h2>Calendrier personnel de %1</h2><h3>%2</h3>")
                     .arg(name.toHtmlEscaped(), monthAndYear(month));
  QStringList escaped;
  for (const QString& line : headerLines) escaped << line.toHtmlEscaped();
  html += QStringLiteral("<p>") + escaped.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
  html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\"><tr>");
  for (int weekday = 0; weekday < DaysInWeek; ++weekday) {
    html += QStringLiteral("<th width=\"14%\">%1</th>").arg(toQString(weekdayName(weekday)));
  }
  html += QStringLiteral("</tr><tr>");
  const CivilDate first{month.year, month.month, 1};
  const int blanks = weekdayIndex(first);
  for (int blank = 0; blank < blanks; ++blank) html += QStringLiteral("<td></td>");
  int column = blanks;
  const CivilDate last{month.year, month.month, monthLength(month.year, month.month)};
  forecast.walk(first, last, {}, [&](const ForecastDay& day) {
    if (column == DaysInWeek) {
      html += QStringLiteral("</tr><tr>");
      column = 0;
    }
    const int number = numberOf(day.dayNumber);
    html += QStringLiteral("<td bgcolor=\"%1\">%2<br><font size=\"+2\" color=\"%3\"><b>%4</b></font>%5</td>")
                .arg(lightColour(number).name(), QString::number(day.date.day), numberColour(number).name(),
                     toQString(day.dayNumber),
                     forecast.isBirthday(day.date) ? QStringLiteral("<br><b>Anniversaire</b>") : QString());
    ++column;
    return true;
  });
  for (; column < DaysInWeek; ++column) html += QStringLiteral("<td></td>");
  html += QStringLiteral("</tr></table><p><b>Nombre des jours</b></p><p>");
  for (int number = 1; number <= 9; ++number) {
    html += QStringLiteral("<font color=\"%1\"><b>%2</b></font> %3<br>")
                .arg(numberColour(number).name(), QString::number(number),
                     firstSentence(periodReading(std::to_string(number))).toHtmlEscaped());
  }
  html += QStringLiteral("</p>");
  document.setHtml(html);
}

}  // namespace tessaro
