// Tests of the first-name workshop window, driven with the keyboard and the mouse: sorting,
// filters, type-to-find, added names, the comparison, the record, the new study and the CSV.
#include "names/ui/workshop_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "common/cp1252_literal.h"
#include "common/data_paths.h"
#include "common/file_io.h"
#include "help/help_file.h"
#include "names/dictionary.h"
#include "names/workshop_table.h"
#include "support/scripted_interaction.h"

namespace tessaro {
namespace {

using testing::ScriptedInteraction;

// Types as a keyboard does, accented and foreign letters too (keyClicks knows only ASCII keys).
void typeText(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, field,
                        c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c),
                        Qt::NoModifier);
  }
}

class Workshop : public ::testing::Test {
 protected:
  Workshop() {
    dictionary.ChargePrenoms(std::string(TESSARO_SOURCE_DATA_DIR) + "/" + DictionaryFileName);
    study.FirstName = "JEAN-PIERRE";
    study.LastName = "DUPONT";
    study.BirthDate = "19/04/1950";
    window.show();
  }
  template <class T>
  T* child(const char* name) const {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QTableView* table() const { return child<QTableView>("nameTable"); }
  int rows() const { return table()->model()->rowCount(); }
  QString cell(int row, int column) const { return table()->model()->index(row, column).data().toString(); }
  QString chosenName() const { return cell(table()->currentIndex().row(), NameColumn); }
  QString chosenNumber(const char* name) const {
    return child<QWidget>("chosenCard")->findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  int rowOf(const QString& name) const {
    for (int r = 0; r < rows(); ++r) {
      if (cell(r, NameColumn) == name) return r;
    }
    return -1;
  }

  ScriptedInteraction interaction;
  FirstNameDictionary dictionary;
  StudySubject study;
  std::vector<StudySubject> triedStudies;
  WorkshopWindow window{{dictionary, interaction, [this] { return study; },
                         [this](const StudySubject& subject) { triedStudies.push_back(subject); }}};
};

TEST_F(Workshop, ListsEveryDictionaryNameWithTheStudysLastName) {
  ASSERT_EQ(rows(), 336);
  EXPECT_EQ(child<QLineEdit>("lastNameEdit")->text(), QStringLiteral("DUPONT"));
  const int anne = rowOf(QStringLiteral("ANNE"));
  ASSERT_GE(anne, 0);
  const QStringList expected = {QStringLiteral("ANNE"),
                                "6",
                                "7",
                                "1",
                                "7",
                                QStringLiteral("8 9"),
                                "",
                                QStringLiteral(u"Origine hébraïque"),
                                QStringLiteral(u"fête le 26 juillet")};
  for (int column = 0; column < WorkshopColumnCount; ++column) {
    EXPECT_EQ(cell(anne, column), expected[column]) << column;
  }
  EXPECT_EQ(child<QLabel>("countLabel")->text(), QStringLiteral(u"336 prénoms affichés sur 336"));
}

TEST_F(Workshop, SortsByAColumnFromTheKeyboardAndTheHeader) {
  QComboBox* sort = child<QComboBox>("sortChoice");
  sort->setFocus();
  // "Ordre du dictionnaire", "Prénom", "Intime", "Expression": three steps down.
  for (int i = 0; i < 3; ++i) QTest::keyClick(sort, Qt::Key_Down);
  ASSERT_EQ(sort->currentText(), QStringLiteral("Expression"));
  // As numbers: a master number comes after 9, not between 1 and 2.
  for (int r = 1; r < rows(); ++r) {
    ASSERT_LE(cell(r - 1, ExpressionColumn).toInt(), cell(r, ExpressionColumn).toInt()) << r;
  }
  EXPECT_EQ(cell(rows() - 1, ExpressionColumn), QStringLiteral("11"));

  QHeaderView* header = table()->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(ActiveColumn) + 5, header->height() / 2));
  EXPECT_EQ(sort->currentText(), QStringLiteral("Actif"));
  for (int r = 1; r < rows(); ++r) {
    ASSERT_LE(cell(r - 1, ActiveColumn).toInt(), cell(r, ActiveColumn).toInt()) << r;
  }
}

TEST_F(Workshop, FiltersKeepOnlyTheNamesWithEveryChosenValue) {
  QComboBox* intimate = child<QComboBox>("intimateFilter");
  intimate->setCurrentIndex(intimate->findText(QStringLiteral("11")));
  const int withEleven = rows();
  ASSERT_GT(withEleven, 0);
  ASSERT_LT(withEleven, 336);
  for (int r = 0; r < rows(); ++r) EXPECT_EQ(cell(r, IntimateColumn), QStringLiteral("11"));

  // JEAN-PIERRE DUPONT misses 8 only: the names that bring an 8 are kept.
  QTest::mouseClick(child<QCheckBox>("fills8"), Qt::LeftButton);
  EXPECT_LE(rows(), withEleven);
  for (int r = 0; r < rows(); ++r) {
    EXPECT_EQ(cell(r, IntimateColumn), QStringLiteral("11"));
    EXPECT_EQ(cell(r, FillsColumn), QStringLiteral("8"));
  }
  EXPECT_EQ(child<QLabel>("countLabel")->text(), QStringLiteral(u"%1 prénoms affichés sur 336").arg(rows()));
  intimate->setCurrentIndex(0);
  QTest::mouseClick(child<QCheckBox>("fills8"), Qt::LeftButton);
  EXPECT_EQ(rows(), 336);
}

TEST_F(Workshop, TypeToFindFoldsCaseAndAccentsAndEnterFindsTheNext) {
  QLineEdit* search = child<QLineEdit>("nameSearch");
  typeText(search, QStringLiteral(u"élo"));
  EXPECT_EQ(chosenName(), QStringLiteral("ELODIE"));
  EXPECT_EQ(chosenNumber("intimateValue"), cell(rowOf("ELODIE"), IntimateColumn));
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_EQ(chosenName(), QStringLiteral("ELOISE"));
  QTest::keyClick(search, Qt::Key_Down);
  EXPECT_EQ(chosenName(), cell(rowOf("ELOISE") + 1, NameColumn));
}

TEST_F(Workshop, AddedNamesAreComputedAndComparedWithTheCurrentName) {
  QLineEdit* added = child<QLineEdit>("candidateEdit");
  typeText(added, QStringLiteral(u"anne"));
  QTest::keyClick(added, Qt::Key_Return);
  EXPECT_EQ(rows(), 336) << "a name of the dictionary is not added twice";
  EXPECT_EQ(chosenName(), QStringLiteral("ANNE"));

  child<QLineEdit>("firstNameEdit")->clear();
  typeText(child<QLineEdit>("firstNameEdit"), QStringLiteral("x"));
  QTest::keyClick(child<QLineEdit>("firstNameEdit"), Qt::Key_Backspace);
  // From DUPONT alone (missing 1 8 9), ANNE brings the 1.
  EXPECT_EQ(cell(rowOf("ANNE"), FillsColumn), QStringLiteral("1"));
  typeText(added, QStringLiteral(u"Zoë-Ève"));
  QTest::keyClick(added, Qt::Key_Return);
  ASSERT_EQ(rows(), 337);
  EXPECT_EQ(chosenName(), QStringLiteral(u"ZOë-ÈVE"));
  EXPECT_EQ(chosenNumber("hereditaryValue"), QStringLiteral("9"));
  EXPECT_EQ(child<QWidget>("currentCard")->findChild<QLabel*>(QStringLiteral("nameLabel"))->text(),
            QStringLiteral("DUPONT"));

  typeText(added, QStringLiteral(u"Łucja"));
  QTest::keyClick(added, Qt::Key_Return);
  EXPECT_EQ(rows(), 337);
  ASSERT_EQ(interaction.messages.size(), 1);
  EXPECT_TRUE(interaction.messages[0].startsWith(QStringLiteral(u"« Ł » ne peut pas être enregistré")));
}

TEST_F(Workshop, ARefusedLastNameKeepsThePreviousList) {
  typeText(child<QLineEdit>("lastNameEdit"), QStringLiteral(u"Ł"));
  ASSERT_EQ(interaction.messages.size(), 1);
  EXPECT_EQ(child<QLineEdit>("lastNameEdit")->text(), QStringLiteral("DUPONT"));
  EXPECT_EQ(cell(rowOf("ANNE"), IntimateColumn), QStringLiteral("6"));
}

TEST_F(Workshop, EnterOpensTheRecordAndTryStartsAStudyOfTheChosenName) {
  typeText(child<QLineEdit>("nameSearch"), QStringLiteral("anne"));
  QString reading;
  interaction.dialogs.push_back([&](QDialog& viewer) {
    reading = viewer.findChild<QPlainTextEdit*>()->toPlainText();
    return testing::rejectDialog(viewer);
  });
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_Return);
  EXPECT_TRUE(reading.startsWith(QStringLiteral(u"ANNE\nOrigine hébraïque, fête le 26 juillet")))
      << reading.toStdString();

  QTest::mouseClick(child<QPushButton>("tryButton"), Qt::LeftButton);
  ASSERT_EQ(triedStudies.size(), 1u);
  EXPECT_EQ(triedStudies[0].FirstName, "ANNE");
  EXPECT_EQ(triedStudies[0].LastName, "DUPONT");
  EXPECT_EQ(triedStudies[0].BirthDate, "19/04/1950");
}

TEST_F(Workshop, CsvHoldsTheListAsShown) {
  QComboBox* active = child<QComboBox>("activeFilter");
  active->setCurrentIndex(active->findText(QStringLiteral("22")));
  const int shown = rows();
  ASSERT_GT(shown, 0);
  QTemporaryDir folder;
  interaction.saveChoices.push_back(FileChoice{folder.filePath(QStringLiteral("liste")), 0});
  QTest::mouseClick(child<QPushButton>("csvButton"), Qt::LeftButton);
  const std::string csv = readWholeFile(folder.filePath(QStringLiteral("liste.csv")).toStdString());
  ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
  std::vector<std::vector<std::string>> lines;
  for (size_t start = 3, end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2) {
    std::vector<std::string> cells;
    const std::string line = csv.substr(start, end - start);
    for (size_t from = 0, semicolon;; from = semicolon + 1) {
      semicolon = line.find(';', from);
      cells.push_back(line.substr(from, semicolon - from));
      if (semicolon == std::string::npos) break;
    }
    lines.push_back(cells);
  }
  ASSERT_EQ(lines.size(), static_cast<size_t>(shown) + 1);
  EXPECT_EQ(lines[0][0], "Prénom");
  EXPECT_EQ(lines[0][8], "Fête");
  for (int r = 0; r < shown; ++r) {
    ASSERT_EQ(lines[static_cast<size_t>(r) + 1].size(), 9u);
    EXPECT_EQ(QString::fromStdString(lines[static_cast<size_t>(r) + 1][0]), cell(r, NameColumn));
    EXPECT_EQ(lines[static_cast<size_t>(r) + 1][4], "22");
  }
  EXPECT_EQ(interaction.asked, QStringList{QStringLiteral("save: Fichier CSV (*.csv)|*.csv")});
}

TEST_F(Workshop, PdfHoldsTheListAsShownOnA4Pages) {
  typeText(child<QLineEdit>("firstNameEdit"), QStringLiteral("x"));
  QComboBox* expression = child<QComboBox>("expressionFilter");
  expression->setCurrentIndex(expression->findText(QStringLiteral("11")));
  QTemporaryDir folder;
  interaction.saveChoices.push_back(FileChoice{folder.filePath(QStringLiteral("liste")), 0});
  QTest::mouseClick(child<QPushButton>("pdfButton"), Qt::LeftButton);
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {folder.filePath(QStringLiteral("liste.pdf")), QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(30000));
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
  EXPECT_TRUE(text.startsWith(QStringLiteral(u"Atelier des prénoms : JEAN-PIERREX DUPONT")))
      << text.left(80).toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(u"Réalisation"))) << text.left(300).toStdString();
  for (int r = 0; r < rows(); ++r) EXPECT_TRUE(text.contains(cell(r, NameColumn))) << r;
  EXPECT_FALSE(text.contains(QStringLiteral("ANNE-MARIE"))) << "expression 8 is filtered out";
}

TEST_F(Workshop, F1OpensTheWorkshopsTopic) {
  const HelpFile help = HelpFile::load(findDataFile(HelpFileName));
  const auto topic = help.topicOfContext(WorkshopHelpContext);
  ASSERT_TRUE(topic);
  EXPECT_EQ(help.topics()[*topic].title, "L'atelier des prénoms"_cp1252);
}

}  // namespace
}  // namespace tessaro
