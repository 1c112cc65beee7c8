// RTF read and write throughput on a generated document with frequent formatting changes, and
// pandoc's RTF reader on the same file as a baseline when pandoc is installed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/rtf_reader.h"
#include "files/rtf_writer.h"

namespace {

constexpr size_t TargetBytes = 12 * 1024 * 1024;

// A portrait-like document: a change of style, font or size every few words, accents and
// characters outside Windows-1252, and a paragraph format change every few lines.
const std::string& generatedRtf() {
  static const std::string rtf = [] {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}"
        "{\\f2\\fmodern Courier New;}}{\\colortbl;\\red0\\green0\\blue0;}\r\n";
    const char* plain[] = {"Le nombre intime r\\'e9v\\'e8le les aspirations profondes de l'\\'eatre, ",
                           "ce qui le pousse \\'e0 agir et ce qu'il attend de la vie; ",
                           "le chemin de vie \\u8364? indique la direction \\u1046?\\u1080? suivie ",
                           "\\tab l'ann\\'e9e personnelle colore les mois \\'e0 venir. "};
    const char* styled[] = {"{\\b sept} ",
                            "\\i r\\'e9flexion\\i0  ",
                            "{\\f1\\fs28 int\\'e9riorit\\'e9} ",
                            "\\ul analyse\\ulnone  ",
                            "{\\f2\\b\\i 7/22} ",
                            "{\\fs20 ma\\'eetrise} "};
    size_t paragraph = 0;
    while (out.size() < TargetBytes) {
      out += paragraph % 5 == 0 ? "\\pard\\qc\\fi-360\\li720 " : paragraph % 5 == 1 ? "\\pard\\qj " : "";
      for (size_t i = 0; i < 8; ++i) {
        out += plain[(paragraph + i) % std::size(plain)];
        out += styled[(paragraph + i * 5) % std::size(styled)];
      }
      out += "\\par\r\n";
      ++paragraph;
    }
    return out + "}";
  }();
  return rtf;
}

double readMegabytesPerSecond = 0;

void ReadRtf(benchmark::State& state) {
  const std::string& rtf = generatedRtf();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) benchmark::DoNotOptimize(tessaro::readRtf(rtf));
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
  readMegabytesPerSecond = static_cast<double>(state.iterations() * rtf.size()) / 1e6 / elapsed.count();
}
BENCHMARK(ReadRtf)->Unit(benchmark::kMillisecond);

void WriteRtf(benchmark::State& state) {
  const tessaro::RichDocument document = tessaro::readRtf(generatedRtf());
  size_t written = 0;
  for (auto _ : state) {
    const std::string rtf = tessaro::writeRtf(document);
    written += rtf.size();
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(written));
}
BENCHMARK(WriteRtf)->Unit(benchmark::kMillisecond);

bool pandocInstalled() { return std::system("command -v pandoc >/dev/null 2>&1") == 0; }

// The same file through "pandoc -f rtf -t plain", once, in wall-clock time; "ratio" is how many
// times faster than pandoc our reader is.
void PandocReadRtf(benchmark::State& state) {
  if (!pandocInstalled()) {
    state.SkipWithError("pandoc is not installed");
    for (auto _ : state) {
    }
    return;
  }
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("bench-rtf-" + std::to_string(::getpid()) + ".rtf");
  std::ofstream(file, std::ios::binary) << generatedRtf();
  const std::string command = "pandoc -f rtf -t plain '" + file.string() + "' -o /dev/null";
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    seconds += elapsed.count();
    if (status != 0) state.SkipWithError("pandoc failed");
  }
  std::filesystem::remove(file);
  const double bytes = static_cast<double>(state.iterations() * generatedRtf().size());
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["ratio"] = readMegabytesPerSecond / (bytes / 1e6 / seconds);
}
BENCHMARK(PandocReadRtf)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
