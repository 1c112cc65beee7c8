// The result dialogs: fields in Init order, the memo's cleaning, closing, and the memo's shown lines.
#include "engine/ui/result_dialogs.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "common/cp1252_literal.h"
#include "engine/ui/memo_lines.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

struct DialogCase {
  const char* name;
  std::function<std::unique_ptr<ResultDialog>()> make;
  // Calls Init with the field texts "f1", "f2"... and the given reading.
  std::function<void(ResultDialog&, std::string_view)> init;
  int fieldCount;
};

template <typename D>
std::function<std::unique_ptr<ResultDialog>()> maker() {
  return [] { return std::make_unique<D>(); };
}

const DialogCase dialogCases[] = {
    {"TInter", maker<TInter>(),
     [](ResultDialog& d, std::string_view r) { static_cast<TInter&>(d).Init("f1", "f2", r); }, 2},
    {"TGraphique", maker<TGraphique>(),
     [](ResultDialog& d, std::string_view r) {
       static_cast<TGraphique&>(d).Init("f1", "f2", "f3", "f4", "f5", r);
     },
     5},
    {"TLnom", maker<TLnom>(),
     [](ResultDialog& d, std::string_view r) {
       static_cast<TLnom&>(d).Init("f1", "f2", "f3", "f4", "f5", "f6", r);
     },
     6},
    {"TChemin", maker<TChemin>(),
     [](ResultDialog& d, std::string_view r) { static_cast<TChemin&>(d).Init("f1", "f2", "f3", "f4", r); },
     4},
    {"TUnique", maker<TUnique>(),
     [](ResultDialog& d, std::string_view r) { static_cast<TUnique&>(d).Init("f1", "f2", "f3", "f4", r); },
     4},
    {"TAnnee", maker<TAnnee>(),
     [](ResultDialog& d, std::string_view r) {
       static_cast<TAnnee&>(d).Init("f1", "f2", "f3", "f4", "f5", "f6", r);
     },
     6},
    {"TVie", maker<TVie>(),
     [](ResultDialog& d, std::string_view r) { static_cast<TVie&>(d).Init("f1", "f2", "f3", "f4", r); }, 4},
};

class EveryResultDialog : public ::testing::TestWithParam<DialogCase> {};

TEST_P(EveryResultDialog, InitFillsTheFieldsInOrderAndTidiesTheMemo) {
  const DialogCase& c = GetParam();
  auto dialog = c.make();
  EXPECT_EQ(dialog->objectName(), QString::fromLatin1(c.name));
  // Blank lines inside go; the line of one space and the empty last line stay.
  c.init(*dialog, "5: un\r\n\r\n\r\n \r\nEntente\r\n\r\nfin\r\n");
  ASSERT_EQ(static_cast<int>(dialog->findChildren<QLineEdit*>().size()), c.fieldCount);
  for (int i = 1; i <= c.fieldCount; ++i) {
    EXPECT_EQ(dialog->edit(i)->text(), QStringLiteral("f%1").arg(i));
    EXPECT_TRUE(dialog->edit(i)->isReadOnly());
  }
  EXPECT_EQ(dialog->memo()->toPlainText(), QStringLiteral("5: un\n \nEntente\nfin\n"));
  // A second run replaces everything.
  c.init(*dialog, "seul");
  EXPECT_EQ(dialog->memo()->toPlainText(), QStringLiteral("seul"));
}

TEST_P(EveryResultDialog, FermerAndEscapeCloseIt) {
  auto dialog = GetParam().make();
  dialog->show();
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  dialog->show();
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(ResultDialogs, EveryResultDialog, ::testing::ValuesIn(dialogCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResultDialogs, OnlyTheInterpretationMemoTakesTyping) {
  EXPECT_FALSE(TInter().memo()->isReadOnly());
  EXPECT_TRUE(TGraphique().memo()->isReadOnly());
}

TEST(ResultDialogs, LuckDialogHasNoMemoAndAWideListField) {
  TChance chance;
  chance.Init("20", "11", "05", "1", "1, 2, 6, 19, 20, 42");
  EXPECT_EQ(chance.memo(), nullptr);
  EXPECT_EQ(chance.edit(3)->text(), QStringLiteral("05"));
  EXPECT_EQ(chance.edit(5)->text(), QStringLiteral("1, 2, 6, 19, 20, 42"));
  EXPECT_EQ(chance.edit(5)->width(), 2 * chance.edit(1)->width());
}

TEST(ResultDialogs, AccentedTextsCrossIntoTheWidgets) {
  TVie vie;
  vie.Init("9", "", "3", "", "Société\r\n9: Croissance régulière."_cp1252);
  EXPECT_EQ(fromQString(vie.memo()->toPlainText()), "Société\n9: Croissance régulière."_cp1252);
  EXPECT_EQ(fromQString(vie.label(4)->text()), "Société"_cp1252);
}

TEST(MemoLines, LongParagraphsWrapAtTheMemoWidth) {
  TGraphique dialog;
  const std::string words =
      "Travail constructif et patient, réussite progressive et durable dans le temps. "_cp1252;
  dialog.Init("1", "2", "3", "4", "5", "court\r\n" + words + words + words + "\r\n\r\nfin");
  const QStringList lines = displayedLines(*dialog.memo());
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.first(), QStringLiteral("court"));
  EXPECT_EQ(lines.last(), QStringLiteral("fin"));
  QString joined;
  const QFontMetrics metrics(dialog.memo()->font());
  for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
    EXPECT_LT(metrics.horizontalAdvance(lines[i].trimmed()), dialog.memo()->width()) << i;
    joined += lines[i];
  }
  EXPECT_EQ(joined, toQString(words + words + words));
}

}  // namespace
}  // namespace tessaro
