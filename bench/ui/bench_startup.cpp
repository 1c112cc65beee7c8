// Start-up of the workbench up to its main window on screen, and its memory at rest after
// start-up, each against a bare Qt main window built the same way and measured in the same run.
// Each probe runs as a process of its own, so that loading the program is part of its start-up.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double StartUpGoalRatio = 1.5;
constexpr double MemoryGoalMegabytes = 80;
constexpr const char* RestMilliseconds = "1000";

struct ProbeRun {
  bool ok = false;
  double secondsToShown = 0;
  double residentMegabytes = 0;
};

// Runs a probe and times it from its launch to its "shown" line; then reads its "rss" line.
ProbeRun runProbe(const char* program, const char* restMilliseconds) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  // Qt's notes about the platform would drown the figures.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(program), const_cast<char*>(restMilliseconds), nullptr};

  ProbeRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return {};
  }
  FILE* lines = fdopen(out[0], "r");
  char line[64];
  bool shown = false;
  long kilobytes = 0;
  while (std::fgets(line, sizeof line, lines) != nullptr) {
    if (std::string(line) == "shown\n") {
      run.secondsToShown = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      shown = true;
    }
    std::sscanf(line, "rss %ld", &kilobytes);
  }
  std::fclose(lines);
  int status = 0;
  waitpid(pid, &status, 0);
  run.ok = shown && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.residentMegabytes = static_cast<double>(kilobytes) / 1024;
  return run;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Runs both probes in turn each iteration (after one untimed run of each, to warm the caches) and
// reports the medians and their ratio; the iteration time is the workbench's.
void compareProbes(benchmark::State& state, const char* restMilliseconds, bool timeCounted) {
  runProbe(TESSARO_BARE_WINDOW_PROBE, "0");
  runProbe(TESSARO_WORKBENCH_PROBE, "0");
  std::vector<double> bare;
  std::vector<double> workbench;
  for (auto _ : state) {
    const ProbeRun baseline = runProbe(TESSARO_BARE_WINDOW_PROBE, restMilliseconds);
    const ProbeRun measured = runProbe(TESSARO_WORKBENCH_PROBE, restMilliseconds);
    if (!baseline.ok || !measured.ok) {
      state.SkipWithError("a start-up probe failed to show its window");
      break;
    }
    bare.push_back(timeCounted ? baseline.secondsToShown * 1000 : baseline.residentMegabytes);
    workbench.push_back(timeCounted ? measured.secondsToShown * 1000 : measured.residentMegabytes);
    state.SetIterationTime(measured.secondsToShown);
  }
  const char* unit = timeCounted ? "_ms" : "_MB";
  state.counters[std::string("bare") + unit] = median(bare);
  state.counters[std::string("workbench") + unit] = median(workbench);
  state.counters["ratio"] = median(bare) > 0 ? median(workbench) / median(bare) : 0;
}

void StartUpToMainWindowShown(benchmark::State& state) {
  compareProbes(state, "0", true);
  state.counters["goal_ratio"] = StartUpGoalRatio;
  state.counters["within_goal"] = state.counters["ratio"] <= StartUpGoalRatio;
}
BENCHMARK(StartUpToMainWindowShown)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

void MemoryAtRestAfterStartUp(benchmark::State& state) {
  compareProbes(state, RestMilliseconds, false);
  state.counters["goal_MB"] = MemoryGoalMegabytes;
  state.counters["within_goal"] = state.counters["workbench_MB"] < MemoryGoalMegabytes;
}
BENCHMARK(MemoryAtRestAfterStartUp)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
