// JSON form of the analyses: the texts each result window shows, memo lines as the window keeps them.
#include "cli/analysis_json.h"

#include <functional>

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/integer.h"
#include "engine/birth_date.h"
#include "engine/compatibility.h"
#include "engine/current_life.h"
#include "engine/current_year.h"
#include "engine/interpretation.h"
#include "engine/luck_numbers.h"
#include "engine/name_chart.h"
#include "engine/name_grid.h"
#include "engine/name_letters.h"
#include "engine/text_table.h"
#include "engine/unique_number.h"
#include "engine/venus_star.h"
#include "reports/portrait.h"

namespace tessaro::cli {
namespace {

using Json = nlohmann::ordered_json;

Json text(std::string_view cp1252) { return toUtf8(cp1252); }

Json memo(std::string_view reading) {
  Json lines = Json::array();
  for (const Text& line : cleanMemoLines(reading)) lines.push_back(text(line));
  return lines;
}

Json row(const NameGridRow& cells) {
  Json array = Json::array();
  for (const Text& cell : cells) array.push_back(text(cell));
  return array;
}

// An analysis that stops shows its message instead of its fields, as the program would.
Json guarded(const std::function<Json()>& analysis) {
  try {
    return analysis();
  } catch (const UserMessage& stop) {
    return Json{{"message", text(stop.message())}};
  } catch (const TessaroError& failure) {
    return Json{{"error", text(failure.message())}};
  }
}

}  // namespace

Json analysisJson(const CliSubject& input, FirstNameDictionary* firstNameDictionary) {
  const StudySubject& s = input.subject;
  Json out;
  out["subject"] = {{"first_name", text(s.FirstName)},   {"last_name", text(s.LastName)},
                    {"birth_date", text(s.BirthDate)},   {"study_date", text(s.StudyDate)},
                    {"address", text(s.Address)},        {"postcode_city", text(s.PostcodeCity)},
                    {"company", text(s.Company)}};

  const NameGrid grid = computeNameGrid(s);
  out["grid"] = {{"first_letters", row(grid.firstNameLetters)},
                 {"first_digits", row(grid.firstNameDigits)},
                 {"last_letters", row(grid.lastNameLetters)},
                 {"last_digits", row(grid.lastNameDigits)}};

  const VenusStar star = computeVenusStar(s);
  out["venus"] = {{"digits", text(star.digits)}, {"counts", star.counts}};

  out["interpretation"] = guarded([&] {
    const InterpretationResult r = interpretVenusCounts(star.counts);
    return Json{{"dominant", text(r.dominant)}, {"missing", text(r.missing)}, {"memo", memo(r.reading)}};
  });
  out["name_chart"] = guarded([&] {
    const NameChartResult r = computeNameChart(s);
    return Json{{"intimate", text(r.intimate)},       {"expression", text(r.expression)},
                {"realisation", text(r.realisation)}, {"active", text(r.active)},
                {"hereditary", text(r.hereditary)},   {"memo", memo(r.reading)}};
  });
  out["name_letters"] = guarded([&] {
    const NameLettersResult r = computeNameLetters(s);
    return Json{{"initials", text(r.initials)},         {"initials_number", text(r.initialsNumber)},
                {"initials_line", text(r.initialsLine)}, {"first_vowel", text(r.firstVowel)},
                {"cerebral", text(r.cerebral)},         {"physical", text(r.physical)},
                {"emotional", text(r.emotional)},       {"intuitive", text(r.intuitive)},
                {"memo", memo(r.reading)}};
  });
  out["birth_date"] = guarded([&] {
    const BirthDateResult r = computeBirthDate(s);
    return Json{{"day_line", text(r.dayLine)},   {"month_line", text(r.monthLine)}, {"year_line", text(r.yearLine)},
                {"life_path", text(r.lifePath)}, {"memo", memo(r.reading)}};
  });
  out["unique_number"] = guarded([&] {
    const UniqueNumberResult r = computeUniqueNumber(s);
    return Json{{"active", text(r.active)}, {"hereditary", text(r.hereditary)}, {"life_path", text(r.lifePath)},
                {"unique", text(r.unique)}, {"memo", memo(r.reading)}};
  });
  out["current_year"] = guarded([&] {
    const CurrentYearResult r = computeCurrentYear(s);
    return Json{{"title", text(r.title)},
                {"personal_year", text(r.personalYear)},
                {"transit_letter", text(r.transitLetter)},
                {"marker_before", text(r.markerBefore)},
                {"marker_after", text(r.markerAfter)},
                {"month_number", text(r.monthNumber)},
                {"day_number", text(r.dayNumber)},
                {"memo", memo(r.reading)}};
  });
  out["luck"] = guarded([&] {
    const LuckNumbersResult r = computeLuckNumbers(s);
    return Json{{"unique", text(r.unique)}, {"life_path", text(r.lifePath)}, {"birth_day", text(r.birthDay)},
                {"intimate", text(r.intimate)}, {"luck_list", text(r.luckList)}};
  });
  out["current_life"] = guarded([&] {
    const CurrentLifeResult r = computeCurrentLife(s);
    return Json{{"expression", text(r.expression)}, {"city", text(r.city)},       {"address", text(r.address)},
                {"company", text(r.company)},       {"memo", memo(r.reading)}};
  });
  out["compatibility"] = guarded([&]() -> Json {
    if (!input.partner) return nullptr;
    const std::optional<CompatibilityResult> r =
        computeCompatibility({s.FirstName, s.LastName, input.partner->firstName, input.partner->lastName});
    if (!r) return nullptr;
    return Json{{"first_full_name", text(r->firstFullName)}, {"second_full_name", text(r->secondFullName)},
                {"first_number", text(r->firstNumber)},      {"second_number", text(r->secondNumber)},
                {"memo", memo(r->reading)}};
  });

  const Portrait portrait = buildPortrait(s, firstNameDictionary != nullptr, firstNameDictionary);
  Json lines = Json::array();
  for (const Text& line : portrait.paragraphs) lines.push_back(text(line));
  out["portrait"] = {{"lines", std::move(lines)}};
  if (portrait.error) out["portrait"]["error"] = text(*portrait.error);
  return out;
}

}  // namespace tessaro::cli
