// The find dialog: always forward from just past the last match, restarting at each opening.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "editor_fixture.h"

namespace tessaro::testing {
namespace {

class Find : public EditorTest {
 protected:
  Find() { showText(QStringLiteral("LE NOM ET LE NOMBRE\nle nom")); }

  QDialog* dialog() const { return study().findChild<QDialog*>(QStringLiteral("findDialog")); }

  void open(const QString& text, bool matchCase = false, bool wholeWord = false) {
    trigger("findAction");
    dialog()->findChild<QLineEdit*>(QStringLiteral("findTextEdit"))->setText(text);
    dialog()->findChild<QCheckBox*>(QStringLiteral("matchCaseBox"))->setChecked(matchCase);
    dialog()->findChild<QCheckBox*>(QStringLiteral("wholeWordBox"))->setChecked(wholeWord);
  }

  // Asks for the next match; the selection it leaves, as start and length.
  std::pair<int, int> next() const {
    dialog()->findChild<QPushButton*>(QStringLiteral("findNextButton"))->click();
    const QTextCursor cursor = editor()->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
  }
};

TEST_F(Find, GoesForwardStaysOnTheLastMatchAndRestartsAtEachOpening) {
  select(5);
  open(QStringLiteral("LE"), true);
  EXPECT_FALSE(dialog()->isModal());
  EXPECT_TRUE(dialog()->isVisible());
  // From the top, not from the caret.
  EXPECT_EQ(next(), std::make_pair(0, 2));
  EXPECT_EQ(next(), std::make_pair(10, 2));
  // No third one: the second stays selected.
  EXPECT_EQ(next(), std::make_pair(10, 2));
  open(QStringLiteral("LE"), true);
  EXPECT_EQ(next(), std::make_pair(0, 2));
}

struct OptionCase {
  const char* name;
  const char* text;
  bool matchCase;
  bool wholeWord;
  std::vector<std::pair<int, int>> matches;  // the selections of successive finds
};

const OptionCase optionCases[] = {
    // "le nom" on the second line starts at 20.
    {"MatchCaseTellsLeFromLE", "le", true, false, {{20, 2}, {20, 2}}},
    {"WithoutMatchCaseLeIsLE", "le", false, false, {{0, 2}, {10, 2}, {20, 2}}},
    {"WholeWordsSkipNomInsideNombre", "NOM", true, true, {{3, 3}, {3, 3}}},
    {"PartsOfWordsMatchOtherwise", "NOM", true, false, {{3, 3}, {13, 3}, {13, 3}}},
    {"BothOptions", "nom", true, true, {{23, 3}, {23, 3}}},
    {"EveryLetterInTurn", "E", true, false, {{1, 1}, {7, 1}, {11, 1}, {18, 1}, {18, 1}}},
};

class FindOptions : public Find, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(FindOptions, DecideWhatMatches) {
  const OptionCase& c = GetParam();
  open(QString::fromLatin1(c.text), c.matchCase, c.wholeWord);
  for (size_t i = 0; i < c.matches.size(); ++i) EXPECT_EQ(next(), c.matches[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Find, FindOptions, ::testing::ValuesIn(optionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Find, TheNextSearchStartsOneCharacterPastTheLastMatch) {
  showText(QStringLiteral("AAAA"));
  open(QStringLiteral("AA"));
  EXPECT_EQ(next(), std::make_pair(0, 2));
  EXPECT_EQ(next(), std::make_pair(1, 2));
  EXPECT_EQ(next(), std::make_pair(2, 2));
  EXPECT_EQ(next(), std::make_pair(2, 2));
}

TEST_F(Find, NothingFoundLeavesTheSelectionWithoutAMessageBox) {
  select(4, 2);
  open(QStringLiteral("ZUT"));
  EXPECT_EQ(next(), std::make_pair(4, 2));
  EXPECT_TRUE(scripted.asked.isEmpty());
}

}  // namespace
}  // namespace tessaro::testing
