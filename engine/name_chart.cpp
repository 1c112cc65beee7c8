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
  result.reading = readingLine(result.intimate, tableText(IntimateNumberTexts, result.intimate));
  result.reading += readingLine(result.expression, ExpressionNumberText(toInteger(result.expression)));
  result.reading += readingLine(result.realisation, tableText(RealisationNumberTexts, result.realisation));
  result.reading += readingLine(result.active, tableText(ActiveNumberTexts, result.active));
  const Text hereditaryReading = tableText(HereditaryNumberTexts, result.hereditary);
  result.reading += result.hereditary + ": " + hereditaryReading;
  return result;
}

}  // namespace tessaro
