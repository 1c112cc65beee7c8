// The complete chart of the name.
#include "engine/name_chart.h"

#include "common/integer.h"
#include "engine/name_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/name_chart_texts.h"

namespace tessaro {

NameChartResult computeNameChart(const StudySubject& subject) {
  NameChartResult result{IntimateNumber(subject), ExpressionNumber(subject), RealisationNumber(subject),
                         ActiveNumber(subject),   HereditaryNumber(subject), {}};
  // Each number is converted just before its row is looked up, so the first empty one stops here;
  // the statements keep that order.
  Text& reading = result.reading;
  reading.reserve(ReadingReserve);
  appendReadingLine(reading, result.intimate, tableRow(IntimateNumberTexts, result.intimate));
  appendReadingLine(reading, result.expression, ExpressionNumberText(toInteger(result.expression)));
  appendReadingLine(reading, result.realisation, tableRow(RealisationNumberTexts, result.realisation));
  appendReadingLine(reading, result.active, tableRow(ActiveNumberTexts, result.active));
  const std::string_view hereditaryReading = tableRow(HereditaryNumberTexts, result.hereditary);
  reading += result.hereditary;
  reading += ": ";
  reading += hereditaryReading;
  return result;
}

}  // namespace tessaro
