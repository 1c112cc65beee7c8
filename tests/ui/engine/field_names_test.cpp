// The result fields named after the label on their row, for assistive technologies.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <functional>
#include <memory>

#include "common/cp1252_literal.h"
#include "engine/ui/entente_dialog.h"
#include "engine/ui/result_dialogs.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

struct FieldNameCase {
  const char* name;
  std::function<std::unique_ptr<ResultDialog>()> make;
  std::vector<const char*> fieldNames;  // Windows-1252, in the order of the fields
};

template <typename D>
std::function<std::unique_ptr<ResultDialog>()> maker() {
  return [] { return std::make_unique<D>(); };
}

const FieldNameCase fieldNameCases[] = {
    {"TInter", maker<TInter>(), {"Nombre dominant", "Nombre manquant"}},
    {"TGraphique",
     maker<TGraphique>(),
     {"Nombre intime", "Nombre d'expression", "Nombre de réalisation"_cp1252, "Nombre actif",
      "Nombre héréditaire"_cp1252}},
    {"TLnom",
     maker<TLnom>(),
     {"Initiales", "Première voyelle du nom"_cp1252, "Lettres cérébrales"_cp1252, "Lettres physiques",
      "Lettres émotives"_cp1252, "Lettres intuitives"}},
    {"TChemin", maker<TChemin>(), {"Jour", "Mois", "Année"_cp1252, "Chemin de vie"}},
    {"TChance",
     maker<TChance>(),
     {"Nombre Unique", "Chemin de vie", "Jour de naissance", "Nombre intime", "Nombres favorables"}},
    {"TVie", maker<TVie>(), {"Nombre d'expression", "Ville", "Adresse complète"_cp1252, "Société"_cp1252}},
};

class FieldName : public ::testing::TestWithParam<FieldNameCase> {};

TEST_P(FieldName, IsTheLabelOnItsRow) {
  const std::unique_ptr<ResultDialog> dialog = GetParam().make();
  for (size_t i = 0; i < GetParam().fieldNames.size(); ++i) {
    QLineEdit* field = dialog->edit(static_cast<int>(i) + 1);
    EXPECT_EQ(fromQString(field->accessibleName()), GetParam().fieldNames[i]) << i + 1;
    EXPECT_EQ(dialog->label(static_cast<int>(i) + 1)->buddy(), field) << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(ResultDialogs, FieldName, ::testing::ValuesIn(fieldNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EntenteFieldName, TellsTheTwoExpressionNumbersApartByTheirPerson) {
  QPrinter printer;
  TEntente dialog{[&printer]() -> QPrinter& { return printer; }};
  dialog.Init("MARIE DURAND", "JEAN DUPONT", "9", "3", "lecture");
  EXPECT_EQ(dialog.edit(1)->accessibleName(), QStringLiteral("Nombre d'expression de MARIE DURAND"));
  EXPECT_EQ(dialog.edit(2)->accessibleName(), QStringLiteral("Nombre d'expression de JEAN DUPONT"));
}

}  // namespace
}  // namespace tessaro
