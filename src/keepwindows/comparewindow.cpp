// The "Compare" window: the differences between the console and the stored files
// (or a version of the history), grouped by file; a click shows the place.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <vector>

#include "effects/effects.h"
#include "faders/faders.h"
#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "textfile/textfile.h"
#include "status/status.h"
#include "undo/undo.h"

Fl_Double_Window *CompareWindow;
Fl_Box *CompareHeading;
Fl_Hold_Browser *CompareLines;

namespace {

std::string versionPath;  // "" for the stored files
std::string baseImage, what;  // what the console is compared with, and its name
std::vector<ModelPlace> places;
long shownModel = -1;
std::string shownFiles = "none";

// The stored files, or the version with the other files as stored.
std::string base() {
  what.clear();
  if (versionPath.empty()) {
    what = "the stored files";
    return StoredImage();
  }
  MixTexts t;
  for (const Version &v : ListHistory())
    if (v.path == versionPath) {
      t.given[v.file] = ReadTextFile(v.path.c_str(), t.text[v.file]) == FILE_OK;
      what = std::string(KeptFiles[v.file]) + (v.unstored ? ", unstored," : "") + " of " + v.time;
    }
  if (what.empty()) what = versionPath + ", no longer kept,";
  return MixImage(t);
}

// The faders window at a cue (-1: as it is) and the bank that shows a slot (-1: as it is).
void showFaders(int cue, int slot) {
  if (cue >= 0) TimeIndex->value(cue + 1);
  if (slot >= 0 && SlotBank(slot)) Bank->value(SlotBank(slot));
  StageVolPlateUpdate();
  FadersWindow->show();
}

void showEffects(int slot) {
  Fl_Round_Button *select = slot == MASTER ? SelectMasterChannel : slot <= NCHANNELS ? SelectRegularChannel : SelectGroupChannel;
  if (slot >= FIRST_VCA) return;  // no window shows a VCA's effects
  if (select == SelectRegularChannel) RegularNum->value(slot);
  if (select == SelectGroupChannel) GroupNum->value(slot - FIRST_SUB + 1);
  select->value(1);
  select->do_callback();
  EffectsWindow->show();
}

void showRow(Fl_Double_Window *w, Fl_Spinner *bank, int row) {
  if (row >= 0) bank->value(MatrixBank(row));
  bank->do_callback();
  w->show();
}

}  // namespace

void UpdateCompare() {
  if (!CompareWindow || !CompareWindow->shown()) return;
  std::string files = FilesStamp() + HistoryStamp() + versionPath;
  if (shownModel == ModelVersion() && shownFiles == files) return;
  if (shownFiles != files) baseImage = base();
  shownModel = ModelVersion(), shownFiles = files;
  std::vector<std::string> lines;
  places.clear();
  size_t n = CompareList(baseImage, ModelImage(), lines, places);
  std::string heading = n ? std::to_string(n) + (n == 1 ? " difference" : " differences") + " from " + what +
                                " to the console:"
                          : "The console holds what " + what + " hold" + (versionPath.empty() ? "" : "s") + ".";
  CompareHeading->copy_label(heading.c_str());
  int top = CompareLines->topline();
  CompareLines->clear();
  for (const std::string &l : lines) CompareLines->add(l.c_str());
  CompareLines->topline(top);
}

void ShowCompare() { CompareWith(""); }

void CompareWith(const std::string &path) {
  if (!CompareWindow) return;
  versionPath = path;
  CompareWindow->show();
  UpdateCompare();
}

void HideCompare() {
  if (CompareWindow) CompareWindow->hide();
}

void ShowComparePlace() {
  int i = CompareLines->value() - 1;
  if (i < 0 || i >= (int)places.size() || places[i].table < 0) return;
  const ModelTable &t = ModelTables[places[i].table];
  int e = places[i].element;
  switch (t.shape) {
    case PER_CUE: return showFaders(e % NCUES, e / NCUES);
    case CUES: return showFaders(e, -1);
    case PER_SLOT: return showFaders(-1, e);
    case EFFECT_ROW: return showEffects(e / NGROUPS);
    case ROUTING:
    case GROUPS: {
      bool sub = t.address == SubAsn || t.address == SubOn;
      return showRow(sub ? SubWindow : VCAWindow, sub ? SubBank : VcaBank, t.shape == ROUTING ? e / NGROUPS : -1);
    }
    case VALUES:
      if (t.address == MixName) return showFaders(-1, -1);
      if (t.files == PREFS_FILE) return UpdatePreferences(), PrefsWindow->show();
      return ReverbWindow->show();
  }
}

Fl_Button *CompareLinkAt(int x, int y, int w, int h) {
  Fl_Button *b = new Fl_Button(x, y, w, h);
  b->box(FL_NO_BOX);
  b->clear_visible_focus();
  b->tooltip("What the console changed since the files were stored (Ctrl+D)");
  b->callback(Call<ShowCompare>);
  return b;
}

Fl_Double_Window *make_window14() {
  Fl_Double_Window *w = CompareWindow = new Fl_Double_Window(600, 400, "Compare");
  CompareHeading = new Fl_Box(5, 5, 590, 20);
  CompareHeading->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  CompareHeading->labelsize(12);
  CompareLines = new Fl_Hold_Browser(5, 30, 590, 365);
  CompareLines->format_char(0);
  CompareLines->textsize(12);
  CompareLines->callback(Call<ShowComparePlace>);
  CompareLines->when(FL_WHEN_RELEASE_ALWAYS);  // a line clicked again shows its place again
  w->resizable(CompareLines);
  w->end();
  return w;
}
