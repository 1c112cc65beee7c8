// The general portrait up to the document on screen, and a 10 MB RTF file opened into the
// editor, each against Qt reading the same document as HTML into an editor of the same size,
// measured in the same run.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "app/app_windows.h"
#include "app/main_form.h"
#include "common/file_io.h"
#include "files/rtf_writer.h"
#include "files/study_file.h"
#include "reports/portrait.h"
#include "study/ui/study_window.h"

namespace {

using tessaro::RichDocument;

constexpr double PortraitGoalMilliseconds = 30;
constexpr double RtfOpenGoalSeconds = 1;
constexpr size_t RtfFileBytes = 10 * 1000 * 1000;

const tessaro::StudySubject Subject{"DUPONT",           "JEANPIERRE",  "07/03/1962", "05/01/2024",
                                    "12 RUE DES LILAS", "75011 PARIS", "TESSARO"};

// The program as it runs, its main window shown, with a study opened and a plain editor of the
// study editor's size beside it for the baseline. One per benchmark: the windows must be gone
// before the application.
class Program {
 public:
  Program() {
    windows.mainForm().show();
    const QString study = folder.filePath(QStringLiteral("dupont.tsr"));
    tessaro::writeStudyFile(study.toStdString(), Subject);
    windows.mainForm().OpenFile(study);
    settle();
    baseline.setFont(editor().font());
    baseline.show();
  }

  tessaro::TMainForm& mainForm() { return windows.mainForm(); }
  QTextEdit& editor() {
    return *tessaro::appWindows().Tessaro->findChild<QTextEdit*>(QStringLiteral("editor"));
  }
  // The plain editor, given the size the study editor has now.
  QTextEdit& baselineEditor() {
    baseline.resize(editor().size());
    return baseline;
  }
  QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

  // What was asked of the windows is done and painted.
  static void settle() { QCoreApplication::processEvents(); }

 private:
  tessaro::ProgramWindows windows;
  QTemporaryDir folder;
  QTextEdit baseline;
};

double secondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  Program::settle();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Times the work and then Qt's HTML reading of what the study editor shows, each iteration;
// reports the medians in milliseconds and their ratio.
void compareWithQtHtml(benchmark::State& state, Program& running, const std::function<void()>& work) {
  std::vector<double> ours;
  std::vector<double> qt;
  for (auto _ : state) {
    ours.push_back(secondsOf(work));
    state.SetIterationTime(ours.back());
    const QString html = running.editor().document()->toHtml();
    QTextEdit& baseline = running.baselineEditor();
    qt.push_back(secondsOf([&] { baseline.setHtml(html); }));
    baseline.clear();
  }
  state.counters["ms"] = median(ours) * 1000;
  state.counters["qt_html_ms"] = median(qt) * 1000;
  state.counters["ratio"] = median(ours) / median(qt);
}

void PortraitOnScreen(benchmark::State& state) {
  Program running;
  QAction* portrait = running.mainForm().findChild<QAction*>(QStringLiteral("portraitAction"));
  compareWithQtHtml(state, running, [portrait] { portrait->trigger(); });
  state.counters["goal_ms"] = PortraitGoalMilliseconds;
  state.counters["within_goal"] = state.counters["ms"] < PortraitGoalMilliseconds;
}
BENCHMARK(PortraitOnScreen)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

// The portrait's paragraphs again and again, in turns of plain, bold, italic and underlined text
// in two typefaces and sizes, with centred and indented paragraphs, up to the size asked.
std::string portraitLikeRtf(size_t bytes) {
  const tessaro::Portrait portrait = tessaro::buildPortrait(Subject, false, nullptr);
  RichDocument block;
  for (size_t i = 0; i < portrait.paragraphs.size(); ++i) {
    tessaro::Paragraph paragraph;
    paragraph.format.alignment = i % 7 == 0 ? tessaro::Alignment::Centre : tessaro::Alignment::Left;
    paragraph.format.leftIndent = i % 5 == 0 ? 18 : 0;
    const std::u32string text = tessaro::unicodeFromCp1252(portrait.paragraphs[i]);
    for (size_t start = 0, turn = i; start < text.size(); start += 24, ++turn) {
      tessaro::CharFormat format;
      format.font = turn % 3 == 0 ? tessaro::FontName(U"Arial") : tessaro::defaultFontName();
      format.size = turn % 4 == 0 ? 14 : 12;
      format.bold = turn % 2 == 0;
      format.italic = turn % 5 == 0;
      format.underline = turn % 7 == 0;
      tessaro::appendText(paragraph, std::u32string_view(text).substr(start, 24), format);
    }
    block.paragraphs.push_back(std::move(paragraph));
  }
  // Each block adds a little less than its own file's size, which also holds the header.
  const size_t blockBytes = tessaro::writeRtf(block).size();
  RichDocument document;
  std::string rtf;
  while (rtf.size() < bytes) {
    for (size_t written = rtf.size(); written < bytes; written += blockBytes) {
      document.paragraphs.insert(document.paragraphs.end(), block.paragraphs.begin(), block.paragraphs.end());
    }
    rtf = tessaro::writeRtf(document);
  }
  return rtf;
}

void OpenTenMegabyteRtf(benchmark::State& state) {
  Program running;
  const QString file = running.path("grand.rtf");
  const std::string rtf = portraitLikeRtf(RtfFileBytes);
  tessaro::writeFileAtomically(file.toStdString(), rtf);
  compareWithQtHtml(state, running, [&] { running.mainForm().OpenFile(file); });
  // The editor shows the first screen and lays out the rest while it waits for the user: how long
  // until the whole document is laid out, for the record.
  state.counters["all_laid_out_ms"] = 1000 * secondsOf([&] {
                                        running.mainForm().OpenFile(file);
                                        running.editor().document()->size();
                                      });
  state.counters["file_MB"] = static_cast<double>(rtf.size()) / 1e6;
  state.counters["goal_ms"] = RtfOpenGoalSeconds * 1000;
  state.counters["within_goal"] = state.counters["ms"] < RtfOpenGoalSeconds * 1000;
}
BENCHMARK(OpenTenMegabyteRtf)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
