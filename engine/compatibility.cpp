// The compatibility of two people.
#include "engine/compatibility.h"

#include "common/errors.h"
#include "common/integer.h"
#include "engine/text_table.h"
#include "engine/texts/compatibility_texts.h"
#include "engine/texts/name_chart_texts.h"

namespace tessaro {
namespace {

NumberText pairNumber(std::string_view firstName, std::string_view lastName) {
  // A coding goes character by character: the digits of the two names, one after the other.
  Text digits = LettersToDigits(firstName);
  digits += LettersToDigits(lastName);
  return ReduceToDigit(digits);
}

Text fullName(std::string_view firstName, std::string_view lastName) {
  return Text(firstName) + " " + Text(lastName);
}

int32_t pixelsPerMillimetre(int32_t pixels, int32_t millimetres) {
  // The platform would raise its own division error here; it reaches the user as a message.
  if (millimetres == 0) throw TessaroError(DivisionByZeroMessage);
  return pixels / millimetres;
}

// The page's texts start 30 mm in.
constexpr int32_t TextLeft = 30;

}  // namespace

Text expressionReadingHead(int32_t number) {
  const Text reading = ExpressionNumberText(number);
  return reading.substr(0, reading.find("Travail"));
}

NumberText pairKey(std::string_view firstNumber, std::string_view secondNumber) {
  return firstNumber < secondNumber ? Text(firstNumber) + Text(secondNumber)
                                    : Text(secondNumber) + Text(firstNumber);
}

std::optional<CompatibilityResult> computeCompatibility(const PairNames& typed) {
  if (typed.secondFirstName.empty() || typed.secondLastName.empty()) return std::nullopt;

  const PairNames names{upperAscii(typed.firstFirstName), upperAscii(typed.firstLastName),
                        upperAscii(typed.secondFirstName), upperAscii(typed.secondLastName)};
  CompatibilityResult result;
  result.firstNumber = pairNumber(names.firstFirstName, names.firstLastName);
  result.secondNumber = pairNumber(names.secondFirstName, names.secondLastName);

  // Each head ends with its own line break and the reading line adds one more: the empty line
  // this leaves goes with the memo cleaning.
  result.reading.reserve(ReadingReserve);
  appendReadingLine(result.reading, result.firstNumber, expressionReadingHead(toInteger(result.firstNumber)));
  appendReadingLine(result.reading, result.secondNumber,
                    expressionReadingHead(toInteger(result.secondNumber)));
  result.reading += " ";
  result.reading += CrLf;
  result.reading += "Entente";
  result.reading += CrLf;
  result.reading += tableRow(CompatibilityTexts, pairKey(result.firstNumber, result.secondNumber));

  result.firstFullName = fullName(names.firstFirstName, names.firstLastName);
  result.secondFullName = fullName(names.secondFirstName, names.secondLastName);
  return result;
}

int32_t Mh(const PageSize& page, int32_t millimetres) {
  return pixelsPerMillimetre(page.widthPixels, page.widthMillimetres) * (millimetres + 5);
}

int32_t Mv(const PageSize& page, int32_t millimetres) {
  return pixelsPerMillimetre(page.heightPixels, page.heightMillimetres) * (millimetres + 5);
}

CompatibilityPage compatibilityPage(const PageSize& page, const CompatibilityResult& result,
                                    std::span<const Text> memoLines) {
  CompatibilityPage printed{Mh(page, 20),
                            Mv(page, 20),
                            Mh(page, 190),
                            Mv(page, 120),
                            "Entente entre " + result.firstFullName + " et " + result.secondFullName,
                            Mv(page, 30),
                            {}};
  const int32_t x = Mh(page, TextLeft);
  printed.lines.push_back({result.firstFullName, x, Mv(page, 40)});
  printed.lines.push_back({"Nombre d'expression : " + result.firstNumber, x, Mv(page, 45)});
  printed.lines.push_back({result.secondFullName, x, Mv(page, 50)});
  printed.lines.push_back({"Nombre d'expression : " + result.secondNumber, x, Mv(page, 55)});
  int32_t top = 65;
  for (const Text& line : memoLines) {
    printed.lines.push_back({line, x, Mv(page, top)});
    top += 5;
  }
  return printed;
}

int32_t titleX(const PageSize& page, int32_t titleWidthPixels) {
  return (page.widthPixels - titleWidthPixels) / 2;
}

}  // namespace tessaro
