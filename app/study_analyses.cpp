// The study window's analyses: each computes from the subject, fills its dialog and shows it.
#include "app/app_windows.h"
#include "app/study_window.h"
#include "engine/birth_date.h"
#include "engine/compatibility.h"
#include "engine/current_life.h"
#include "engine/current_year.h"
#include "engine/interpretation.h"
#include "engine/luck_numbers.h"
#include "engine/name_chart.h"
#include "engine/name_letters.h"
#include "engine/ui/entente_dialog.h"
#include "engine/ui/result_dialogs.h"
#include "engine/ui/second_person_dialog.h"
#include "engine/unique_number.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {

void TTessaro::Interp() {
  if (!VenusDone) Venus();
  const InterpretationResult result = interpretVenusCounts(DigitCounts);
  TInter& dialog = *appWindows().Inter;
  dialog.Init(result.dominant, result.missing, result.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Complet() {
  const NameChartResult r = computeNameChart(Subject);
  TGraphique& dialog = *appWindows().Graphique;
  dialog.Init(r.intimate, r.expression, r.realisation, r.active, r.hereditary, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Lettres() {
  const NameLettersResult r = computeNameLetters(Subject);
  TLnom& dialog = *appWindows().Lnom;
  dialog.Init(r.initialsLine, r.firstVowel, r.cerebral, r.physical, r.emotional, r.intuitive, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::CheminVie() {
  const BirthDateResult r = computeBirthDate(Subject);
  TChemin& dialog = *appWindows().Chemin;
  dialog.Init(r.dayLine, r.monthLine, r.yearLine, r.lifePath, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::NombreUnique() {
  const UniqueNumberResult r = computeUniqueNumber(Subject);
  TUnique& dialog = *appWindows().Unique;
  dialog.Init(r.active, r.hereditary, r.lifePath, r.unique, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Anneecours() {
  const CurrentYearResult r = computeCurrentYear(Subject);
  TAnnee& dialog = *appWindows().Annee;
  dialog.setWindowTitle(toQString(r.title));
  dialog.Init(r.personalYear, r.transitLetter, r.markerBefore, r.markerAfter, r.monthNumber, r.dayNumber,
              r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Nombres() {
  const LuckNumbersResult r = computeLuckNumbers(Subject);
  TChance& dialog = *appWindows().Chance;
  dialog.Init(r.unique, r.lifePath, r.birthDay, r.intimate, r.luckList);
  interaction().execDialog(dialog);
}

void TTessaro::VieCourante() {
  const CurrentLifeResult r = computeCurrentLife(Subject);
  TVie& dialog = *appWindows().Vie;
  dialog.Init(r.expression, r.city, r.address, r.company, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::EntenteDeux() {
  TDeux& people = *appWindows().Deux;
  people.Init(Subject.FirstName, Subject.LastName);
  interaction().execDialog(people);
  const std::optional<PairNames> names = people.Result();
  if (!names) return;
  const std::optional<CompatibilityResult> r = computeCompatibility(*names);
  if (!r) return;
  TEntente& dialog = *appWindows().Entente;
  dialog.Init(r->firstFullName, r->secondFullName, r->firstNumber, r->secondNumber, r->reading);
  interaction().execDialog(dialog);
}

}  // namespace tessaro
