// Speed of the first-name workshop: the shipped dictionary, and a national list of 10,000 names.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "engine/name_numbers.h"
#include "names/dictionary.h"
#include "names/workshop.h"

namespace {

using namespace tessaro;

std::vector<Text> shippedNames() {
  FirstNameDictionary dictionary;
  dictionary.ChargePrenoms(findDataFile(DictionaryFileName));
  std::vector<Text> names;
  for (const DictionaryCandidate& candidate : dictionaryCandidates(dictionary.lines())) {
    names.push_back(candidate.firstName);
  }
  return names;
}

// Compound names made of the shipped ones, as long as a national list's.
std::vector<Text> tenThousandNames() {
  const std::vector<Text> names = shippedNames();
  std::vector<Text> list;
  for (size_t i = 0; list.size() < 10000; ++i) {
    list.push_back(names[i % names.size()] + "-" + names[(i * 7 + i / names.size()) % names.size()]);
  }
  return list;
}

StudySubject currentName() {
  StudySubject subject;
  subject.FirstName = "JEAN-PIERRE";
  subject.LastName = "DUPONT";
  return subject;
}

// Baseline: the expression number alone of each name, the least any such list can cost.
void BM_ExpressionNumberOnly_10000(benchmark::State& state) {
  const std::vector<Text> names = tenThousandNames();
  StudySubject subject = currentName();
  for (auto _ : state) {
    for (const Text& name : names) {
      subject.FirstName = name;
      benchmark::DoNotOptimize(ExpressionNumber(subject));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}
BENCHMARK(BM_ExpressionNumberOnly_10000)->Unit(benchmark::kMillisecond);

void runWorkshop(benchmark::State& state, const std::vector<Text>& names) {
  for (auto _ : state) {
    const NameWorkshop workshop(currentName());
    CandidateFilter filter;
    filter.intimate = "7";
    size_t kept = 0;
    for (const Text& name : names) kept += filter.accepts(workshop.numbersFor(name));
    benchmark::DoNotOptimize(kept);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}

// The whole list of the window and the command: four numbers, missing and filled digits, filter.
void BM_Workshop_ShippedDictionary(benchmark::State& state) { runWorkshop(state, shippedNames()); }
BENCHMARK(BM_Workshop_ShippedDictionary)->Unit(benchmark::kMillisecond);

void BM_Workshop_10000(benchmark::State& state) { runWorkshop(state, tenThousandNames()); }
BENCHMARK(BM_Workshop_10000)->Unit(benchmark::kMillisecond);

}  // namespace
