// Every command and one store callback of each window, on a typical and on the
// largest mix, beside the raw-I/O baselines that bound the file commands.
#include <benchmark/benchmark.h>

#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/app.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "faders/faders.h"
#include "mixes.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "routing/routing.h"

namespace {

using Clock = std::chrono::steady_clock;

void (*const builders[])() = {BuildTypicalMix, BuildMaximalMix};
const char *const mixNames[] = {"typical", "maximal"};

std::string fileText(const char *name) {
  std::string text;
  ReadWholeFile(name, text, MaxFaderFile);
  return text;
}

// The floor of a store: the same bytes with one write and a rename.
void rawWrite(const std::string &text) {
  int fd = open("raw.tmp", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (write(fd, text.data(), text.size()) != (ssize_t)text.size()) abort();
  close(fd);
  rename("raw.tmp", "raw.txt");
}

// The floor of a recall: one read and a newline count.
long rawRead(std::string &buf) {
  int fd = open("raw.txt", O_RDONLY);
  ssize_t n = read(fd, &buf[0], buf.size());
  close(fd);
  return std::count(buf.data(), buf.data() + std::max<ssize_t>(n, 0), '\n');
}

template <class F>
double medianSeconds(F f, int reps) {
  std::vector<double> t;
  for (int i = 0; i < reps; i++) {
    auto a = Clock::now();
    f();
    t.push_back(std::chrono::duration<double>(Clock::now() - a).count());
  }
  std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
  return t[t.size() / 2];
}

// Times each iteration of f by hand, so that its median can be set beside the baseline's.
template <class F>
void timed(benchmark::State &state, F f, double baseline, size_t bytes) {
  std::vector<double> t;
  for (auto _ : state) {
    auto a = Clock::now();
    f();
    double s = std::chrono::duration<double>(Clock::now() - a).count();
    state.SetIterationTime(s);
    t.push_back(s);
  }
  std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
  double median = t[t.size() / 2];
  state.counters["median_ms"] = median * 1e3;
  state.counters["baseline_ms"] = baseline * 1e3;
  state.counters["ratio"] = median / baseline;
  state.counters["ns_per_byte"] = median * 1e9 / bytes;
  state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}

void BM_Store(benchmark::State &state) {
  builders[state.range(0)]();
  StageWriteToFile();
  std::string text = fileText("faders.txt");
  double base = medianSeconds([&] { rawWrite(text); }, 30);
  timed(state, StageWriteToFile, base, text.size());
  state.SetLabel(mixNames[state.range(0)]);
}

void BM_Recall(benchmark::State &state) {
  builders[state.range(0)]();
  StageWriteToFile();
  std::string text = fileText("faders.txt");
  rawWrite(text);
  std::string buf(text.size() + 1, '\0');
  double base = medianSeconds([&] { benchmark::DoNotOptimize(rawRead(buf)); }, 30);
  timed(state, StageReadFromFile, base, text.size());
  state.SetLabel(mixNames[state.range(0)]);
}

// A command on the typical mix.
template <void (*F)()>
void BM_Typical(benchmark::State &state) {
  BuildTypicalMix();
  UpdateGUI();
  for (auto _ : state) F();
}

void BM_CueEdit(benchmark::State &state) {
  BuildMaximalMix();
  TimeIndex->value(2);
  void (*const edits[])() = {InsertIndex, RemoveIndex, Propagate};
  for (auto _ : state) edits[state.range(0)]();
  state.SetLabel(state.range(0) == 0 ? "InsertIndex" : state.range(0) == 1 ? "RemoveIndex" : "Propagate");
}

}  // namespace

BENCHMARK(BM_Store)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recall)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Typical<WritePreferencesFile>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<ReadPreferencesFile>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<WriteTracksFile>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<ReadTracksFile>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CueEdit)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<StageVolPlateUpdate>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<UpdateGUI>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<VolumeToArray>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<ComptoArray>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<SubmixToArray>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typical<PreviewToArray>)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
  char dir[] = "/tmp/corvessa-bench-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  ClearInternalArrays();
  BuildWindows();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::string cmd = std::string("rm -rf ") + dir;
  return system(cmd.c_str()) == 0 ? 0 : 1;
}
