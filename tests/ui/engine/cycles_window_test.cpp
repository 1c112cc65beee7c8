// The cycles window: the current readings at opening, a click or a key showing another part's
// reading, the page printed and saved as PDF, and F1 leading to its help topic.
#include "engine/ui/cycles_window.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/ui/cycles_timeline.h"
#include "help/help_file.h"
#include "support/scripted_interaction.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

StudySubject marie() {
  StudySubject s;
  s.FirstName = "MARIE";
  s.LastName = "DURAND";
  s.BirthDate = "19/04/1950";
  s.StudyDate = "08/12/2026";
  return s;
}

PrinterSource printerOf(QPrinter& printer) {
  return [&printer]() -> QPrinter& { return printer; };
}

QStringList memoLines(const TCycles& window) {
  return window.memo()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString pdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  EXPECT_TRUE(pdftotext.waitForFinished(30000));
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

TEST(CyclesWindow, OpensOnTheReadingsOfTheCurrentPartsAndTiesF1ToItsTopic) {
  testing::ScriptedInteraction scripted;
  QPrinter printer;
  TCycles window(marie(), scripted, printerOf(printer));
  const QStringList lines = memoLines(window);
  ASSERT_EQ(lines.size(), 5) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(lines[0].startsWith(toQString("1: Période de réalisation 4 (à partir de 52 ans)."_cp1252)));
  EXPECT_TRUE(lines[1].startsWith(toQString("2: Défi 4 (à partir de 52 ans)."_cp1252)));
  EXPECT_TRUE(lines[2].startsWith(toQString("6: Cycle moisson (à partir de 61 ans)."_cp1252)));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("19: Dette karmique (jour, intime).")));

  const HelpFile help = HelpFile::load(std::string(TESSARO_SOURCE_DATA_DIR) + "/" + HelpFileName);
  const auto topic = help.topicOfContext(CyclesHelpContext);
  ASSERT_TRUE(topic);
  EXPECT_EQ(help.topics()[*topic].title, "Les cycles de vie");
}

TEST(CyclesWindow, AClickOrAnArrowKeyShowsThatPartsReading) {
  struct Case {
    TimelinePart clicked;
    int key;  // pressed after the click, 0 for none
    TimelinePart shown;
    const char* firstLine;
  };
  for (const Case& c : {
           Case{{TimelineRow::Period, 1},
                0,
                {TimelineRow::Period, 1},
                "7: Période de réalisation 2 (de 34 à 43 ans)."},
           Case{{TimelineRow::Challenge, 2},
                0,
                {TimelineRow::Challenge, 2},
                "2: Défi 3, défi principal (de 43 à 52 ans)."},
           Case{{TimelineRow::LifeCycle, 0},
                0,
                {TimelineRow::LifeCycle, 0},
                "4: Cycle formatif (de 0 à 34 ans)."},
           Case{{TimelineRow::Summary, 0}, 0, {TimelineRow::Summary, 0}, "2: Nombre de maturité."},
           Case{{TimelineRow::Period, 1},
                Qt::Key_Right,
                {TimelineRow::Period, 2},
                "3: Période de réalisation 3"},
           Case{{TimelineRow::Period, 3}, Qt::Key_Down, {TimelineRow::Challenge, 3}, "2: Défi 4"},
           Case{{TimelineRow::LifeCycle, 2},
                Qt::Key_Down,
                {TimelineRow::Period, 2},
                "3: Période de réalisation 3"},
       }) {
    testing::ScriptedInteraction scripted;
    QPrinter printer;
    TCycles window(marie(), scripted, printerOf(printer));
    window.show();
    CyclesTimeline& timeline = *window.timeline();
    QTest::mouseClick(&timeline, Qt::LeftButton, {}, timeline.partRect(c.clicked).center());
    if (c.key != 0) QTest::keyClick(&timeline, Qt::Key(c.key));
    EXPECT_TRUE(timeline.selected() == c.shown) << c.firstLine;
    const QStringList lines = memoLines(window);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8(c.firstLine))) << lines[0].toStdString();
  }
}

TEST(CyclesWindow, PrintAndPdfPutTheTimelineAndTheReadingOnAPage) {
  QTemporaryDir folder;
  testing::ScriptedInteraction scripted;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
  TCycles window(marie(), scripted, printerOf(printer));
  window.findChild<QToolButton*>(QStringLiteral("printButton"))->click();
  scripted.saveChoices.push_back(FileChoice{folder.filePath(QStringLiteral("saved")), 0});
  window.findChild<QToolButton*>(QStringLiteral("pdfButton"))->click();
  EXPECT_EQ(scripted.asked, QStringList{QStringLiteral("save: Document PDF (*.pdf)|*.pdf")});

  for (const char* name : {"printed.pdf", "saved.pdf"}) {
    const QString text = pdfText(folder.filePath(QString::fromLatin1(name)));
    for (const char* expected :
         {"Cycles de vie", "MARIE DURAND, né(e) le 19/04/1950 ; étude du 08/12/2026 (76 ans)", "76 ans",
          "0 – 34", "34 – 43", "43 – 52", "dès 52", "dès 61", "formatif 4", "productif 1", "moisson 6",
          "Maturité", "Dettes karmiques", "19 : jour, intime",
          "1: Période de réalisation 4 (à partir de 52 ans).", "19: Dette karmique (jour, intime).",
          "MARIE DURAND page 1 / 1"}) {
      EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
          << name << " lacks " << expected << ": " << text.toStdString();
    }
  }
}

TEST(CyclesWindow, APdfThatCannotBeWrittenIsReportedThroughTheSeam) {
  testing::ScriptedInteraction scripted;
  QPrinter printer;
  TCycles window(marie(), scripted, printerOf(printer));
  scripted.saveChoices.push_back(FileChoice{QStringLiteral("/nonexistent-folder/cycles.pdf"), 0});
  window.findChild<QToolButton*>(QStringLiteral("pdfButton"))->click();
  ASSERT_EQ(scripted.messages.size(), 1);
  EXPECT_TRUE(scripted.messages[0].startsWith(QString::fromUtf8("Ne peut créer le fichier")))
      << scripted.messages[0].toStdString();
}

TEST(CyclesWindow, ASubjectWithoutBirthDateMakesNoWindow) {
  testing::ScriptedInteraction scripted;
  QPrinter printer;
  StudySubject s = marie();
  s.BirthDate.clear();
  EXPECT_THROW(TCycles(s, scripted, printerOf(printer)), UserMessage);
}

}  // namespace
}  // namespace tessaro
