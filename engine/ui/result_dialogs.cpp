// Layouts and Init of the result dialogs.
#include "engine/ui/result_dialogs.h"

namespace tessaro {
namespace {

constexpr int FieldWidth = 121;

// Rows of labels and fields 24 pixels apart from the top of the form, the field 2 pixels above
// its label so that their texts line up.
std::vector<PlacedLabel> labelColumn(std::initializer_list<std::string_view> captions, int x = 8,
                                     int top = 48) {
  std::vector<PlacedLabel> labels;
  int y = top;
  for (std::string_view caption : captions) {
    labels.push_back({caption, x, y});
    y += 24;
  }
  return labels;
}

std::vector<PlacedEdit> editColumn(int count, int x, int top = 46) {
  std::vector<PlacedEdit> edits;
  for (int i = 0; i < count; ++i) edits.push_back({x, top + 24 * i, FieldWidth});
  return edits;
}

// The four-field forms (birth date, unique number, current life) share one layout.
ResultDialogLayout fourFieldLayout(std::string_view className, std::string_view caption,
                                   std::initializer_list<std::string_view> labels) {
  return {className,
          caption,
          450,
          343,
          343,
          labelColumn(labels),
          editColumn(4, 152),
          MemoPlace{8, 152, 433, 185, true}};
}

ResultDialogLayout interLayout() {
  return {"TInter",
          "Interpr\xE9tation",
          490,
          265,
          391,
          {{"Nombre dominant", 12, 51}, {"Nombre manquant", 12, 83}},
          {{160, 48, FieldWidth}, {160, 80, FieldWidth}},
          MemoPlace{8, 119, 473, 138, false}};
}

ResultDialogLayout graphiqueLayout() {
  return {"TGraphique",
          "Graphique complet du nom",
          450,
          343,
          343,
          labelColumn({"Nombre intime", "Nombre d'expression",
                       "Nombre de r\xE9"
                       "alisation",
                       "Nombre actif",
                       "Nombre h\xE9r\xE9"
                       "ditaire"}),
          editColumn(5, 152),
          MemoPlace{8, 176, 433, 161, true}};
}

ResultDialogLayout lnomLayout() {
  return {"TLnom",
          "Lettres du nom",
          450,
          343,
          343,
          labelColumn({"Initiales", "Premi\xE8re voyelle du nom",
                       "Lettres c\xE9r\xE9"
                       "brales",
                       "Lettres physiques", "Lettres \xE9motives", "Lettres intuitives"}),
          editColumn(6, 170),
          MemoPlace{8, 208, 433, 129, true}};
}

ResultDialogLayout anneeLayout() {
  return {"TAnnee",
          "Ann\xE9"
          "e en cours",
          450,
          343,
          343,
          labelColumn({"Nombre d'ann\xE9"
                       "e personnelle",
                       "Lettre de passage", "Rep\xE8re avant anniversaire", "Rep\xE8re apr\xE8s anniversaire",
                       "Nombre des mois", "Nombre des jours"}),
          editColumn(6, 190),
          MemoPlace{8, 200, 433, 137, true}};
}

ResultDialogLayout chanceLayout() {
  std::vector<PlacedEdit> edits = editColumn(5, 152);
  edits.back().width = 2 * FieldWidth;
  return {"TChance",
          "Nombre de la chance",
          450,
          191,
          343,
          labelColumn(
              {"Nombre Unique", "Chemin de vie", "Jour de naissance", "Nombre intime", "Nombres favorables"}),
          edits,
          std::nullopt};
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
    : ResultDialog(fourFieldLayout("TChemin", "Date de Naissance",
                                   {"Jour", "Mois",
                                    "Ann\xE9"
                                    "e",
                                    "Chemin de vie"}),
                   parent) {}

void TChemin::Init(std::string_view dayLine, std::string_view monthLine, std::string_view yearLine,
                   std::string_view lifePath, std::string_view reading) {
  fill({dayLine, monthLine, yearLine, lifePath}, reading);
}

TUnique::TUnique(QWidget* parent)
    : ResultDialog(fourFieldLayout("TUnique", "Le nombre cosmique",
                                   {"Nombre actif",
                                    "Nombre h\xE9r\xE9"
                                    "ditaire",
                                    "Chemin de vie", "Nombre Unique"}),
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
                                   {"Nombre d'expression", "Ville", "Adresse compl\xE8te", "Soci\xE9t\xE9"}),
                   parent) {}

void TVie::Init(std::string_view expression, std::string_view city, std::string_view address,
                std::string_view company, std::string_view reading) {
  fill({expression, city, address, company}, reading);
}

}  // namespace tessaro
