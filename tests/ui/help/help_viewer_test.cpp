// Tests of the help viewer: contents, index search by partial key, context numbers, links, the
// viewer's own page and a missing help file.
#include "help/ui/help_viewer.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <fstream>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "support/scripted_interaction.h"

namespace tessaro {
namespace {

const char* const Sample =
    "# Sommaire\r\n"
    "@index sommaire\r\n"
    "Voir {Ouvrir} et {L'horloge}.\r\n"
    "= Les fichiers\r\n"
    "# Ouvrir\r\n"
    "@contexte 3\r\n"
    "@index ouvrir; fichier\r\n"
    "Ouvrir une étude.\r\n"
    "# Enregistrer\r\n"
    "@index enregistrer; fichier\r\n"
    "Garder l'étude.\r\n"
    "= Les utilitaires\r\n"
    "# L'horloge\r\n"
    "@contexte 7\r\n"
    "@index horloge; étude de l'heure\r\n"
    "L'heure.\r\n"_cp1252;

class Viewer : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.filePath(QStringLiteral("OrvTsr.hlp")).toStdString();
    std::ofstream(path, std::ios::binary) << Sample;
    viewer.setHelpFile(path);
  }
  template <typename T>
  T* child(const char* name) const {
    return viewer.findChild<T*>(QString::fromLatin1(name));
  }
  QString shownTitle() const {
    return child<QTextBrowser>("topicText")->toPlainText().section(QLatin1Char('\n'), 0, 0);
  }
  QStringList rows(const char* list) const {
    QStringList texts;
    for (int i = 0; i < child<QListWidget>(list)->count(); ++i)
      texts << child<QListWidget>(list)->item(i)->text();
    return texts;
  }

  QTemporaryDir dir;
  std::string path;
  HelpViewer viewer;
};

TEST_F(Viewer, ContentsListsChaptersWithTheirTopics) {
  viewer.showContents();
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(child<QTabWidget>("tabs")->currentIndex(), 0);
  EXPECT_EQ(shownTitle(), QStringLiteral("Sommaire"));
  const QTreeWidget* tree = child<QTreeWidget>("contentsTree");
  ASSERT_EQ(tree->topLevelItemCount(), 3);
  const struct {
    QString book;
    QStringList topics;
  } expected[] = {{QStringLiteral("Sommaire"), {}},
                  {QStringLiteral("Les fichiers"), {QStringLiteral("Ouvrir"), QStringLiteral("Enregistrer")}},
                  {QStringLiteral("Les utilitaires"), {QStringLiteral("L'horloge")}}};
  for (int i = 0; i < 3; ++i) {
    const QTreeWidgetItem* book = tree->topLevelItem(i);
    EXPECT_EQ(book->text(0), expected[i].book);
    QStringList topics;
    for (int t = 0; t < book->childCount(); ++t) topics << book->child(t)->text(0);
    EXPECT_EQ(topics, expected[i].topics);
  }
  child<QTreeWidget>("contentsTree")->setCurrentItem(tree->topLevelItem(2)->child(0));
  EXPECT_EQ(shownTitle(), QStringLiteral("L'horloge"));

  // A click on a chapter opens or closes it and leaves the topic in place.
  QTreeWidgetItem* files = tree->topLevelItem(1);
  const bool wasOpen = files->isExpanded();
  for (bool open : {!wasOpen, wasOpen}) {
    emit child<QTreeWidget>("contentsTree")->itemClicked(files, 0);
    EXPECT_EQ(files->isExpanded(), open);
    EXPECT_EQ(shownTitle(), QStringLiteral("L'horloge"));
  }
}

TEST_F(Viewer, IndexFollowsThePartialKeyAsItIsTyped) {
  viewer.showSearch();
  EXPECT_EQ(child<QTabWidget>("tabs")->currentIndex(), 1);
  EXPECT_EQ(rows("keywordList"),
            (QStringList{QStringLiteral("enregistrer"), QStringLiteral(u"étude de l'heure"),
                         QStringLiteral("fichier"), QStringLiteral("horloge"), QStringLiteral("ouvrir"),
                         QStringLiteral("sommaire")}));
  const struct {
    const char* typed;
    int row;
    QStringList topics;
  } cases[] = {
      {"f", 2, {QStringLiteral("Ouvrir"), QStringLiteral("Enregistrer")}},
      {"ET", 1, {QStringLiteral("L'horloge")}},
      {"ho", 3, {QStringLiteral("L'horloge")}},
      {"x", -1, {}},
      {"", 0, {QStringLiteral("Enregistrer")}},
  };
  QLineEdit* edit = child<QLineEdit>("keywordSearch");
  for (const auto& c : cases) {
    edit->clear();
    if (*c.typed) {
      QTest::keyClicks(edit, QString::fromLatin1(c.typed));
    } else {  // an entry typed and then erased goes back to the top
      QTest::keyClick(edit, Qt::Key_Z);
      QTest::keyClick(edit, Qt::Key_Backspace);
    }
    EXPECT_EQ(child<QListWidget>("keywordList")->currentRow(), c.row) << c.typed;
    EXPECT_EQ(rows("topicList"), c.topics) << c.typed;
  }
  viewer.showSearch("fich");
  EXPECT_EQ(child<QListWidget>("keywordList")->currentItem()->text(), QStringLiteral("fichier"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(shownTitle(), QStringLiteral("Ouvrir"));
  child<QListWidget>("topicList")->setCurrentRow(1);
  EXPECT_EQ(shownTitle(), QStringLiteral("Enregistrer"));
}

TEST_F(Viewer, ContextNumbersOpenTheirTopic) {
  const struct {
    int32_t context;
    QString title;
  } cases[] = {
      {3, QStringLiteral("Ouvrir")}, {7, QStringLiteral("L'horloge")}, {8, QStringLiteral("Sommaire")}};
  for (const auto& c : cases) {
    viewer.showContext(c.context);
    EXPECT_EQ(shownTitle(), c.title) << c.context;
    EXPECT_EQ(child<QTreeWidget>("contentsTree")->currentItem()->text(0), c.title) << c.context;
  }
}

TEST_F(Viewer, LinksLeadToTopicsAndBackReturns) {
  QPushButton* back = child<QPushButton>("backButton");
  viewer.showContents();
  EXPECT_FALSE(back->isEnabled());
  EXPECT_TRUE(child<QTextBrowser>("topicText")->toHtml().contains(QStringLiteral("href=\"topic:3\"")));
  emit child<QTextBrowser>("topicText")->anchorClicked(QUrl(QStringLiteral("topic:3")));
  EXPECT_EQ(shownTitle(), QStringLiteral("L'horloge"));
  emit child<QTextBrowser>("topicText")->anchorClicked(QUrl(QStringLiteral("topic:99")));
  EXPECT_EQ(shownTitle(), QStringLiteral("L'horloge"));
  viewer.showHelpOnHelp();
  EXPECT_EQ(shownTitle(), QStringLiteral("Utiliser l'aide"));
  const QString backwards[] = {QStringLiteral("L'horloge"), QStringLiteral("Sommaire")};
  for (const QString& title : backwards) {
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(shownTitle(), title);
  }
  EXPECT_FALSE(back->isEnabled());
}

TEST_F(Viewer, MissingFileIsReportedAndHelpOnHelpStillWorks) {
  testing::ScriptedInteraction scripted;
  const std::string missing = dir.filePath(QStringLiteral("absent.hlp")).toStdString();
  viewer.setHelpFile(missing);
  try {
    viewer.showContents();
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.message(), "Ne peut ouvrir le fichier " + missing + "\nfichier introuvable");
  }
  EXPECT_THROW(viewer.showContext(3), FileError);
  viewer.showHelpOnHelp();
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(shownTitle(), QStringLiteral("Utiliser l'aide"));
  QTest::mouseClick(child<QPushButton>("contentsButton"), Qt::LeftButton);
  EXPECT_EQ(scripted.messages, QStringList{QString::fromStdString("Ne peut ouvrir le fichier " + missing +
                                                                  "\nfichier introuvable")});

  viewer.setHelpFile(path);
  viewer.showContext(3);
  EXPECT_EQ(shownTitle(), QStringLiteral("Ouvrir"));
}

TEST_F(Viewer, EscapeAndFermerHideIt) {
  for (const char* closer : {"escape", "closeButton"}) {
    viewer.showContents();
    if (QString::fromLatin1(closer) == QStringLiteral("escape")) {
      QTest::keyClick(&viewer, Qt::Key_Escape);
    } else {
      QTest::mouseClick(child<QPushButton>(closer), Qt::LeftButton);
    }
    EXPECT_FALSE(viewer.isVisible()) << closer;
  }
}

}  // namespace
}  // namespace tessaro
