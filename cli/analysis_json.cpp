// JSON form of the analyses: the texts each result window shows, memo lines as the window keeps them.
#include "cli/analysis_json.h"

#include "cli/json_writer.h"
#include "common/errors.h"
#include "common/integer.h"
#include "engine/birth_date.h"
#include "engine/compatibility.h"
#include "engine/current_life.h"
#include "engine/current_year.h"
#include "engine/cycles.h"
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

void member(JsonWriter& json, std::string_view key, std::string_view cp1252) {
  json.key(key);
  json.text(cp1252);
}

void memo(JsonWriter& json, std::string_view reading) {
  json.key("memo");
  json.beginArray();
  forEachMemoLine(reading, [&json](std::string_view line) { json.text(line); });
  json.endArray();
}

// Ages and numbers are texts, as everywhere else; an open end is the empty text.
void ageMembers(JsonWriter& json, const AgeSpan& ages) {
  member(json, "from", integerText(ages.from));
  member(json, "to", ages.to ? integerText(*ages.to) : Text());
}

void cycles(JsonWriter& json, const CyclesResult& r) {
  json.beginObject();
  member(json, "age", integerText(r.age));
  json.key("periods");
  json.beginArray();
  for (const RealisationPeriod& period : r.periods) {
    json.beginObject();
    ageMembers(json, period.ages);
    member(json, "realisation", period.realisation);
    member(json, "challenge", period.challenge);
    json.endObject();
  }
  json.endArray();
  json.key("life_cycles");
  json.beginArray();
  for (const LifeCycle& cycle : r.lifeCycles) {
    json.beginObject();
    member(json, "name", cycle.name);
    member(json, "number", cycle.number);
    ageMembers(json, cycle.ages);
    json.endObject();
  }
  json.endArray();
  member(json, "maturity", r.maturity);
  json.key("karmic_debts");
  json.beginArray();
  for (const KarmicDebt& debt : r.karmicDebts) {
    json.beginObject();
    member(json, "source", DebtSourceNames[static_cast<size_t>(debt.source)]);
    member(json, "debt", integerText(debt.debt));
    json.endObject();
  }
  json.endArray();
  memo(json, r.reading);
  json.endObject();
}

void row(JsonWriter& json, std::string_view key, const NameGridRow& cells) {
  json.key(key);
  json.beginArray();
  for (const Text& cell : cells) json.text(cell);
  json.endArray();
}

// An analysis that stops shows its message instead of its fields, as the program would. The
// result is complete before anything of it is written, so a stop never leaves half an object.
template <class Compute, class Write>
void guarded(JsonWriter& json, std::string_view key, Compute compute, Write write) {
  json.key(key);
  try {
    write(compute());
    return;
  } catch (const UserMessage& stop) {
    json.beginObject();
    member(json, "message", stop.message());
  } catch (const TessaroError& failure) {
    json.beginObject();
    member(json, "error", failure.message());
  }
  json.endObject();
}

void writeAnalyses(JsonWriter& json, const CliSubject& input, FirstNameDictionary* firstNameDictionary) {
  const StudySubject& s = input.subject;
  json.beginObject();
  json.key("subject");
  json.beginObject();
  member(json, "first_name", s.FirstName);
  member(json, "last_name", s.LastName);
  member(json, "birth_date", s.BirthDate);
  member(json, "study_date", s.StudyDate);
  member(json, "address", s.Address);
  member(json, "postcode_city", s.PostcodeCity);
  member(json, "company", s.Company);
  json.endObject();

  const NameGrid grid = computeNameGrid(s);
  json.key("grid");
  json.beginObject();
  row(json, "first_letters", grid.firstNameLetters);
  row(json, "first_digits", grid.firstNameDigits);
  row(json, "last_letters", grid.lastNameLetters);
  row(json, "last_digits", grid.lastNameDigits);
  json.endObject();

  const VenusStar star = computeVenusStar(s);
  json.key("venus");
  json.beginObject();
  member(json, "digits", star.digits);
  json.key("counts");
  json.beginArray();
  for (int32_t count : star.counts) json.number(count);
  json.endArray();
  json.endObject();

  guarded(
      json, "interpretation", [&] { return interpretVenusCounts(star.counts); },
      [&](const InterpretationResult& r) {
        json.beginObject();
        member(json, "dominant", r.dominant);
        member(json, "missing", r.missing);
        memo(json, r.reading);
        json.endObject();
      });
  guarded(
      json, "name_chart", [&] { return computeNameChart(s); },
      [&](const NameChartResult& r) {
        json.beginObject();
        member(json, "intimate", r.intimate);
        member(json, "expression", r.expression);
        member(json, "realisation", r.realisation);
        member(json, "active", r.active);
        member(json, "hereditary", r.hereditary);
        memo(json, r.reading);
        json.endObject();
      });
  guarded(
      json, "name_letters", [&] { return computeNameLetters(s); },
      [&](const NameLettersResult& r) {
        json.beginObject();
        member(json, "initials", r.initials);
        member(json, "initials_number", r.initialsNumber);
        member(json, "initials_line", r.initialsLine);
        member(json, "first_vowel", r.firstVowel);
        member(json, "cerebral", r.cerebral);
        member(json, "physical", r.physical);
        member(json, "emotional", r.emotional);
        member(json, "intuitive", r.intuitive);
        memo(json, r.reading);
        json.endObject();
      });
  guarded(
      json, "birth_date", [&] { return computeBirthDate(s); },
      [&](const BirthDateResult& r) {
        json.beginObject();
        member(json, "day_line", r.dayLine);
        member(json, "month_line", r.monthLine);
        member(json, "year_line", r.yearLine);
        member(json, "life_path", r.lifePath);
        memo(json, r.reading);
        json.endObject();
      });
  guarded(
      json, "unique_number", [&] { return computeUniqueNumber(s); },
      [&](const UniqueNumberResult& r) {
        json.beginObject();
        member(json, "active", r.active);
        member(json, "hereditary", r.hereditary);
        member(json, "life_path", r.lifePath);
        member(json, "unique", r.unique);
        memo(json, r.reading);
        json.endObject();
      });
  guarded(
      json, "current_year", [&] { return computeCurrentYear(s); },
      [&](const CurrentYearResult& r) {
        json.beginObject();
        member(json, "title", r.title);
        member(json, "personal_year", r.personalYear);
        member(json, "transit_letter", r.transitLetter);
        member(json, "marker_before", r.markerBefore);
        member(json, "marker_after", r.markerAfter);
        member(json, "month_number", r.monthNumber);
        member(json, "day_number", r.dayNumber);
        memo(json, r.reading);
        json.endObject();
      });
  guarded(
      json, "cycles", [&] { return computeCycles(s); }, [&](const CyclesResult& r) { cycles(json, r); });
  guarded(
      json, "luck", [&] { return computeLuckNumbers(s); },
      [&](const LuckNumbersResult& r) {
        json.beginObject();
        member(json, "unique", r.unique);
        member(json, "life_path", r.lifePath);
        member(json, "birth_day", r.birthDay);
        member(json, "intimate", r.intimate);
        member(json, "luck_list", r.luckList);
        json.endObject();
      });
  guarded(
      json, "current_life", [&] { return computeCurrentLife(s); },
      [&](const CurrentLifeResult& r) {
        json.beginObject();
        member(json, "expression", r.expression);
        member(json, "city", r.city);
        member(json, "address", r.address);
        member(json, "company", r.company);
        memo(json, r.reading);
        json.endObject();
      });
  guarded(
      json, "compatibility",
      [&]() -> std::optional<CompatibilityResult> {
        if (!input.partner) return std::nullopt;
        return computeCompatibility(
            {s.FirstName, s.LastName, input.partner->firstName, input.partner->lastName});
      },
      [&](const std::optional<CompatibilityResult>& r) {
        if (!r) return json.null();
        json.beginObject();
        member(json, "first_full_name", r->firstFullName);
        member(json, "second_full_name", r->secondFullName);
        member(json, "first_number", r->firstNumber);
        member(json, "second_number", r->secondNumber);
        memo(json, r->reading);
        json.endObject();
      });

  json.key("portrait");
  json.beginObject();
  json.key("lines");
  json.beginArray();
  const PortraitOutcome portrait =
      writePortraitParagraphs(s, firstNameDictionary != nullptr, firstNameDictionary,
                              [&json](std::string_view paragraph) { json.text(paragraph); });
  json.endArray();
  if (portrait.error) member(json, "error", *portrait.error);
  json.endObject();
  json.endObject();
}

}  // namespace

void appendAnalysisJson(const CliSubject& input, FirstNameDictionary* firstNameDictionary, std::string& out) {
  JsonWriter json(out);
  writeAnalyses(json, input, firstNameDictionary);
}

void appendErrorJson(const TessaroError& error, std::string& out) {
  // The message in its exact UTF-8, which may name a character Windows-1252 cannot hold.
  out += nlohmann::ordered_json{{"error", error.utf8Message()}}.dump();
}

nlohmann::ordered_json analysisJson(const CliSubject& input, FirstNameDictionary* firstNameDictionary) {
  std::string out;
  appendAnalysisJson(input, firstNameDictionary, out);
  return nlohmann::ordered_json::parse(out);
}

}  // namespace tessaro::cli
