// The "Changed on disk" window: a store that would replace a file changed on disk
// since this session last read or wrote it writes nothing and asks here.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Return_Button.H>

#include <algorithm>
#include <cstring>

#include "status/status.h"
#include "stores/stores.h"

Fl_Double_Window *ChangedWindow;
Fl_Box *ChangedFiles;
Fl_Button *ReplaceButton, *RevertButton, *KeepEditingButton;
std::vector<std::string> ChangedOnDisk;

namespace {

std::vector<std::string> replacing;  // the files "Replace" stores now

// The stores of the three files, in the order "Store All" runs them.
const struct {
  const char *name;
  void (*store)();
} Stores[] = {{"prefs.txt", WritePreferencesFile}, {"tracks.txt", WriteTracksFile}, {"faders.txt", StageWriteToFile}};

void showList() {
  std::string text = "Not stored, because they changed on disk since Corvessa last read or wrote them:\n";
  for (const std::string &f : ChangedOnDisk) text += "\n" + f;
  ChangedFiles->copy_label(text.c_str());
}

void close() {
  ChangedOnDisk.clear();
  if (ChangedWindow) ChangedWindow->hide();
}

void closed(Fl_Widget *, void *) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;  // never on Escape
  KeepEditing();
}

}  // namespace

void RefuseChanged(const char *name) {
  if (std::find(ChangedOnDisk.begin(), ChangedOnDisk.end(), name) == ChangedOnDisk.end())
    ChangedOnDisk.push_back(name);
  // The files one command refused make one message, after any failure of another kind.
  static std::vector<std::string> now;
  bool joined = !strncmp(StoreError, "Not stored:", 11);
  if (!joined) now.clear();
  if (std::find(now.begin(), now.end(), name) == now.end()) now.push_back(name);
  if (joined) ClearStoreError();
  if (now.size() < 3)
    ReportStoreError("Not stored: %s%s%s changed on disk", now[0].c_str(), now.size() > 1 ? ", " : "",
                     now.size() > 1 ? now[1].c_str() : "");
  else
    ReportStoreError("Not stored: %zu files changed on disk", now.size());
  if (!ChangedWindow) return;
  showList();
  ChangedWindow->show();  // raised when it is shown already
}

void StoredFile(const char *name) {
  ChangedOnDisk.erase(std::remove(ChangedOnDisk.begin(), ChangedOnDisk.end(), name), ChangedOnDisk.end());
  if (ChangedOnDisk.empty() && replacing.empty()) close();
}

bool ReplaceAnyway(const char *name) {
  return std::find(replacing.begin(), replacing.end(), name) != replacing.end();
}

void ReplaceChanged() {
  CommitEdit();
  replacing = ChangedOnDisk;
  ClearStoreError();
  for (const auto &s : Stores)
    if (ReplaceAnyway(s.name)) s.store();
  bool several = replacing.size() > 1;
  replacing.clear();
  if (StoreError[0]) return SetStatus("%s", StoreError);
  close();
  if (several) SetStatus("Save Complete");
}

void RevertChanged() {
  close();
  RevertAll();
}

void KeepEditing() { close(); }

Fl_Double_Window *make_window11() {
  Fl_Double_Window *w = ChangedWindow = new Fl_Double_Window(440, 170, "Changed on disk");
  ChangedFiles = new Fl_Box(10, 10, 420, 110);
  ChangedFiles->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  ChangedFiles->labelsize(13);
  ReplaceButton = new Fl_Button(10, 135, 110, 25, "Replace");
  RevertButton = new Fl_Button(130, 135, 110, 25, "Revert");
  KeepEditingButton = new Fl_Return_Button(310, 135, 120, 25, "Keep Editing");  // Enter keeps the files
  ReplaceButton->callback(Call<ReplaceChanged>);
  RevertButton->callback(Call<RevertChanged>);
  KeepEditingButton->callback(Call<KeepEditing>);
  w->callback(closed);
  w->end();
  return w;
}
