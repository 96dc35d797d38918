// Channel, cue and mix names, and the file choosers of the browse buttons.
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/filename.H>

#include <cstring>

#include "effects/effects.h"
#include "faders/strip.h"
#include "routing/routing.h"
#include "status/status.h"

int BrowseNumber;
Fl_File_Chooser *CH;

namespace {

// Copies a field into a name row; the field then shows what was stored.
void storeName(char *row, int size, Fl_Input *field) {
  CopyName(row, field->value(), size);
  if (strcmp(field->value(), row) != 0) field->value(row);
}

}  // namespace

void StoreNames() {
  int b = CurrentBank();
  for (int k = 1; k <= VCA_STRIP; k++) {
    int s = StripSlot(k, b);
    if (s >= 0) storeName(NameBuffer[s], sizeof NameBuffer[s], *NameCol[k]);
  }
  UpdateEffectsName();
  UpdateSubmix();
  UpdateVCA();
}

void UpdateNames() {
  int b = CurrentBank();
  for (int k = 1; k <= VCA_STRIP; k++) {
    int s = StripSlot(k, b);
    (*NameCol[k])->value(s >= 0 ? NameBuffer[s] : unav);
  }
  name13->value(NameBuffer[MASTER]);
  UpdateDisplayNumbers();
  if (NameInEffects && CNL >= 0 && CNL < NSLOTS) NameInEffects->value(NameBuffer[CNL]);
  UpdateSubmix();
  UpdateVCA();
}

void CueNameToArray() {
  int c = CurrentCue();
  storeName(CueNameBuffer[c], sizeof CueNameBuffer[c], CueName);
}

void UpdateCueName() { CueName->value(CueNameBuffer[CurrentCue()]); }

void StoreMixName() { storeName(MixName, sizeof MixName, MixNameInput); }

void UpdateMixName() { MixNameInput->value(MixName); }

// A chooser for the strip's track; the slot it fills is fixed now and travels
// with the chooser, whatever bank or other chooser comes meanwhile.
void ChooseFile(int strip) {
  if (strip < 1 || strip > NBROWSE) return;
  BrowseNumber = strip;
  CH = new Fl_File_Chooser(".", 0, Fl_File_Chooser::SINGLE, 0);
  CH->callback(Set_File, (void *)(fl_intptr_t)StripSlot(strip));
  CH->show();
}

// The chooser that reports names the file; its own slot receives the path.
void Set_File(Fl_File_Chooser *chooser, void *data) {
  int s = (int)(fl_intptr_t)data;
  if (!chooser || s < 1 || s > NCHANNELS) return;
  const char *path = chooser->value(1);
  if (!path || !path[0] || fl_filename_isdir(path)) return;  // no file picked
  if (strlen(path) >= sizeof NameBuffer[s]) {
    SetStatus("Path longer than %i characters: track name unchanged",
              (int)sizeof NameBuffer[s] - 1);
    return;
  }
  CopyName(NameBuffer[s], path, sizeof NameBuffer[s]);
  UpdateNames();
  UpdateSubmix();
  UpdateVCA();
}
