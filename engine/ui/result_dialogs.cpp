// Layouts and Init of the result dialogs.
#include "engine/ui/result_dialogs.h"

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

constexpr int FieldWidth = 121;

// A field's row: the caption of its label and the name of what it holds.
struct FieldRow {
  std::string_view caption;  // Windows-1252
  std::string_view name;
};

// Rows of labels and fields 24 pixels apart from the top of the form, the field 2 pixels above
// its label so that their texts line up.
std::vector<PlacedLabel> labelColumn(std::initializer_list<FieldRow> rows, int x = 8, int top = 48) {
  std::vector<PlacedLabel> labels;
  int y = top;
  for (const FieldRow& row : rows) {
    labels.push_back({row.caption, row.name, x, y});
    y += 24;
  }
  return labels;
}

std::vector<PlacedEdit> editColumn(std::initializer_list<FieldRow> rows, int x, int top = 46) {
  std::vector<PlacedEdit> edits;
  int y = top;
  for (const FieldRow& row : rows) {
    edits.push_back({row.name, x, y, FieldWidth});
    y += 24;
  }
  return edits;
}

// The four-field forms (birth date, unique number, current life) share one layout.
ResultDialogLayout fourFieldLayout(std::string_view className, std::string_view caption,
                                   std::initializer_list<FieldRow> rows) {
  return {className,
          caption,
          450,
          343,
          343,
          labelColumn(rows),
          editColumn(rows, 152),
          MemoPlace{8, 152, 433, 185, true}};
}

ResultDialogLayout interLayout() {
  return {"TInter",
          "Interprétation"_cp1252,
          490,
          265,
          391,
          {{"Nombre dominant", "dominantNumbers", 12, 51}, {"Nombre manquant", "missingNumbers", 12, 83}},
          {{"dominantNumbers", 160, 48, FieldWidth}, {"missingNumbers", 160, 80, FieldWidth}},
          MemoPlace{8, 119, 473, 138, false}};
}

ResultDialogLayout graphiqueLayout() {
  const std::initializer_list<FieldRow> rows = {{"Nombre intime", "intimateNumber"},
                                                {"Nombre d'expression", "expressionNumber"},
                                                {"Nombre de réalisation"_cp1252, "realisationNumber"},
                                                {"Nombre actif", "activeNumber"},
                                                {"Nombre héréditaire"_cp1252, "hereditaryNumber"}};
  return {"TGraphique",          "Graphique complet du nom",       450, 343, 343, labelColumn(rows),
          editColumn(rows, 152), MemoPlace{8, 176, 433, 161, true}};
}

ResultDialogLayout lnomLayout() {
  const std::initializer_list<FieldRow> rows = {{"Initiales", "initials"},
                                                {"Première voyelle du nom"_cp1252, "firstVowel"},
                                                {"Lettres cérébrales"_cp1252, "cerebralLetters"},
                                                {"Lettres physiques", "physicalLetters"},
                                                {"Lettres émotives"_cp1252, "emotionalLetters"},
                                                {"Lettres intuitives", "intuitiveLetters"}};
  return {"TLnom",
          "Lettres du nom",
          450,
          343,
          343,
          labelColumn(rows),
          editColumn(rows, 170),
          MemoPlace{8, 208, 433, 129, true}};
}

ResultDialogLayout anneeLayout() {
  const std::initializer_list<FieldRow> rows = {{"Nombre d'année personnelle"_cp1252, "personalYear"},
                                                {"Lettre de passage", "transitLetter"},
                                                {"Repère avant anniversaire"_cp1252, "markerBefore"},
                                                {"Repère après anniversaire"_cp1252, "markerAfter"},
                                                {"Nombre des mois", "monthNumber"},
                                                {"Nombre des jours", "dayNumber"}};
  return {"TAnnee",
          "Année en cours"_cp1252,
          450,
          343,
          343,
          labelColumn(rows),
          editColumn(rows, 190),
          MemoPlace{8, 200, 433, 137, true}};
}

ResultDialogLayout chanceLayout() {
  const std::initializer_list<FieldRow> rows = {{"Nombre Unique", "uniqueNumber"},
                                                {"Chemin de vie", "lifePath"},
                                                {"Jour de naissance", "birthDay"},
                                                {"Nombre intime", "intimateNumber"},
                                                {"Nombres favorables", "favourableNumbers"}};
  std::vector<PlacedEdit> edits = editColumn(rows, 152);
  edits.back().width = 2 * FieldWidth;
  return {"TChance", "Nombre de la chance", 450, 191, 343, labelColumn(rows), edits, std::nullopt};
}

}  // namespace

TInter::TInter(QWidget* parent) : ResultDialog(interLayout(), parent) {}

void TInter::Init(std::string_view dominantNumbers, std::string_view missingNumbers,
                  std::string_view reading) {
  fill({dominantNumbers, missingNumbers}, reading);
}

TGraphique::TGraphique(QWidget* parent) : ResultDialog(graphiqueLayout(), parent) {}

void TGraphique::Init(std::string_view intimate, std::string_view expression, std::string_view realisation,
                      std::string_view active, std::string_view hereditary, std::string_view reading) {
  fill({intimate, expression, realisation, active, hereditary}, reading);
}

TLnom::TLnom(QWidget* parent) : ResultDialog(lnomLayout(), parent) {}

void TLnom::Init(std::string_view initialsLine, std::string_view firstVowel, std::string_view cerebral,
                 std::string_view physical, std::string_view emotional, std::string_view intuitive,
                 std::string_view reading) {
  fill({initialsLine, firstVowel, cerebral, physical, emotional, intuitive}, reading);
}

TChemin::TChemin(QWidget* parent)
    : ResultDialog(
          fourFieldLayout(
              "TChemin", "Date de Naissance",
              {{"Jour", "day"}, {"Mois", "month"}, {"Année"_cp1252, "year"}, {"Chemin de vie", "lifePath"}}),
          parent) {}

void TChemin::Init(std::string_view dayLine, std::string_view monthLine, std::string_view yearLine,
                   std::string_view lifePath, std::string_view reading) {
  fill({dayLine, monthLine, yearLine, lifePath}, reading);
}

TUnique::TUnique(QWidget* parent)
    : ResultDialog(fourFieldLayout("TUnique", "Le nombre cosmique",
                                   {{"Nombre actif", "activeNumber"},
                                    {"Nombre héréditaire"_cp1252, "hereditaryNumber"},
                                    {"Chemin de vie", "lifePath"},
                                    {"Nombre Unique", "uniqueNumber"}}),
                   parent) {}

void TUnique::Init(std::string_view active, std::string_view hereditary, std::string_view lifePath,
                   std::string_view unique, std::string_view reading) {
  fill({active, hereditary, lifePath, unique}, reading);
}

TAnnee::TAnnee(QWidget* parent) : ResultDialog(anneeLayout(), parent) {}

void TAnnee::Init(std::string_view personalYear, std::string_view transitLetter,
                  std::string_view markerBefore, std::string_view markerAfter, std::string_view monthNumber,
                  std::string_view dayNumber, std::string_view reading) {
  fill({personalYear, transitLetter, markerBefore, markerAfter, monthNumber, dayNumber}, reading);
}

TChance::TChance(QWidget* parent) : ResultDialog(chanceLayout(), parent) {}

void TChance::Init(std::string_view unique, std::string_view lifePath, std::string_view birthDay,
                   std::string_view intimate, std::string_view luckList) {
  fillFields({unique, lifePath, birthDay, intimate, luckList});
}

TVie::TVie(QWidget* parent)
    : ResultDialog(fourFieldLayout("TVie", "Vie courante",
                                   {{"Nombre d'expression", "expressionNumber"},
                                    {"Ville", "city"},
                                    {"Adresse complète"_cp1252, "address"},
                                    {"Société"_cp1252, "company"}}),
                   parent) {}

void TVie::Init(std::string_view expression, std::string_view city, std::string_view address,
                std::string_view company, std::string_view reading) {
  fill({expression, city, address, company}, reading);
}

}  // namespace tessaro
