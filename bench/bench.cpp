// Every command and one store callback of each window, on a typical and on the
// largest mix, beside the raw-I/O baselines that bound the file commands. Every
// figure is the median of per-iteration times; a table of the figures beside
// their targets ends the run.
#include <benchmark/benchmark.h>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/x.H>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/app.h"
#include "cuemap/cuemap.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "faders/faders.h"
#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "messages/messages.h"
#include "mixes.h"
#include "model/model.h"
#include "stores/stores.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "undo/undo.h"

namespace {

using Clock = std::chrono::steady_clock;

void (*const builders[])() = {BuildTypicalMix, BuildMaximalMix};
const char *const mixNames[] = {"typical", "maximal"};

// The medians of the last run of each figure, for the closing table.
struct Figure {
  double median = 0, baseline = 0;  // seconds; baseline 0 when there is none
  size_t bytes = 0;
  bool wrong = false;  // the command did not do its work
};
std::map<std::string, Figure> figures;

std::string fileText(const char *name) {
  std::string text;
  if (ReadWholeFile(name, text, MaxFileSize) != FILE_OK) abort();
  return text;
}

// The floor of a store: the same bytes with one write, a sync, a rename and a
// sync of the folder, as a store makes them; without the syncs when sync is off.
void rawWrite(const std::string &text, bool sync = true) {
  int fd = open("raw.tmp", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || write(fd, text.data(), text.size()) != (ssize_t)text.size()) abort();
  if (sync && fsync(fd) != 0) abort();
  close(fd);
  if (rename("raw.tmp", "raw.txt") != 0) abort();
  if (sync) {
    int dir = open(".", O_RDONLY | O_DIRECTORY);
    if (dir < 0 || fsync(dir) != 0) abort();
    close(dir);
  }
}

// The floor of a recall: one read and a newline count.
long rawRead(std::string &buf) {
  int fd = open("raw.txt", O_RDONLY);
  if (fd < 0) abort();
  ssize_t n = read(fd, &buf[0], buf.size());
  close(fd);
  if (n <= 0) abort();
  return std::count(buf.data(), buf.data() + n, '\n');
}

double seconds(Clock::time_point a) { return std::chrono::duration<double>(Clock::now() - a).count(); }

double median(std::vector<double> &t) {
  std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
  return t[t.size() / 2];
}

// Times each iteration of f by hand. When a baseline is given it runs right
// after f in the same iteration, untimed, so that both medians see the same
// load on a shared machine.
template <class F>
void timed(benchmark::State &state, const std::string &name, F f,
           const std::function<void()> &baseline = nullptr, size_t bytes = 0) {
  std::vector<double> t, b;
  for (auto _ : state) {
    auto a = Clock::now();
    f();
    double s = seconds(a);
    state.SetIterationTime(s);
    t.push_back(s);
    if (baseline) {
      a = Clock::now();
      baseline();
      b.push_back(seconds(a));
    }
  }
  Figure &fig = figures[name];
  fig.median = median(t);
  fig.baseline = b.empty() ? 0 : median(b);
  fig.bytes = bytes;
  state.counters["median_us"] = fig.median * 1e6;
  if (fig.baseline > 0) {
    state.counters["baseline_us"] = fig.baseline * 1e6;
    state.counters["ratio"] = fig.median / fig.baseline;
  }
  if (bytes) {
    state.counters["ns_per_byte"] = fig.median * 1e9 / bytes;
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
  }
}

void BM_Store(benchmark::State &state) {
  const char *mix = mixNames[state.range(0)];
  builders[state.range(0)]();
  ClearStoreError();
  StageWriteToFile();
  std::string text = fileText("faders.txt");
  timed(state, std::string("StageWriteToFile ") + mix, StageWriteToFile,
        [&] { rawWrite(text); }, text.size());
  state.SetLabel(mix);
  // Every store must have written the whole file again: a store that failed would look fast.
  if (fileText("faders.txt") != text || StoreError[0]) {
    state.SkipWithError("the store did not write the mix");
    figures[std::string("StageWriteToFile ") + mix].wrong = true;
  }
}

// What the syncs cost: the floor of a store with them, beside it without them.
void BM_Syncs(benchmark::State &state) {
  const char *mix = mixNames[state.range(0)];
  builders[state.range(0)]();
  StageWriteToFile();
  std::string text = fileText("faders.txt");
  timed(state, std::string("Syncs of a store ") + mix, [&] { rawWrite(text); },
        [&] { rawWrite(text, false); }, text.size());
  state.SetLabel(mix);
}

void BM_Recall(benchmark::State &state) {
  const char *mix = mixNames[state.range(0)];
  builders[state.range(0)]();
  StageWriteToFile();
  std::string text = fileText("faders.txt");
  rawWrite(text);
  std::string buf(text.size() + 1, '\0');
  timed(state, std::string("StageReadFromFile ") + mix, StageReadFromFile,
        [&] { benchmark::DoNotOptimize(rawRead(buf)); }, text.size());
  state.SetLabel(mix);
  // A recall into the start-up model must bring back all that was stored: a
  // reader that skipped records would otherwise look fast.
  ClearInternalArrays();
  StageReadFromFile();
  StageWriteToFile();
  if (fileText("faders.txt") != text) {
    state.SkipWithError("the recall did not restore the mix");
    figures[std::string("StageReadFromFile ") + mix].wrong = true;
  }
}

// A file command on the typical mix, beside its floor: the same bytes written
// with one write and a rename, or read with one read and a newline count.
template <void (*F)()>
void fileCommand(benchmark::State &state, const char *name, const char *file, bool writes) {
  BuildTypicalMix();
  UpdateGUI();
  F();
  if (!writes) WritePreferencesFile(), WriteTracksFile();
  std::string text = fileText(file), buf(text.size() + 1, '\0');
  rawWrite(text);
  std::function<void()> baseline = [&] { rawWrite(text); };
  if (!writes) baseline = [&] { benchmark::DoNotOptimize(rawRead(buf)); };
  timed(state, name, F, baseline, text.size());
}

void BM_WritePreferencesFile(benchmark::State &s) {
  fileCommand<WritePreferencesFile>(s, "WritePreferencesFile", "prefs.txt", true);
}
void BM_ReadPreferencesFile(benchmark::State &s) {
  fileCommand<ReadPreferencesFile>(s, "ReadPreferencesFile", "prefs.txt", false);
}
void BM_WriteTracksFile(benchmark::State &s) {
  fileCommand<WriteTracksFile>(s, "WriteTracksFile", "tracks.txt", true);
}
void BM_ReadTracksFile(benchmark::State &s) {
  fileCommand<ReadTracksFile>(s, "ReadTracksFile", "tracks.txt", false);
}

// The cue list edits move every cue after the current one in all five per-cue
// tables (about 1.5 MB) whatever the mix; the largest mix gives the fullest refresh.
void BM_CueEdit(benchmark::State &state) {
  const char *names[] = {"InsertIndex", "RemoveIndex", "Propagate"};
  void (*const edits[])() = {InsertIndex, RemoveIndex, Propagate};
  BuildMaximalMix();
  TimeIndex->value(2);
  timed(state, names[state.range(0)], edits[state.range(0)]);
  state.SetLabel(names[state.range(0)]);
}

// A cue change and a bank change, as the user makes them: the refresh then
// shows other values at every iteration, so that no control is left unchanged.
void cueChange() {
  TimeIndex->value(TimeIndex->value() == 2 ? 3 : 2);
  Bank->value(Bank->value() == 1 ? 2 : 1);
}

void BM_StageVolPlateUpdate(benchmark::State &state) {
  BuildTypicalMix();
  UpdateGUI();
  timed(state, "StageVolPlateUpdate", [] {
    cueChange();
    StageVolPlateUpdate();
  });
}

void BM_UpdateGUI(benchmark::State &state) {
  BuildTypicalMix();
  UpdateGUI();
  timed(state, "UpdateGUI", [] {
    cueChange();
    CNL = CNL == 3 ? 4 : 3;  // a slot with effects and one without
    UpdateGUI();
  });
}

// The effects window shows another slot; the submix window another bank of rows.
void BM_ChangeChannel(benchmark::State &state) {
  BuildTypicalMix();
  UpdateGUI();
  ChangetoRegular();
  timed(state, "ChangeChannel", [] {
    RegularNum->value(RegularNum->value() == 3 ? 4 : 3);  // a slot with effects and one without
    ChangeChannel();
  });
}

void BM_UpdateSubmix(benchmark::State &state) {
  BuildTypicalMix();
  UpdateGUI();
  timed(state, "UpdateSubmix", [] {
    SubBank->value(SubBank->value() == 1 ? 2 : 1);
    UpdateSubmix();
  });
}

// A store callback of a window, on the typical mix with the cue and slot shown.
template <void (*F)()>
void storeCallback(benchmark::State &state, const char *name) {
  BuildTypicalMix();
  TimeIndex->value(5);
  Bank->value(1);
  RegularNum->value(3);
  ChangeChannel();
  UpdateGUI();
  timed(state, name, F);
}

void BM_VolumeToArray(benchmark::State &s) { storeCallback<VolumeToArray>(s, "VolumeToArray"); }
void BM_ComptoArray(benchmark::State &s) { storeCallback<ComptoArray>(s, "ComptoArray"); }
void BM_ReverbToArray(benchmark::State &s) { storeCallback<ReverbToArray>(s, "ReverbToArray"); }
void BM_SubmixToArray(benchmark::State &s) { storeCallback<SubmixToArray>(s, "SubmixToArray"); }
void BM_VcaToArray(benchmark::State &s) { storeCallback<VcaToArray>(s, "VcaToArray"); }
void BM_PreviewToArray(benchmark::State &s) { storeCallback<PreviewToArray>(s, "PreviewToArray"); }

// What the user waits for after a cue change or a recall: the refresh and the
// drawing of what it changed, with the faders and effects windows shown, up to
// the moment the display server has drawn it.
void BM_Drawn(benchmark::State &state) {
  BuildTypicalMix();
  UpdateGUI();
  FadersWindow->show();
  EffectsWindow->show();
  while (!FadersWindow->visible() || !EffectsWindow->visible()) Fl::wait(0.01);
  for (int i = 0; i < 20; i++) Fl::wait(0.005);  // the first exposures
  XSync(fl_display, False);
  auto draw = [] {
    Fl::flush();
    XSync(fl_display, False);
  };
  if (state.range(0) == 0) {
    timed(state, "StageVolPlateUpdate drawn", [&] {
      cueChange();
      StageVolPlateUpdate();
      draw();
    });
  } else {
    timed(state, "UpdateGUI drawn", [&] {
      cueChange();
      CNL = CNL == 3 ? 4 : 3;
      UpdateGUI();
      draw();
    });
  }
  state.SetLabel(state.range(0) ? "UpdateGUI" : "StageVolPlateUpdate");
  FadersWindow->hide();
  EffectsWindow->hide();
  Fl::flush();
}

// ---- the cue map on the largest mix, shown and drawn up to the display server

// The process's resident memory in bytes.
double resident() {
  long pages = 0, rss = 0;
  FILE *f = fopen("/proc/self/statm", "r");
  if (!f || fscanf(f, "%ld %ld", &pages, &rss) != 2) abort();
  fclose(f);
  return double(rss) * sysconf(_SC_PAGESIZE);
}
double cueMapMemory = -1;  // bytes the map added, -1 before it was shown

// 0: a full redraw at full size; 1: a full redraw zoomed out to fit, every cell
// drawn; 2: the check and redraw after a single edit, zoomed out to fit.
void BM_CueMap(benchmark::State &state) {
  BuildMaximalMix();
  UpdateGUI();
  double before = resident();
  ShowCueMap();
  while (!CueMapWindow->visible()) Fl::wait(0.01);
  for (int i = 0; i < 20; i++) Fl::wait(0.005);
  if (state.range(0) == 0) MapCellW = MAP_CELL_W, MapCellH = MAP_CELL_H, CueMapLayout();
  else CueMapFit();
  auto drawn = [] {
    Fl::flush();
    XSync(fl_display, False);
  };
  drawn();
  const char *names[] = {"CueMap full redraw", "CueMap full redraw, fit", "CueMap one edit"};
  if (state.range(0) < 2) {
    timed(state, names[state.range(0)], [&] {
      CueMapInvalidate();
      CueMapCheck();
      drawn();
    });
  } else {
    int i = Entry(13, 300);
    timed(state, names[2], [&] {
      Volume[i] = Volume[i] == -6 ? 3 : -6;
      CueMapCheck();
      drawn();
    });
    if (MapCells[MapSlotRow(13) * NCUES + 300] != MapCellCode(13, 300)) {
      state.SkipWithError("the map did not follow the edit");
      figures[names[2]].wrong = true;
    }
  }
  if (cueMapMemory < 0) cueMapMemory = resident() - before;
  state.SetLabel(names[state.range(0)]);
  HideCueMap();
  Fl::flush();
}

// The journal on the largest mix: a step after one edit, and the undo and redo
// of a cue insert with the whole refresh.
void BM_RecordStep(benchmark::State &state) {
  BuildMaximalMix();
  TimeIndex->value(5);
  Bank->value(2);
  UpdateGUI();
  StartJournal();
  std::vector<double> t;  // the edit untimed, the step timed
  for (auto _ : state) {
    vol3->value(vol3->value() == -6 ? -7 : -6);
    VolumeToArray();
    auto a = Clock::now();
    RecordStep();
    double s = seconds(a);
    state.SetIterationTime(s);
    t.push_back(s);
  }
  figures["RecordStep after one edit"].median = median(t);
  state.counters["median_us"] = median(t) * 1e6;
}

void BM_UndoInsert(benchmark::State &state) {
  BuildMaximalMix();
  TimeIndex->value(2);
  UpdateGUI();
  StartJournal();
  InsertIndex();
  RecordStep();
  bool undo = true;
  timed(state, "Undo or redo of InsertIndex", [&] {
    undo ? Undo() : Redo();
    undo = !undo;
  });
  figures["Undo or redo of InsertIndex"].wrong = UndoSteps() > 1;
}

// A recall of a file of 100,000 lines that all make a message: half of them
// printed ("Submix number out of range!", standard output going nowhere), half
// hints (a "v" record typed with spaces). The list must stay capped.
void BM_RecallBadLines(benchmark::State &state) {
  ClearInternalArrays();
  std::string text = "Bad Mix\n";
  for (int i = 0; i < 50000; i++) text += "sub\t9\t1\nv 14 -3.00\n";
  FILE *f = fopen("faders.txt", "wb");
  if (!f || fwrite(text.data(), 1, text.size(), f) != text.size() || fclose(f) != 0) abort();
  fflush(stdout);
  int out = dup(1), null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  timed(state, "Recall of 100,000 bad lines", [] {
    StageReadFromFile();
    fflush(stdout);
  }, nullptr, text.size());
  dup2(out, 1);
  close(out), close(null);
  figures["Recall of 100,000 bad lines"].wrong = MessageCount() != MaxMessages;
  state.counters["listed"] = MessageCount();
  ClearMessages();
}

// ---- range edits of the cue map on the largest mix: every cell selected, the map fitted

// Each edit made ready to change cells (a mix with every entry on adds none).
void halfTheEntries() {
  for (int i = 0; i < NSLOTS * NCUES; i += 2) ChanActive[i] = 0;
}
void halfRedundant() {
  for (int i = 1; i < NSLOTS * NCUES; i += 2)
    Volume[i] = Volume[i - 1], Offset[i] = Offset[i - 1], Ramp[i] = Ramp[i - 1], Shape[i] = Shape[i - 1];
}
void copiedThenChanged() {
  CopyCells();
  for (float &v : Volume) v -= 1;
}
const struct {
  const char *name;
  void (*prepare)(), (*edit)();
} rangeEdits[] = {
    {"SetSelectionLevel", nullptr, [] { SetSelectionLevel(-6); }},
    {"TrimSelection", nullptr, [] { TrimSelection(-3); }},
    {"AddEntries", halfTheEntries, AddEntries},
    {"RemoveEntries", nullptr, RemoveEntries},
    {"RemoveRedundantEntries", halfRedundant, RemoveRedundantEntries},
    {"CopyCells", nullptr, CopyCells},
    {"PasteCells", copiedThenChanged, PasteCells},
    {"PasteCellsMerge", copiedThenChanged, PasteCellsMerge},
};
const char *const rangeFigures[] = {"", " undo", " redraw"};
const double rangeLimits[] = {5e-3, 5e-3, 16e-3};

void drawnNow() {
  Fl::flush();
  XSync(fl_display, False);
}

void showMapOfTheLargestMix(bool fit) {
  BuildMaximalMix();
  UpdateGUI();
  ShowCueMap();
  while (!CueMapWindow->visible()) Fl::wait(0.01);
  for (int i = 0; i < 20; i++) Fl::wait(0.005);
  if (fit) CueMapFit();
  else MapCellW = MAP_CELL_W, MapCellH = MAP_CELL_H, MapRow0 = MapCol0 = 0, CueMapLayout();
  drawnNow();
}

// The edit with its undo step recorded, the map's check and redraw after it, and
// its undo with the refresh; the map redrawn again, untimed, before the next.
void BM_RangeEdit(benchmark::State &state) {
  const auto &e = rangeEdits[state.range(0)];
  showMapOfTheLargestMix(true);
  SelectAllCells();
  if (e.prepare) e.prepare();
  CueMapCheck();
  drawnNow();
  StartJournal();
  std::vector<double> t[3];  // as rangeFigures: the edit, its undo, the redraw
  bool changed = true;
  for (auto _ : state) {
    auto a = Clock::now();
    e.edit();
    RecordStep();
    t[0].push_back(seconds(a));
    changed = changed && UndoSteps() == 1;
    a = Clock::now();
    CueMapCheck();
    drawnNow();
    t[2].push_back(seconds(a));
    a = Clock::now();
    Undo();
    t[1].push_back(seconds(a));
    CueMapCheck();
    drawnNow();
    state.SetIterationTime(t[0].back());
  }
  for (int f = 0; f < (e.edit == CopyCells ? 1 : 3); f++) {  // a copy changes nothing to undo or draw
    Figure &fig = figures[std::string(e.name) + rangeFigures[f]];
    fig.median = median(t[f]);
    fig.wrong = !changed && e.edit != CopyCells;
  }
  state.SetLabel(e.name);
  HideCueMap();
  Fl::flush();
}

// A drag over the cells at full size: each motion event as the event loop takes it
// (the map's handling, the check after the event) up to the display server's drawing.
void BM_CueMapDrag(benchmark::State &state) {
  showMapOfTheLargestMix(false);
  auto at = [](int cell) {
    int x, y, w, h;
    MapCellBox(cell, cell, x, y, w, h);
    Fl::e_x = x + w / 2, Fl::e_y = y + h / 2, Fl::e_state = 0;
  };
  at(0);
  CueMap->handle(FL_PUSH);
  AfterEvent();
  drawnNow();
  int step = 0;
  timed(state, "CueMap drag", [&] {
    step = (step + 1) % 40;
    at(step < 20 ? step : 40 - step);
    CueMap->handle(FL_DRAG);
    AfterEvent();
    drawnNow();
  });
  at(10);  // the last timed step may be back at the first cell: end the drag on a known one
  CueMap->handle(FL_DRAG);
  AfterEvent();
  figures["CueMap drag"].wrong = RangeRows(MapSelection) != 11;
  CueMap->handle(FL_RELEASE);
  HideCueMap();
  Fl::flush();
}

// ---- what is kept, on the largest mix

// The recovery brought up to date after one edit, as "Quit" does: the fader text
// and the console written again, or (whole) every file when none is there yet.
void BM_Recovery(benchmark::State &state) {
  bool whole = state.range(0);
  const char *name = whole ? "Recovery write, every file" : "Recovery write after an edit";
  BuildMaximalMix();
  UpdateGUI();
  StartJournal();
  int i = Entry(13, 300);
  std::vector<double> t;
  for (auto _ : state) {
    Volume[i] = Volume[i] == -61 ? -62 : -61;
    if (whole) RemoveRecovery();
    auto a = Clock::now();
    KeepUnstored();
    double s = seconds(a);
    state.SetIterationTime(s);
    t.push_back(s);
  }
  MixTexts kept;
  figures[name].median = median(t);
  figures[name].wrong = !ReadRecovery(kept, nullptr) || kept.console != ModelImage() ||
                        kept.text[KEPT_FADERS] != StoreAllTexts().text[KEPT_FADERS];
  state.counters["median_us"] = median(t) * 1e6;
  state.SetLabel(name);
}

// The Compare window refreshed against stored files that differ from the console
// in every entry, read again each time: at most 10,000 lines, then how many more.
void BM_Compare(benchmark::State &state) {
  BuildMaximalMix();
  for (const char *f : {"faders.txt", "tracks.txt", "prefs.txt"}) unlink(f);
  ForgetFiles();
  StoreAllFiles();
  for (float &v : Volume) v -= 1;
  CompareWindow->show();
  std::vector<double> t;
  for (auto _ : state) {
    utimensat(AT_FDCWD, "faders.txt", nullptr, 0);  // a new time: the files are read again
    auto a = Clock::now();
    UpdateCompare();
    double s = seconds(a);
    state.SetIterationTime(s);
    t.push_back(s);
  }
  const char *name = "Compare, every entry differing";
  figures[name].median = median(t);
  int n = CompareLines->size();
  figures[name].wrong = n > 10003 || strncmp(CompareLines->text(n), "... and ", 8) != 0;
  state.counters["median_us"] = median(t) * 1e6;
  state.counters["lines"] = n;
  CompareWindow->hide();
}

// ---- the closing table

struct Target {
  const char *figure;
  double limit;       // seconds; 0 when the figure has no limit of its own
  double ratioLimit;  // times its baseline; 0 when none
};

const Target targets[] = {
    {"StageWriteToFile typical", 3e-3, 0},      {"StageReadFromFile typical", 5e-3, 0},
    {"StageWriteToFile maximal", 40e-3, 20},    {"StageReadFromFile maximal", 60e-3, 25},
    {"WritePreferencesFile", 1e-3, 0},          {"ReadPreferencesFile", 1e-3, 0},
    {"WriteTracksFile", 1e-3, 0},               {"ReadTracksFile", 1e-3, 0},
    {"InsertIndex", 1e-3, 0},                   {"RemoveIndex", 1e-3, 0},
    {"Propagate", 1e-3, 0},                     {"StageVolPlateUpdate", 1e-3, 0},
    {"UpdateGUI", 1e-3, 0},                     {"ChangeChannel", 1e-3, 0},
    {"UpdateSubmix", 1e-3, 0},                  {"VolumeToArray", 1e-3, 0},
    {"ComptoArray", 1e-3, 0},                   {"ReverbToArray", 1e-3, 0},
    {"SubmixToArray", 1e-3, 0},                 {"VcaToArray", 1e-3, 0},
    {"PreviewToArray", 1e-3, 0},                {"StageVolPlateUpdate drawn", 0, 0},
    {"UpdateGUI drawn", 0, 0},
    {"CueMap full redraw", 16e-3, 0},          {"CueMap full redraw, fit", 16e-3, 0},
    {"CueMap one edit", 2e-3, 0},               {"CueMap drag", 2e-3, 0},
    {"UpdateGUI drawn", 0, 0},                  {"RecordStep after one edit", 0.2e-3, 0},
    {"Undo or redo of InsertIndex", 5e-3, 0},  {"Recall of 100,000 bad lines", 60e-3, 0},
    {"Syncs of a store typical", 0, 0},         {"Syncs of a store maximal", 0, 0},
    {"Recovery write after an edit", 25e-3, 0}, {"Recovery write, every file", 25e-3, 0},
    {"Compare, every entry differing", 150e-3, 0},
};

void duration(char *out, size_t size, double s) {
  if (s >= 1e-3)
    snprintf(out, size, "%.2f ms", s * 1e3);
  else
    snprintf(out, size, "%.2f us", s * 1e6);
}

const char *verdict(bool ok) { return ok ? "met" : "MISSED"; }

// Prints every figure beside its target; false when one is missed.
bool printTable() {
  bool all = true;
  printf("\n%-28s %12s %12s %8s   %-22s %s\n", "figure (median)", "time", "baseline", "ratio",
         "target", "");
  std::vector<Target> rows(std::begin(targets), std::end(targets));
  static std::vector<std::string> rangeNames;  // each range edit, its undo and the redraw
  for (const auto &e : rangeEdits)
    for (int f = 0; f < 3; f++) rangeNames.push_back(std::string(e.name) + rangeFigures[f]);
  for (size_t i = 0; i < rangeNames.size(); i++) rows.push_back({rangeNames[i].c_str(), rangeLimits[i % 3], 0});
  for (const Target &t : rows) {
    auto it = figures.find(t.figure);
    if (it == figures.end()) continue;
    const Figure &f = it->second;
    char time[32], base[32] = "", ratio[32] = "", target[64] = "";
    duration(time, sizeof time, f.median);
    if (f.baseline > 0) {
      duration(base, sizeof base, f.baseline);
      snprintf(ratio, sizeof ratio, "%.1fx", f.median / f.baseline);
    }
    bool ok = true;
    if (t.limit > 0) {
      int n = snprintf(target, sizeof target, "<= %g ms", t.limit * 1e3);
      if (t.ratioLimit > 0) snprintf(target + n, sizeof target - n, ", <= %gx", t.ratioLimit);
      ok = f.median <= t.limit && (t.ratioLimit == 0 || f.median <= t.ratioLimit * f.baseline);
    }
    ok = ok && !f.wrong;
    all = all && ok;
    printf("%-28s %12s %12s %8s   %-22s %s\n", t.figure, time, base, ratio, target,
           f.wrong ? "WRONG RESULT" : t.limit > 0 ? verdict(ok) : "(for information)");
  }
  // Cost per byte from the typical to the largest mix.
  for (const char *cmd : {"StageWriteToFile", "StageReadFromFile"}) {
    auto a = figures.find(std::string(cmd) + " typical"), b = figures.find(std::string(cmd) + " maximal");
    if (a == figures.end() || b == figures.end()) continue;
    double pa = a->second.median / a->second.bytes, pb = b->second.median / b->second.bytes;
    bool ok = pb <= 1.5 * pa;
    all = all && ok;
    char label[64], time[64];
    snprintf(label, sizeof label, "%s per byte", cmd);
    snprintf(time, sizeof time, "%.2f -> %.2f ns", pa * 1e9, pb * 1e9);
    printf("%-28s %25s %8s   %-22s %s\n", label, time, "", "growth <= 1.5x", verdict(ok));
    printf("%-28s %25zu %8s   %-22s\n", "", b->second.bytes, "", "bytes of the largest mix");
  }
  if (cueMapMemory >= 0) {
    bool ok = cueMapMemory <= 8 << 20;
    all = all && ok;
    printf("%-28s %9.2f MiB %34s   %-22s %s\n", "CueMap memory", cueMapMemory / (1 << 20), "",
           "<= 8 MiB", verdict(ok));
  }
  return all;
}

}  // namespace

BENCHMARK(BM_Store)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Syncs)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recall)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePreferencesFile)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadPreferencesFile)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteTracksFile)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadTracksFile)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CueEdit)->DenseRange(0, 2)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageVolPlateUpdate)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpdateGUI)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChangeChannel)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpdateSubmix)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VolumeToArray)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComptoArray)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReverbToArray)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SubmixToArray)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VcaToArray)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewToArray)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drawn)->DenseRange(0, 1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CueMap)->DenseRange(0, 2)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeEdit)->DenseRange(0, 7)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CueMapDrag)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordStep)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoInsert)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecallBadLines)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recovery)->DenseRange(0, 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compare)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
  char dir[] = "/tmp/corvessa-bench-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  ClearInternalArrays();
  BuildWindows();
  UpdateGUI();
  StartHistory();  // every store keeps the file it replaces, as in the program
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bool met = printTable();
  std::string cmd = std::string("rm -rf ") + dir;
  if (system(cmd.c_str()) != 0) return 1;
  return met ? 0 : 2;
}
