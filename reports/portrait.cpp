// The general portrait, written line by line in a fixed order.
#include "reports/portrait.h"

#include <array>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/birth_date.h"
#include "engine/current_year.h"
#include "engine/date_numbers.h"
#include "engine/interpretation.h"
#include "engine/luck_numbers.h"
#include "engine/name_chart.h"
#include "engine/name_letters.h"
#include "engine/name_numbers.h"
#include "engine/text_table.h"
#include "engine/texts/birth_date_texts.h"
#include "engine/texts/current_year_texts.h"
#include "engine/texts/name_chart_texts.h"
#include "engine/texts/unique_number_texts.h"
#include "engine/unique_number.h"
#include "names/dictionary.h"

namespace tessaro {
namespace {

constexpr size_t DateLength = 10;

// Appends items to the document: an item holding CR LF pairs spans several paragraphs.
class DocumentWriter {
 public:
  explicit DocumentWriter(const ParagraphSink& paragraph) : paragraph(paragraph) {
    itemText.reserve(ReadingReserve);
  }

  void item(std::string_view text) { forEachCrLfLine(text, paragraph); }
  void blank() { paragraph({}); }
  void labelled(std::string_view label, int tabs, std::string_view value) {
    line.assign(label);
    line.append(static_cast<size_t>(tabs), '\t');
    line += value;
    paragraph(line);
  }
  // An empty text to build an item in, reused from one item to the next.
  Text& newItem() {
    itemText.clear();
    return itemText;
  }

 private:
  const ParagraphSink& paragraph;
  Text line;
  Text itemText;
};

// "J = 1<tab>E = 5<tab>..." for every character that carries a digit.
Text letterLine(std::string_view namePart) {
  Text line;
  for (char c : namePart) {
    const Text digit = LettersToDigits(std::string_view(&c, 1));
    if (digit.empty()) continue;
    line += c;
    line += " = ";
    line += digit;
    line += '\t';
  }
  return line;
}

void writePortrait(const StudySubject& s, bool includeFirstName, FirstNameDictionary* dictionary,
                   const ParagraphSink& paragraph, PortraitOutcome& portrait) {
  DocumentWriter out(paragraph);
  const bool birthDateComplete = s.BirthDate.size() == DateLength;
  const bool bothDatesComplete = birthDateComplete && s.StudyDate.size() == DateLength;

  out.item("Analyse effectuée le "_cp1252 + s.StudyDate);
  out.blank();
  out.item("Graphique de " + s.FirstName + " " + s.LastName + "\t\t\tNé(e) le "_cp1252 + s.BirthDate);
  out.blank();

  const Text firstDigits = LettersToDigits(s.FirstName);
  const Text lastDigits = LettersToDigits(s.LastName);
  out.item(letterLine(s.FirstName));
  out.item(letterLine(s.LastName));
  out.blank();

  // First name first: the counts are those of the Venus star all the same.
  portrait.digitCounts = Denombre(firstDigits + lastDigits);
  const InterpretationResult lists = interpretVenusCounts(portrait.digitCounts);
  out.labelled("Nombre dominant :", 1, lists.dominant);
  out.labelled("Nombre manquant :", 1, lists.missing);
  out.blank();

  const NumberText intimate = IntimateNumber(s);
  const NumberText expression = ExpressionNumber(s);
  const NumberText realisation = RealisationNumber(s);
  const NumberText active = ActiveNumber(s);
  const NumberText hereditary = HereditaryNumber(s);
  out.labelled("Nombre intime :", 2, intimate);
  out.labelled("Nombre d'expression :", 1, expression);
  out.labelled("Nombre de réalisation :"_cp1252, 1, realisation);
  out.labelled("Nombre actif :", 2, active);
  out.labelled("Nombre héréditaire :"_cp1252, 1, hereditary);
  out.blank();

  const Text initialsLine = InitialsLine(s);
  const Text firstVowel = FirstVowel(s);
  const LetterClassCountTexts classes = LetterClassCounts(s);
  out.labelled("Initiales : ", 3, initialsLine);
  // "Première voyelles" is kept on purpose.
  out.labelled("Première voyelles du nom : "_cp1252, 1, firstVowel);
  out.labelled("Lettres cérébrales : "_cp1252, 2, classes.cerebral);
  out.labelled("Lettres physiques : ", 2, classes.physical);
  out.labelled("Lettres émotives : "_cp1252, 2, classes.emotional);
  out.labelled("Lettres intuitives : ", 2, classes.intuitive);
  out.blank();

  const DateParts birth = cutDate(s.BirthDate);
  // Values of a section that is left out stay empty, and fail where a later step converts them.
  NumberText dayNumber, monthNumber, yearNumber, lifePath, dateSum;
  if (birthDateComplete) {
    dateSum = DateSumNumber(s.BirthDate);
    dayNumber = ReduceKeepMasters(birth.day);
    monthNumber = ReduceKeepMasters(birth.month);
    yearNumber = ReduceToDigit(birth.year);
    lifePath = LifePathNumber(s.BirthDate);
    out.item("Chemin de vie");
    out.item("----------------");
    out.labelled("Jour : ", 2, birth.day + " = " + dayNumber);
    out.labelled("Mois : ", 2, birth.month + " = " + monthNumber);
    out.labelled("Année : "_cp1252, 2, birth.year + " = " + yearNumber);
    out.labelled("Chemin de vie : ", 1, lifePath);
  }
  out.blank();

  // Unlike the unique-number analysis, the active and hereditary numbers keep 11 and 22 here.
  const NumberText unique = UniqueNumber(active, hereditary, dateSum);
  out.labelled("Nombre Unique : ", 1, unique);
  out.blank();

  NumberText personalYear, transitLetter, monthOfStudy, dayOfStudy;
  AnniversaryMarkers markers;
  if (bothDatesComplete) {
    personalYear = PersonalYearNumber(s.BirthDate, s.StudyDate);
    const int32_t age = studyAge(s.BirthDate, s.StudyDate);
    transitLetter = TransitLetter(NameLetters(s), age);
    markers = anniversaryMarkers(age);
    monthOfStudy = StudyMonthNumber(s.StudyDate, personalYear);
    dayOfStudy = StudyDayNumber(s.StudyDate, monthOfStudy);
    out.labelled("Nombre d'année personnelle : "_cp1252, 1, personalYear);
    out.labelled("Lettre de passage : ", 2, transitLetter);
    out.labelled("Repère avant anniversaire : "_cp1252, 1, markers.before);
    out.labelled("Repère après anniversaire : "_cp1252, 1, markers.after);
    out.labelled("Nombre des mois : ", 2, monthOfStudy);
    out.labelled("Nombre des jours : ", 2, dayOfStudy);
    out.blank();
  }

  // The portrait's luck numbers come from its own unique number and the personal year.
  const std::array<Text, 6> luck = {
      addNumbers({unique, personalYear, birth.day, intimate}),
      addNumbers({ReduceKeepMasters(unique), ReduceKeepMasters(birth.day), personalYear, intimate}),
      unique,
      personalYear,
      birth.day,
      intimate};
  out.labelled("Nombres de la chance : ", 1, luckListText(luck));
  out.blank();

  out.item("INTERPRETATION");
  out.blank();

  out.item("Nombre dominant / manquant");
  out.blank();
  // The readings of the interpretation of the Venus star, entry for entry.
  out.item(lists.reading);

  out.item("Graphique complet du nom");
  out.blank();
  // The readings of the complete chart of the name, which stops on the same empty number.
  out.item(computeNameChart(s).reading);
  out.blank();

  out.item("Lettres du nom");
  out.blank();
  // The readings of the letters of the name; the line break that ends them gives the blank line.
  out.item(computeNameLetters(s).reading);

  out.item("Date de naissance");
  out.blank();
  Text& dates = out.newItem();
  appendReadingLine(dates, dayNumber, tableRow(BirthDayTexts, dayNumber));
  appendReadingLine(dates, monthNumber, tableRow(BirthMonthTexts, monthNumber));
  appendReadingLine(dates, yearNumber, tableRow(BirthYearTexts, yearNumber));
  appendLifePathReading(dates, lifePath);
  out.item(dates);

  out.item("Le nombre unique");
  out.blank();
  Text& uniqueReadings = out.newItem();
  appendReadingLine(uniqueReadings, active, tableRow(ActiveNumberTexts, active));
  appendReadingLine(uniqueReadings, hereditary, tableRow(HereditaryNumberTexts, hereditary));
  appendLifePathReading(uniqueReadings, lifePath);
  uniqueReadings += unique;
  uniqueReadings += ": ";
  uniqueReadings += tableRow(UniqueNumberTexts, unique);
  out.item(uniqueReadings);
  out.blank();

  out.item("L'année en cours"_cp1252);
  out.blank();
  Text& year = out.newItem();
  appendReadingLine(year, personalYear, tableRow(PersonalYearTexts, personalYear));
  appendReadingLine(year, transitLetter, TransitLetterReading(transitLetter));
  appendReadingLine(year, markers.before, tableRow(AnniversaryMarkerTexts, markers.before));
  appendReadingLine(year, markers.after, tableRow(AnniversaryMarkerTexts, markers.after));
  appendReadingLine(year, monthOfStudy, tableRow(PeriodNumberTexts, monthOfStudy));
  appendReadingLine(year, dayOfStudy, tableRow(PeriodNumberTexts, dayOfStudy));
  out.item(year);

  if (includeFirstName) {
    out.item("LE PRENOM");
    out.blank();
    out.item(dictionary != nullptr ? dictionary->readingFor(s.FirstName)
                                   : s.FirstName + Text(CrLf) + NameNotInDictionaryText);
  }
}

}  // namespace

PortraitOutcome writePortraitParagraphs(const StudySubject& subject, bool includeFirstName,
                                        FirstNameDictionary* dictionary, const ParagraphSink& paragraph) {
  PortraitOutcome outcome;
  try {
    writePortrait(subject, includeFirstName, dictionary, paragraph, outcome);
  } catch (const ConversionError& error) {
    outcome.error = error.message();
  }
  return outcome;
}

Portrait buildPortrait(const StudySubject& subject, bool includeFirstName, FirstNameDictionary* dictionary) {
  Portrait portrait;
  PortraitOutcome outcome = writePortraitParagraphs(
      subject, includeFirstName, dictionary,
      [&portrait](std::string_view paragraph) { portrait.paragraphs.emplace_back(paragraph); });
  portrait.digitCounts = outcome.digitCounts;
  portrait.error = std::move(outcome.error);
  return portrait;
}

Text portraitPlainText(const Portrait& portrait) {
  Text text;
  for (const Text& paragraph : portrait.paragraphs) {
    text += paragraph;
    text += CrLf;
  }
  return text;
}

}  // namespace tessaro
