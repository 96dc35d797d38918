// The "History" window: the kept versions of the three files, newest first, each
// with how many differences it has from the console; compared or laid over it.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>

#include <cstdio>
#include <vector>

#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "status/status.h"
#include "textfile/textfile.h"
#include "undo/undo.h"

Fl_Double_Window *HistoryWindow;
Fl_Hold_Browser *HistoryList;
Fl_Button *CompareVersionButton, *RevertVersionButton;

namespace {

int columns[] = {150, 170, 90, 0};  // time, file, size, differences

std::vector<Version> versions;
std::vector<long long> counts;  // -1 while not counted
size_t counted;                 // rows counted so far
long countedModel = -1;
std::string countedFiles, listed;  // the stamps of the files and of the history shown

std::string sizeText(long long n) {
  char s[32];
  if (n < 10000)
    snprintf(s, sizeof s, "%lld bytes", n);
  else if (n < 10000000)
    snprintf(s, sizeof s, "%lld KB", (n + 500) / 1000);
  else
    snprintf(s, sizeof s, "%.1f MB", n / 1e6);
  return s;
}

std::string row(size_t i) {
  const Version &v = versions[i];
  std::string r = v.time + "\t" + KeptFiles[v.file] + (v.unstored ? ", unstored" : "") + "\t" + sizeText(v.size) + "\t";
  long long n = counts[i];
  return r + (n < 0 ? "..." : n == 0 ? "none" : std::to_string(n) + (n == 1 ? " difference" : " differences"));
}

// A version's texts: its own file's, the others as stored.
bool textsOf(const Version &v, MixTexts &t) {
  return (t.given[v.file] = ReadTextFile(v.path.c_str(), t.text[v.file]) == FILE_OK);
}

// One row counted each time the event loop is idle.
void countNext(void *) {
  if (counted >= versions.size()) return Fl::remove_idle(countNext);
  size_t i = counted++;
  MixTexts t;
  std::vector<std::string> none;
  counts[i] = textsOf(versions[i], t) ? (long long)Differences(MixImage(t), ModelImage(), none, 0) : -1;
  HistoryList->text((int)i + 1, row(i).c_str());
}

const Version *chosen() {
  int i = HistoryList->value();
  return i >= 1 && i <= (int)versions.size() ? &versions[i - 1] : nullptr;
}

}  // namespace

void UpdateHistory() {
  if (!HistoryWindow || !HistoryWindow->shown()) return;
  std::string folder = HistoryStamp(), files = FilesStamp();
  bool relist = folder != listed;
  if (!relist && countedModel == ModelVersion() && countedFiles == files) return;
  countedModel = ModelVersion(), countedFiles = files;
  if (relist) {
    std::string was = chosen() ? chosen()->path : "";
    listed = folder;
    versions = ListHistory();
    HistoryList->clear();
    for (size_t i = 0; i < versions.size(); i++) HistoryList->add("");
    for (size_t i = 0; i < versions.size(); i++)
      if (versions[i].path == was) HistoryList->value((int)i + 1);
    if (versions.empty()) HistoryList->add("Nothing is kept yet: a store keeps the file it replaces here.");
  }
  counts.assign(versions.size(), -1);
  counted = 0;
  for (size_t i = 0; i < versions.size(); i++) HistoryList->text((int)i + 1, row(i).c_str());
  Fl::remove_idle(countNext);
  if (!versions.empty()) Fl::add_idle(countNext);
}

void ShowHistory() {
  if (!HistoryWindow) return;
  HistoryWindow->show();
  UpdateHistory();
}

void HideHistory() {
  if (HistoryWindow) HistoryWindow->hide();
  Fl::remove_idle(countNext);
}

void CompareVersion() {
  if (const Version *v = chosen()) CompareWith(v->path);
}

void RevertToVersion() {
  const Version *v = chosen();
  MixTexts t;
  if (!v) return;
  if (!textsOf(*v, t)) return ReportStoreError("Could not read %s", v->path.c_str());
  std::string what = std::string(KeptFiles[v->file]) + (v->unstored ? ", unstored," : "") + " of " + v->time;
  LayOver(t, ("Revert to " + what).c_str());
  SetStatus("Reverted to %s", what.c_str());
}

Fl_Double_Window *make_window13() {
  Fl_Double_Window *w = HistoryWindow = new Fl_Double_Window(560, 330, "History");
  Fl_Box *heading = new Fl_Box(5, 5, 550, 20, "Kept when a store replaced them, newest first; differences from the console");
  heading->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  heading->labelsize(12);
  HistoryList = new Fl_Hold_Browser(5, 28, 550, 262);
  HistoryList->format_char(0);
  HistoryList->column_widths(columns);
  HistoryList->textsize(12);
  CompareVersionButton = new Fl_Button(335, 298, 100, 25, "Compare");
  RevertVersionButton = new Fl_Button(445, 298, 110, 25, "Revert to This");
  CompareVersionButton->callback(Call<CompareVersion>);
  RevertVersionButton->callback(Call<RevertToVersion>);
  w->resizable(HistoryList);
  w->end();
  return w;
}
