// Printing the document: one job per copy asked for, the toolbar's single copy, the printer
// set-up, and pages that carry the whole text on the pages of the PDF export.
#include <sys/inotify.h>
#include <unistd.h>

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <array>

#include "app/main_form.h"
#include "common/cp1252_literal.h"
#include "editor_fixture.h"
#include "files/ui/document_pdf.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

// Counts the print jobs that reach one file: each job opens it, writes it whole and closes it.
// Openings are watched too: two closings in a row, unread, would be told as one.
class JobCounter {
 public:
  explicit JobCounter(const QString& folder) : fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_OPEN | IN_CLOSE_WRITE);
  }
  ~JobCounter() { close(fd); }
  JobCounter(const JobCounter&) = delete;
  JobCounter& operator=(const JobCounter&) = delete;

  int jobsWritten(const QString& fileName) const {
    int count = 0;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    ssize_t length = 0;
    while ((length = read(fd, buffer.data(), buffer.size())) > 0) {
      for (ssize_t offset = 0; offset < length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + offset);
        if ((event->mask & IN_CLOSE_WRITE) != 0 && event->len > 0 &&
            QFile::decodeName(event->name) == fileName) {
          ++count;
        }
        offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return count;
  }

 private:
  int fd;
};

QString pdfText(const QString& pdf, const QStringList& options = {}) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000)) return {};
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

class Printing : public EditorTest {
 protected:
  Printing() {
    newStudy({"Jean-Pierre", "Dupont", "07/03/1962", "05/01/2024"});
    trigger("portraitAction");
    QPrinter& printer = mainForm().currentPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
  }

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("portrait.pdf"));
  JobCounter jobs{folder.path()};
};

struct CopiesCase {
  const char* name;
  std::optional<int> copies;  // empty: the print dialog is cancelled
  int jobs;
};

const CopiesCase copiesCases[] = {
    {"ThreeCopiesAreThreeJobs", 3, 3},
    {"OneCopy", 1, 1},
    {"NoCopy", 0, 0},
    {"Cancelled", std::nullopt, 0},
};

class PrintDialog : public Printing, public ::testing::WithParamInterface<CopiesCase> {};

TEST_P(PrintDialog, SendsOneJobPerCopy) {
  const CopiesCase& c = GetParam();
  mainForm().currentPrinter().setCopyCount(c.copies.value_or(1));
  scripted.copies.push_back(c.copies);
  trigger("printAction");
  EXPECT_EQ(scripted.asked.last(), QStringLiteral("print"));
  EXPECT_EQ(jobs.jobsWritten(QStringLiteral("portrait.pdf")), c.jobs);
  if (c.jobs == 0) return;
  // The jobs make the copies: the printer is not to multiply each of them again.
  EXPECT_EQ(mainForm().currentPrinter().copyCount(), 1);
  EXPECT_TRUE(mainForm().currentPrinter().docName().isEmpty());
  EXPECT_TRUE(pdfText(pdf).contains(toQString("Analyse effectuée le 05/01/2024"_cp1252)));
}

INSTANTIATE_TEST_SUITE_P(Printing, PrintDialog, ::testing::ValuesIn(copiesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Printing, TheToolbarButtonPrintsOneCopyWithoutADialog) {
  toolButton("printButton")->click();
  EXPECT_EQ(jobs.jobsWritten(QStringLiteral("portrait.pdf")), 1);
  EXPECT_FALSE(scripted.asked.contains(QStringLiteral("print")));
}

TEST_F(Printing, ThePagesCarryTheWholeTextWithinTheMarginsAndFootersOfThePdf) {
  toolButton("printButton")->click();
  const QString text = pdfText(pdf);
  EXPECT_GE(text.count(QLatin1Char('\f')), 2) << "pages";
  EXPECT_TRUE(text.contains(QStringLiteral("INTERPRETATION")));
  const QString lastLine = editor()->document()->lastBlock().text().isEmpty()
                               ? editor()->document()->lastBlock().previous().text()
                               : editor()->document()->lastBlock().text();
  EXPECT_TRUE(text.simplified().contains(lastLine.simplified().left(40))) << lastLine.toStdString();

  // Each page has the footer of "Exporter en PDF": the client's name and "page n / N".
  const qsizetype pages = text.count(QLatin1Char('\f'));
  const QString footer = footerName(study().subject()) + QStringLiteral(" page %1 / %2");
  for (int page = 1; page <= pages; ++page)
    EXPECT_TRUE(text.simplified().contains(footer.arg(page).arg(pages))) << page;

  // The first word stands 2 cm from the sheet's edges, as on the PDF's pages.
  const QString boxes = pdfText(pdf, {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("1")});
  const QRegularExpressionMatch first =
      QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"")).match(boxes);
  ASSERT_TRUE(first.hasMatch()) << boxes.left(400).toStdString();
  constexpr double MarginPoints = 20 / 25.4 * 72;
  EXPECT_NEAR(first.captured(1).toDouble(), MarginPoints, 2.0);
  EXPECT_NEAR(first.captured(2).toDouble(), MarginPoints, 6.0);
}

TEST_F(Printing, PrinterSetUpOpensThePlatformsDialog) {
  scripted.printerSetups.push_back(false);
  trigger("printerSetupAction");
  EXPECT_EQ(scripted.asked.last(), QStringLiteral("printer setup"));
  EXPECT_EQ(jobs.jobsWritten(QStringLiteral("portrait.pdf")), 0);
}

TEST_F(Printing, APrinterThatCannotStartIsReported) {
  mainForm().currentPrinter().setOutputFileName(folder.filePath(QStringLiteral("absent/portrait.pdf")));
  toolButton("printButton")->click();
  EXPECT_EQ(scripted.messages, QStringList{toQString("L'imprimante sélectionnée n'est pas valide"_cp1252)});
}

}  // namespace
}  // namespace tessaro::testing
