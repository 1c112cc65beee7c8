// The forecast command: the current year's numbers of every date of a range.
#include "cli/forecast_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>

#include "cli/standard_output.h"
#include "cli/subject_input.h"
#include "common/cp1252.h"
#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/forecast.h"

namespace tessaro::cli {
namespace {

constexpr int Failure = 1;
constexpr int Refused = 2;
// The longest range, in years: a century of days is written in well under a second.
constexpr int MaxRangeYears = 100;

struct ForecastOptions {
  SubjectOptions subject;
  std::string studyFile;
  std::string from;
  std::string to;
  std::optional<int> dayNumber;
  std::optional<int> monthNumber;
  std::optional<int> personalYear;
};

// A refusal of what was asked, as opposed to a failure to read or write.
class Refusal : public TessaroError {
 public:
  using TessaroError::TessaroError;
};

StudySubject readSubject(const ForecastOptions& o) {
  if (o.studyFile.empty()) return subjectFromOptions(o.subject).subject;
  const bool optionsToo = !(o.subject.first.empty() && o.subject.last.empty() && o.subject.birth.empty());
  if (optionsToo)
    throw Refusal("donner soit un fichier d'étude, soit les options du sujet, pas les deux"_cp1252);
  return subjectFromStudyFile(o.studyFile, {}).subject;
}

// The dates asked for, refused as the user is told: reversed, longer than the longest range, or
// not days of the calendar.
std::pair<CivilDate, CivilDate> checkedRange(const ForecastOptions& o) {
  const auto date = [](const Text& text, std::string_view label) {
    try {
      return readCivilDate(text, label);
    } catch (const UserMessage& refusal) {
      throw Refusal(refusal.message());
    }
  };
  const Text fromText = fromUtf8(o.from);
  const Text toText = fromUtf8(o.to);
  const CivilDate from = date(fromText, "Date de début"_cp1252);
  const CivilDate to = date(toText, "Date de fin");
  if (to < from)
    throw Refusal("La date de début "_cp1252 + fromText + " est après la date de fin "_cp1252 + toText);
  if (to > addMonths(from, MaxRangeYears * 12)) {
    throw Refusal("De " + fromText + " à "_cp1252 + toText + " : une période ne dépasse pas "_cp1252 +
                  std::to_string(MaxRangeYears) + " ans");
  }
  return {from, to};
}

void appendMember(std::string& out, std::string_view key, std::string_view value, bool last = false) {
  out += '"';
  out += key;
  out += "\": \"";
  out += value;  // dates, weekday names, digits and capitals A-Z: nothing to escape
  out += last ? "\"}\n" : "\", ";
}

void appendDay(const ForecastDay& day, std::string& out) {
  out += '{';
  appendMember(out, "date", civilDateText(day.date));
  appendMember(out, "weekday", weekdayName(day.weekday));
  appendMember(out, "personal_year", day.personalYear);
  appendMember(out, "month_number", day.monthNumber);
  appendMember(out, "day_number", day.dayNumber);
  appendMember(out, "transit_letter", day.transitLetter);
  appendMember(out, "marker_before", day.markers.before);
  appendMember(out, "marker_after", day.markers.after, true);
}

int runForecast(const ForecastOptions& o) {
  const StudySubject subject = readSubject(o);
  std::optional<PersonalForecast> forecast;
  try {
    forecast.emplace(subject);
  } catch (const UserMessage& refusal) {
    throw Refusal(refusal.message());
  }
  const auto [from, to] = checkedRange(o);
  ForecastFilter filter;
  filter.dayNumber = o.dayNumber;
  filter.monthNumber = o.monthNumber;
  filter.personalYear = o.personalYear;
  // Lines are gathered and written in large blocks.
  constexpr size_t BlockSize = 1 << 16;
  std::string block;
  forecast->walk(from, to, filter, [&](const ForecastDay& day) {
    appendDay(day, block);
    if (block.size() >= BlockSize) {
      writeStandardOutput(block);
      block.clear();
    }
    return true;
  });
  writeStandardOutput(block);
  return 0;
}

int runReported(const ForecastOptions& o) {
  int status = 0;
  try {
    status = runForecast(o);
  } catch (const Refusal& refusal) {
    std::cerr << "tessaro-cli: " << refusal.utf8Message() << '\n';
    status = Refused;
  } catch (const TessaroError& error) {
    std::cerr << error.utf8Message() << '\n';
    status = Failure;
  } catch (const std::bad_alloc&) {
    std::cerr << TessaroError("Mémoire insuffisante"_cp1252).utf8Message() << '\n';
    status = Failure;
  }
  return status;
}

}  // namespace

Command addForecastCommand(CLI::App& app) {
  // The options outlive this function: the command runs after main has read them. Its
  // descriptions are for the terminal, in UTF-8.
  auto options = std::make_shared<ForecastOptions>();
  ForecastOptions& o = *options;
  CLI::App* forecast = app.add_subcommand(
      "forecast",
      "Le calendrier personnel : les nombres de l'année en cours de chaque date, un objet JSON par date");
  forecast->add_option("ETUDE.tsr", o.studyFile, "Fichier d'étude à lire à la place des options");
  forecast->add_option("--first", o.subject.first, "Prénom");
  forecast->add_option("--last", o.subject.last, "Nom");
  forecast->add_option("--birth", o.subject.birth, "Date de naissance (jj/mm/aaaa)");
  forecast->add_option("--from", o.from, "Première date (jj/mm/aaaa)")->required();
  forecast->add_option("--to", o.to, "Dernière date (jj/mm/aaaa), au plus cent ans après la première")
      ->required();
  forecast->add_option("--day", o.dayNumber, "Seulement les dates dont le nombre des jours est N");
  forecast->add_option("--month-number", o.monthNumber, "Seulement les dates dont le nombre des mois est N");
  forecast->add_option("--personal-year", o.personalYear,
                       "Seulement les dates dont l'année personnelle est N");
  return {forecast, [options] { return runReported(*options); }};
}

}  // namespace tessaro::cli
