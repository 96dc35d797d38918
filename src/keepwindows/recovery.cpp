// The recovery of unstored changes: written from the event loop, brought up to
// date at the end, and offered back at start-up in the "Unstored Changes" window.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Return_Button.H>

#include <algorithm>
#include <cctype>
#include <ctime>

#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "faders/faders.h"
#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"
#include "status/status.h"
#include "undo/undo.h"

Fl_Double_Window *UnstoredWindow;
Fl_Box *UnstoredText;
Fl_Button *RestoreButton, *SetAsideButton;

namespace {

const double Pause = 0.5, Spacing = 2;  // seconds after a change, and between writes

long writtenVersion = -1;  // the model version the recovery on disk holds
bool ours;                 // the recovery on disk is this session's
bool pending;              // an earlier session's, neither restored nor set aside
bool armed;                // a write is due
double lastWrite = -1e9;
MixTexts recovered;
std::string said;  // the last trouble said

double now() {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

bool typing() {
  Fl_Input_ *in = dynamic_cast<Fl_Input_ *>(Fl::focus());
  return in && in->changed();
}

void closeOffer() {
  pending = false;
  if (UnstoredWindow) UnstoredWindow->hide();
}

void write() {
  if (pending) SetAsideRecovery(), closeOffer();  // an earlier session's is kept, not overwritten
  ours = true;
  if (WriteRecovery(StoreAllTexts())) writtenVersion = ModelVersion();
  lastWrite = now();
}

void due(void *) {
  armed = false;
  if (!UnstoredChanges() || writtenVersion == ModelVersion()) return;
  if (typing()) {
    armed = true;
    return Fl::repeat_timeout(Pause, due);
  }
  write();
}

void sayTrouble() {
  const std::string &t = KeepTrouble();
  if (t.empty() || t == said) return;
  said = t;
  std::string was = tbuffer, text = was.empty() ? t : was + "; " + t;
  if (was.empty()) text[0] = (char)toupper((unsigned char)text[0]);
  SetStatus("%s", text.c_str());
}

}  // namespace

void KeepCheck() {
  if (!UnstoredChanges()) {
    if (ours) RemoveRecovery(), ours = false, writtenVersion = -1;
  } else if (writtenVersion != ModelVersion() && !armed) {
    armed = true;
    Fl::add_timeout(std::max(Pause, lastWrite + Spacing - now()), due);
  }
  UpdateHistory();
  UpdateCompare();
  sayTrouble();
}

void KeepUnstored(bool typed) {
  if (typed) CommitEdit();
  RecordStep();
  if (UnstoredChanges() && writtenVersion != ModelVersion())
    write();
  else if (!UnstoredChanges() && ours)
    RemoveRecovery();
}

void OfferRecovery() {
  time_t when;
  if (!ReadRecovery(recovered, &when)) return;
  if (!RecoveryIsNewer()) {  // stored since: kept in the history
    SetAsideRecovery();
    return;
  }
  pending = true;
  std::vector<std::string> lines;
  size_t n = Differences(StoredImage(), MixImage(recovered), lines, 0);
  struct tm tm;
  localtime_r(&when, &tm);
  char made[64];
  strftime(made, sizeof made, "%A %d %B %Y at %H:%M:%S", &tm);
  long ago = (long)(time(nullptr) - when) / 60;
  std::string text = std::string("Corvessa kept changes that were not stored, made on ") + made +
                     (ago >= 1 ? " (" + std::to_string(ago) + (ago == 1 ? " minute" : " minutes") + " ago)" : "") +
                     ": " + std::to_string(n) + (n == 1 ? " difference" : " differences") +
                     " from the stored files.\n\n\"Restore\" lays them over the console; nothing is written "
                     "until you store. \"Set Aside\" keeps them in the history.";
  UnstoredText->copy_label(text.c_str());
  UnstoredWindow->show();
}

void RestoreUnstored() {
  closeOffer();
  ours = true;  // this session's from now on: rewritten, or removed once nothing is unstored
  writtenVersion = -1;
  LayOver(recovered, "Restore Unstored Changes");
  SetStatus("Restored the unstored changes");
}

void SetAsideUnstored() {
  closeOffer();
  if (SetAsideRecovery()) SetStatus("The unstored changes are kept in .corvessa/history");
  sayTrouble();
}

void LayOver(const MixTexts &texts, const char *step) {
  static void (*const readers[NKEPT])(const std::string &) = {ReadFaderText, ReadTracksText, ReadPrefsText};
  MessagesFrom counted("recall");
  NameStep(step);
  StartUpModel();
  for (int f = 0; f < NKEPT; f++) {
    std::string stored;  // read all the same: the files become the ones this session read
    bool fader = f == KEPT_FADERS && !texts.given[f];
    bool read = (fader ? LoadFaderText(KeptFiles[f], stored, true) : ReadTextFile(KeptFiles[f], stored, true)) == FILE_OK;
    const std::string &text = texts.given[f] ? texts.text[f] : stored;
    if ((texts.given[f] || read) && !text.empty() && texts.console.empty()) readers[f](text);
  }
  if (!texts.console.empty()) SetModelImage(texts.console);
  StageVolPlateUpdate();
  UpdateGUI();
}

Fl_Double_Window *make_window12() {
  Fl_Double_Window *w = UnstoredWindow = new Fl_Double_Window(440, 170, "Unstored Changes");
  UnstoredText = new Fl_Box(10, 10, 420, 110);
  UnstoredText->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  UnstoredText->labelsize(13);
  SetAsideButton = new Fl_Button(200, 135, 110, 25, "Set Aside");
  RestoreButton = new Fl_Return_Button(320, 135, 110, 25, "Restore");  // Enter restores
  SetAsideButton->callback(Call<SetAsideUnstored>);
  RestoreButton->callback(Call<RestoreUnstored>);
  w->end();
  return w;
}
