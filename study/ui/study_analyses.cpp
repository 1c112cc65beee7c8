// The study window's analyses: each computes from the subject, fills its dialog and shows it.
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
#include "study/ui/study_window.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {

void TTessaro::Interp() {
  if (!study.VenusDone) Venus();
  const InterpretationResult result = interpretVenusCounts(study.DigitCounts);
  TInter& dialog = dialogs.inter;
  dialog.Init(result.dominant, result.missing, result.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Complet() {
  const NameChartResult r = computeNameChart(study.Subject);
  TGraphique& dialog = dialogs.graphique;
  dialog.Init(r.intimate, r.expression, r.realisation, r.active, r.hereditary, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Lettres() {
  const NameLettersResult r = computeNameLetters(study.Subject);
  TLnom& dialog = dialogs.lnom;
  dialog.Init(r.initialsLine, r.firstVowel, r.cerebral, r.physical, r.emotional, r.intuitive, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::CheminVie() {
  const BirthDateResult r = computeBirthDate(study.Subject);
  TChemin& dialog = dialogs.chemin;
  dialog.Init(r.dayLine, r.monthLine, r.yearLine, r.lifePath, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::NombreUnique() {
  const UniqueNumberResult r = computeUniqueNumber(study.Subject);
  TUnique& dialog = dialogs.unique;
  dialog.Init(r.active, r.hereditary, r.lifePath, r.unique, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Anneecours() {
  const CurrentYearResult r = computeCurrentYear(study.Subject);
  TAnnee& dialog = dialogs.annee;
  dialog.setWindowTitle(toQString(r.title));
  dialog.Init(r.personalYear, r.transitLetter, r.markerBefore, r.markerAfter, r.monthNumber, r.dayNumber,
              r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::Nombres() {
  const LuckNumbersResult r = computeLuckNumbers(study.Subject);
  TChance& dialog = dialogs.chance;
  dialog.Init(r.unique, r.lifePath, r.birthDay, r.intimate, r.luckList);
  interaction().execDialog(dialog);
}

void TTessaro::VieCourante() {
  const CurrentLifeResult r = computeCurrentLife(study.Subject);
  TVie& dialog = dialogs.vie;
  dialog.Init(r.expression, r.city, r.address, r.company, r.reading);
  interaction().execDialog(dialog);
}

void TTessaro::EntenteDeux() {
  TDeux& people = dialogs.deux;
  people.Init(study.Subject.FirstName, study.Subject.LastName);
  interaction().execDialog(people);
  const std::optional<PairNames> names = people.Result();
  if (!names) return;
  const std::optional<CompatibilityResult> r = computeCompatibility(*names);
  if (!r) return;
  TEntente& dialog = dialogs.entente;
  dialog.Init(r->firstFullName, r->secondFullName, r->firstNumber, r->secondNumber, r->reading);
  interaction().execDialog(dialog);
}

}  // namespace tessaro
