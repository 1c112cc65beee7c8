// Tests of the first-names browser and viewer: navigation by buttons, keys and tabs, the shared
// selection, and what the viewer removes.
#include "names/ui/first_names_browser.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "names/ui/first_name_viewer.h"

namespace tessaro {
namespace {

const char* const Sample =
    "<ANNE\tOrigine hébraïque\r\n Douce et fidèle\r\n>\r\n"
    "<BRUNO\tOrigine germanique\r\nFranc et solide\r\n>\r\n"
    "<LUC\t\r\nCalme\r\n>\r\n"
    "<ZOE\tOrigine grecque\r\nVive\r\n>\r\n"_cp1252;

class Browser : public ::testing::Test {
 protected:
  void load(const std::string& bytes) {
    const std::string path = dir.filePath(QStringLiteral("Prenoms.pre")).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    browser.ChargePrenoms(path);
  }
  QString memo() const {
    return browser.findChild<QPlainTextEdit*>(QStringLiteral("readingMemo"))->toPlainText();
  }
  QTabBar* tabs() const { return browser.findChild<QTabBar*>(QStringLiteral("letterTabs")); }
  QWidget* child(const char* name) const { return browser.findChild<QWidget*>(QString::fromLatin1(name)); }
  void reopen() {
    browser.hide();
    browser.show();
  }

  QTemporaryDir dir;
  FirstNameDictionary dictionary;
  TPrenoms browser{dictionary};
};

TEST_F(Browser, OpensOnTheFirstRecordWithItsLetter) {
  load(Sample);
  browser.show();
  EXPECT_EQ(memo(), QStringLiteral(u"ANNE\nOrigine hébraïque\n Douce et fidèle"));
  EXPECT_EQ(tabs()->count(), 26);
  EXPECT_EQ(tabs()->currentIndex(), 0);
  // Every letter is in sight, without scroll buttons.
  EXPECT_LE(tabs()->mapTo(&browser, tabs()->tabRect(25).topRight()).x(), browser.width());
}

TEST_F(Browser, PageKeysLeafLikeTheArrowButtons) {
  load(Sample);
  browser.show();
  const struct {
    const char* target;
    Qt::Key key;
    const char* firstLine;
  } steps[] = {
      {"readingMemo", Qt::Key_PageDown, "BRUNO"}, {"readingMemo", Qt::Key_PageDown, "LUC"},
      {"closeButton", Qt::Key_PageDown, "ZOE"},   {"readingMemo", Qt::Key_PageDown, "ZOE"},  // the last stays
      {"readingMemo", Qt::Key_PageUp, "LUC"},     {"closeButton", Qt::Key_PageUp, "BRUNO"},
      {"letterTabs", Qt::Key_PageUp, "ANNE"},     {"readingMemo", Qt::Key_PageUp, "ANNE"},  // the first stays
  };
  for (const auto& step : steps) {
    QTest::keyClick(child(step.target), step.key);
    EXPECT_EQ(memo().section(QLatin1Char('\n'), 0, 0), QString::fromLatin1(step.firstLine))
        << step.target << " " << step.key;
  }
  QTest::mouseClick(child("nextButton"), Qt::LeftButton);
  EXPECT_TRUE(memo().startsWith(QStringLiteral("BRUNO")));
  QTest::mouseClick(child("previousButton"), Qt::LeftButton);
  EXPECT_TRUE(memo().startsWith(QStringLiteral("ANNE")));
  EXPECT_TRUE(browser.isVisible());
}

TEST_F(Browser, TypedSearchTakesASpaceForAHyphenAndSaysWhenNothingMatches) {
  load(
      "<MARIE\tOrigine hébraïque\r\nDouce\r\n>\r\n"
      "<MARIE-HELENE\tOrigine composée\r\nDouce et vive\r\n>\r\n"
      "<ZOE\tOrigine grecque\r\nVive\r\n>\r\n"_cp1252);
  browser.show();
  auto* search = browser.findChild<QLineEdit*>(QStringLiteral("nameSearch"));
  auto* notice = browser.findChild<QLabel*>(QStringLiteral("searchNotice"));
  const struct {
    const char* typed;  // UTF-8, replacing what the field held
    const char* firstLine;
    const char* notice;  // empty: hidden
  } searches[] = {
      {"marie h", "MARIE-HELENE", ""},
      {"zo", "ZOE", ""},
      {"marie-h", "MARIE-HELENE", ""},
      {"zz", "ZOE", "aucun prénom ne commence par « zz »"},  // the reading of "z" stays
      {"Marie", "MARIE", ""},
      {"marie ", "MARIE-HELENE", ""},
      {"mariex", "MARIE", "aucun prénom ne commence par « mariex »"},
      {"", "MARIE", ""},
  };
  for (const auto& step : searches) {
    search->selectAll();
    QTest::keyClick(search, Qt::Key_Backspace);
    QTest::keyClicks(search, QString::fromUtf8(step.typed));
    EXPECT_EQ(memo().section(QLatin1Char('\n'), 0, 0), QString::fromLatin1(step.firstLine)) << step.typed;
    EXPECT_EQ(notice->isVisible() ? notice->text() : QString(), QString::fromUtf8(step.notice)) << step.typed;
  }
  QTest::keyClicks(search, QStringLiteral("zz"));
  reopen();
  EXPECT_FALSE(notice->isVisible()) << "a new opening starts a new search";
}

TEST_F(Browser, LetterTabsJumpOrKeepTheCurrentRecord) {
  load(Sample);
  browser.show();
  const struct {
    char letter;
    const char* firstLine;
    char shownTab;
  } choices[] = {
      {'Z', "ZOE", 'Z'}, {'Q', "ZOE", 'Z'}, {'L', "LUC", 'L'}, {'A', "ANNE", 'A'}, {'Y', "ANNE", 'A'}};
  for (const auto& choice : choices) {
    tabs()->setCurrentIndex(choice.letter - 'A');
    EXPECT_EQ(memo().section(QLatin1Char('\n'), 0, 0), QString::fromLatin1(choice.firstLine))
        << choice.letter;
    EXPECT_EQ(tabs()->currentIndex(), choice.shownTab - 'A') << choice.letter;
  }
}

TEST_F(Browser, SelectionIsSharedWithTheStudiesAndKeptBetweenOpenings) {
  load(Sample);
  browser.CherchePrenom("ZOE");
  browser.show();
  EXPECT_TRUE(memo().startsWith(QStringLiteral("ZOE")));
  browser.Precedent();
  reopen();
  EXPECT_TRUE(memo().startsWith(QStringLiteral("LUC")));
  EXPECT_EQ(browser.GetPrenom(), "LUC\r\n\r\n Calme");

  // The portrait searches the dictionary directly; the browser shows its choice when it opens.
  browser.hide();
  browser.firstNames().CherchePrenom("ANNE");
  browser.show();
  EXPECT_TRUE(memo().startsWith(QStringLiteral("ANNE")));
  browser.Suivant();
  browser.Suivant();

  // A name that is not in the dictionary leaves the selection where it was.
  EXPECT_EQ(browser.readingFor("MAELYS"), "MAELYS\r\nCe prénom ne figure pas dans le dictionnaire."_cp1252);
  EXPECT_TRUE(memo().startsWith(QStringLiteral("LUC")));
  EXPECT_EQ(browser.readingFor("BRUNO"), "BRUNO\r\nOrigine germanique\r\n Franc et solide");
  EXPECT_TRUE(memo().startsWith(QStringLiteral("BRUNO")));
  EXPECT_EQ(tabs()->currentIndex(), 1);
}

TEST_F(Browser, EmptySecondTextIsShownHereAndRemovedByTheViewer) {
  load(Sample);
  browser.CherchePrenom("LUC");
  EXPECT_EQ(memo(), QStringLiteral("LUC\n\n Calme"));
  TVPrenom viewer;
  viewer.Init(browser.GetPrenom());
  EXPECT_EQ(viewer.findChild<QPlainTextEdit*>(QStringLiteral("readingMemo"))->toPlainText(),
            QStringLiteral("LUC\n Calme"));
}

TEST_F(Browser, EmptyOrMissingDictionaryShowsNothingAndMovesNothing) {
  load("");
  browser.show();
  QTest::keyClick(child("readingMemo"), Qt::Key_PageDown);
  QTest::mouseClick(child("previousButton"), Qt::LeftButton);
  tabs()->setCurrentIndex(3);
  EXPECT_EQ(memo(), QString());
  EXPECT_EQ(browser.GetPrenom(), "");

  load(Sample);
  browser.LitPrenom();
  EXPECT_THROW(browser.ChargePrenoms(dir.filePath(QStringLiteral("absent.pre")).toStdString()), FileError);
  reopen();
  EXPECT_EQ(memo(), QString());
}

TEST_F(Browser, EscapeAndFermerClose) {
  load(Sample);
  for (const char* closer : {"escape", "closeButton"}) {
    browser.show();
    if (QString::fromLatin1(closer) == QStringLiteral("escape")) {
      QTest::keyClick(&browser, Qt::Key_Escape);
    } else {
      QTest::mouseClick(child(closer), Qt::LeftButton);
    }
    EXPECT_FALSE(browser.isVisible()) << closer;
    EXPECT_EQ(browser.result(), QDialog::Rejected) << closer;
  }
}

TEST(FirstNameViewer, ShowsTheReadingWithoutBlankLines) {
  const struct {
    Text reading;
    QString shown;
  } cases[] = {
      {"ANNE\r\nOrigine\r\n Douce", QStringLiteral("ANNE\nOrigine\n Douce")},
      {"LUC\r\n\r\n\r\n Calme", QStringLiteral("LUC\n Calme")},
      {"\r\nLUC\r\n", QStringLiteral("LUC\n")},  // the last line is never looked at
      {"", QString()},
      {"NOËL\r\nCe prénom ne figure pas dans le dictionnaire."_cp1252,
       QStringLiteral(u"NOËL\nCe prénom ne figure pas dans le dictionnaire.")},
  };
  TVPrenom viewer;
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral(u"Le prénom"));
  for (const auto& c : cases) {
    viewer.Init(c.reading);
    EXPECT_EQ(viewer.findChild<QPlainTextEdit*>(QStringLiteral("readingMemo"))->toPlainText(), c.shown)
        << c.reading;
  }
}

}  // namespace
}  // namespace tessaro
