// The study window's displays: the name grid, the Venus star square and the editor.
#include <QLabel>
#include <QTextEdit>
#include <QWidget>

#include "app_fixture.h"
#include "study/ui/study_window.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

class StudyDisplay : public ProgramTest {
 protected:
  QString cell(int number) const {
    auto* found = study().findChild<QLabel*>(QStringLiteral("cell%1").arg(number));
    EXPECT_NE(found, nullptr) << number;
    return found != nullptr ? found->text() : QString();
  }
  // The 21 captions of a grid row (1 to 4), joined with "|" between them.
  QString row(int panel) const {
    QStringList captions;
    for (int k = 1; k <= 21; ++k) captions << cell(21 * (panel - 1) + k);
    return captions.join(QLatin1Char('|'));
  }
  QString star() const {
    QStringList captions;
    for (int number = 85; number <= 93; ++number) captions << cell(number);
    return captions.join(QLatin1Char(' '));
  }
  bool visible(const char* name) const {
    return !study().findChild<QWidget*>(QString::fromLatin1(name))->isHidden();
  }
  QTextEdit* editor() const { return study().findChild<QTextEdit*>(QStringLiteral("editor")); }
};

QString cells(const QString& filled, int count = 21) {
  QStringList captions = filled.isEmpty() ? QStringList() : filled.split(QLatin1Char(' '));
  while (captions.size() < count) captions << QString();
  return captions.join(QLatin1Char('|'));
}

TEST_F(StudyDisplay, NothingIsShownBeforeTheFirstStudy) {
  for (const char* name : {"firstNameLettersPanel", "firstNameDigitsPanel", "lastNameLettersPanel",
                           "lastNameDigitsPanel", "starPanel", "editor"})
    EXPECT_FALSE(visible(name)) << name;
  EXPECT_TRUE(study().windowTitle().isEmpty());
}

struct GridCase {
  const char* name;
  const char* firstName;
  const char* lastName;
  const char* firstLetters;  // cell captions separated by spaces
  const char* firstDigits;
  const char* lastLetters;
  const char* lastDigits;
};

const GridCase gridCases[] = {
    {"HyphenTakesALetterCellButNoDigitCell", "jean-pierre", "dupont", "J E A N - P I E R R E",
     "1 5 1 5 7 9 5 9 9 5", "D U P O N T", "4 3 7 6 5 2"},
    {"TwentyFiveLettersShowTheFirstTwentyOne", "abcdefghijklmnopqrstuvwxy", "eva",
     "A B C D E F G H I J K L M N O P Q R S T U", "1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 1 2 3", "E V A",
     "5 4 1"},
    {"ThreeLetters", "ann", "lee", "A N N", "1 5 5", "L E E", "3 5 5"},
};

class NameGrid : public StudyDisplay, public ::testing::WithParamInterface<GridCase> {};

TEST_P(NameGrid, FillsEveryCellOfTheFourRows) {
  const GridCase& c = GetParam();
  // A longer name first: none of its captions may survive.
  newStudy({"maximilienfrederic", "vandenberghedelacroix"});
  newStudy({c.firstName, c.lastName});
  EXPECT_EQ(row(1), cells(QString::fromLatin1(c.firstLetters)));
  EXPECT_EQ(row(2), cells(QString::fromLatin1(c.firstDigits)));
  EXPECT_EQ(row(3), cells(QString::fromLatin1(c.lastLetters)));
  EXPECT_EQ(row(4), cells(QString::fromLatin1(c.lastDigits)));
  for (const char* name :
       {"firstNameLettersPanel", "firstNameDigitsPanel", "lastNameLettersPanel", "lastNameDigitsPanel"})
    EXPECT_TRUE(visible(name)) << name;
  EXPECT_FALSE(visible("starPanel"));
}

INSTANTIATE_TEST_SUITE_P(StudyDisplay, NameGrid, ::testing::ValuesIn(gridCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StudyDisplay, TheVenusStarOfJeanPierreDupont) {
  newStudy({"jean-pierre", "dupont"});
  editor()->show();
  trigger("venusStarAction");
  EXPECT_EQ(star(), QStringLiteral("2 1 1 1 5 1 2 0 3"));
  EXPECT_EQ(study().digitCounts()[0], 16);
  for (const char* name : {"firstNameLettersPanel", "firstNameDigitsPanel", "lastNameLettersPanel",
                           "lastNameDigitsPanel", "starPanel"})
    EXPECT_TRUE(visible(name)) << name;
  EXPECT_FALSE(visible("editor"));
  EXPECT_TRUE(study().venusDone());
}

TEST_F(StudyDisplay, TheStarCountsLettersBeyondTheGrid) {
  newStudy({"abcdefghijklmnopqrstuvwxy", "z"});
  trigger("venusStarAction");
  // A-Y and Z: 26 letters of value, the grid shows 21 of the first name's.
  EXPECT_EQ(study().digitCounts()[0], 26);
  EXPECT_EQ(star(), QStringLiteral("3 3 3 3 3 3 3 3 2"));
}

TEST_F(StudyDisplay, ANewStudyClearsTheEarlierStar) {
  newStudy({"jean-pierre", "dupont"});
  trigger("venusStarAction");
  newStudy({"ann", "lee"});
  EXPECT_FALSE(visible("starPanel"));
  EXPECT_TRUE(visible("firstNameLettersPanel"));
  EXPECT_EQ(study().digitCounts(), DigitCountArray{});
  EXPECT_FALSE(study().venusDone());
}

TEST_F(StudyDisplay, InterpretationComputesTheStarFirstOnlyWhenItIsNotDone) {
  newStudy({"jean-pierre", "dupont"});
  readNextDialog([](QDialog&) {});
  trigger("venusInterpretationAction");
  EXPECT_TRUE(visible("starPanel"));
  EXPECT_EQ(star(), QStringLiteral("2 1 1 1 5 1 2 0 3"));
  // The stored counts serve the second time, even after the square was refilled by hand.
  study().findChild<QLabel*>(QStringLiteral("cell85"))->setText(QStringLiteral("x"));
  readNextDialog([](QDialog&) {});
  trigger("venusInterpretationAction");
  EXPECT_EQ(cell(85), QStringLiteral("x"));
}

}  // namespace
}  // namespace tessaro::testing
