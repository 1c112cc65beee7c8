// Throughput of the command-line batch: the full JSON object of a subject, portrait included.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cli/analysis_json.h"
#include "cli/subject_input.h"

namespace {

// Varied subjects, in the batch input's own form.
std::vector<std::string> sampleLines() {
  const char* firsts[] = {"JEAN-PIERRE", "MARIE", "\xC3\xA9mile", "ANNE-SOPHIE", "LUC", "FRAN\xC3\xA7OIS"};
  const char* lasts[] = {"DUPONT", "DURAND", "ZOLA", "LE-GALL", "ROUSSEAU", "NO\xC3\xABL"};
  std::vector<std::string> lines;
  for (int i = 0; i < 36; ++i) {
    const int day = 1 + i % 28;
    const int month = 1 + i % 12;
    lines.push_back(std::string(firsts[i % 6]) + "\t" + lasts[(i / 6) % 6] + "\t" + (day < 10 ? "0" : "") +
                    std::to_string(day) + "/" + (month < 10 ? "0" : "") + std::to_string(month) + "/19" +
                    std::to_string(40 + i) +
                    "\t08/12/2026\t12 RUE DES LILAS\t75001 PARIS\tACME\tMARIE\tDURAND");
  }
  return lines;
}

// Baseline: parsing the lines alone, so the figure of interest is the ratio of the two.
void BM_ParseLineOnly(benchmark::State& state) {
  const std::vector<std::string> lines = sampleLines();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tessaro::cli::subjectFromBatchLine(lines[i++ % lines.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseLineOnly);

// One output line of the batch, written into a buffer that is reused as the batch reuses its block.
void BM_BatchSubject(benchmark::State& state) {
  const std::vector<std::string> lines = sampleLines();
  size_t i = 0;
  std::string out;
  for (auto _ : state) {
    out.clear();
    tessaro::cli::appendAnalysisJson(tessaro::cli::subjectFromBatchLine(lines[i++ % lines.size()]), nullptr,
                                     out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BatchSubject);

}  // namespace
