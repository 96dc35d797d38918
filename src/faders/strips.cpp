// Strip values: the stores of the strip controls and the refreshes that fill them.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>

#include <cstdio>

#include "faders/strip.h"
#include "status/status.h"
#include "typed/typed.h"

namespace {

// A value stored where the slot has no automation point stays in the console but
// is not written: the status line says so. False when the slot has one.
bool noEntry(int s) {
  int c = CurrentCue();
  if (ChanActive[Entry(s, c)]) return false;
  SetStatus("%s has no automation point at time index %i: switch auto on to keep it",
            SlotName(s).c_str(), c + 1);
  return true;
}

// A column's per-cue values: every available strip, from what its control shows.
template <class W>
void storeColumn(W **const *col, float *table) {
  int c = CurrentCue(), b = CurrentBank(), changed = -1;
  for (int k = 1; k <= NSTRIPS; k++) {
    int s = StripSlot(k, b);
    float v;
    if (s < 0 || !ModelValue((*col[k])->value(), v)) continue;
    if (table[Entry(s, c)] != v) changed = s;
    table[Entry(s, c)] = v;
  }
  if (changed < 0 || !noEntry(changed)) ClearStatus();
}

template <class W>
void updateColumn(W **const *col, const float *table) {
  int c = CurrentCue(), b = CurrentBank();
  for (int k = 1; k <= NSTRIPS; k++) {
    int s = StripSlot(k, b);
    if (s >= 0) (*col[k])->value(table[Entry(s, c)]);
  }
}

// A column of toggles; per cue for the auto column, per slot for solo and mute.
void storeFlags(Fl_Button **const *col, int last, int *table, bool perCue) {
  int c = CurrentCue(), b = CurrentBank();
  for (int k = 1; k <= last; k++) {
    int s = StripSlot(k, b);
    if (s >= 0) table[perCue ? Entry(s, c) : s] = (*col[k])->value() ? 1 : 0;
  }
  ClearStatus();
}

void updateFlags(Fl_Button **const *col, int last, const int *table, bool perCue) {
  int c = CurrentCue(), b = CurrentBank();
  for (int k = 1; k <= last; k++) {
    int s = StripSlot(k, b);
    if (s >= 0) (*col[k])->value(table[perCue ? Entry(s, c) : s] != 0);
  }
}

// One strip's ramp, shape or pan, stored only when its kind accepts it; a
// refused value is refused whole, said so, and the field shows the model's value again.
void storeOne(Fl_Value_Input **const *col, int strip, bool (*accept)(float), float *table,
              bool perCue) {
  int s = strip >= 1 && strip <= NSTRIPS ? StripSlot(strip) : -1;
  float v;
  ClearStatus();
  if (s < 0) return;
  Fl_Value_Input *field = *col[strip];
  float &entry = table[perCue ? Entry(s, CurrentCue()) : s];
  if (ModelValue(field->value(), v) && accept(v)) {
    entry = v;
    if (perCue) noEntry(s);
    return;
  }
  char typed[32];
  snprintf(typed, sizeof typed, "%g", field->value());
  RefuseValue(field, typed);
  field->value(entry);
}

// A strip's volume, offset, ramp and shape are dimmed where it has no automation
// point, and the volume's tooltip gives the level in force there.
void showEntries() {
  static char tips[NSTRIPS + 1][128];
  static const Fl_Color dimmed = fl_inactive(FL_FOREGROUND_COLOR);
  int c = CurrentCue(), b = CurrentBank();
  for (int k = 1; k <= NSTRIPS; k++) {
    int s = StripSlot(k, b);
    if (s < 0) continue;
    bool entry = ChanActive[Entry(s, c)] != 0;
    Fl_Color text = entry ? FL_FOREGROUND_COLOR : dimmed;
    Fl_Spinner *vol = *VolCol[k];
    vol->textcolor(text), vol->redraw();
    for (Fl_Value_Input **const *col : {OfsCol, RampCol, ShapeCol})
      (*col[k])->textcolor(text), (*col[k])->redraw();
    int from = entry ? -1 : LastEntryBefore(s, c);
    if (from >= 0)
      snprintf(tips[k], sizeof tips[k], "No automation point here: %.1f dB is in force, from time index %i",
               Volume[Entry(s, from)], from + 1);
    else
      snprintf(tips[k], sizeof tips[k], "No automation point here, nor at an earlier time index in use");
    vol->tooltip(entry ? nullptr : tips[k]);
  }
}

bool rampOk(float v) { return v >= 0; }
bool shapeOk(float v) { return v > 0; }
bool panOk(float v) { return v >= AcceptedPan.lo && v <= AcceptedPan.hi; }

}  // namespace

void DescribeStrips() {
  static char volume[32], pan[32];
  snprintf(volume, sizeof volume, "%g to %g", AcceptedVolume.lo, AcceptedVolume.hi);
  snprintf(pan, sizeof pan, "%g to %g", AcceptedPan.lo, AcceptedPan.hi);
  for (int k = 1; k <= NSTRIPS; k++) {
    DescribeField(*VolCol[k], "volume", volume);
    DescribeField(*OfsCol[k], "offset", "a number");
    DescribeField(*RampCol[k], "ramp", "0 or more");  // as rampOk, shapeOk and panOk take
    DescribeField(*ShapeCol[k], "shape", "more than 0");
    DescribeField(*PanCol[k], "pan", pan);
  }
}

void VolumeToArray() { storeColumn(VolCol, Volume); }
void OffsetToArray() { storeColumn(OfsCol, Offset); }
void ChannelActiveToArray() {
  storeFlags(ACol, NSTRIPS, ChanActive, true);
  showEntries();
}
void SoloToArray() { storeFlags(SoloCol, VCA_STRIP, SoloArray, false); }
void MuteToArray() { storeFlags(MuteCol, VCA_STRIP, MuteArray, false); }

void RampToArray(int strip) { storeOne(RampCol, strip, rampOk, Ramp, true); }
void ShapeToArray(int strip) { storeOne(ShapeCol, strip, shapeOk, Shape, true); }
void PanToArray(int strip) { storeOne(PanCol, strip, panOk, Pan, false); }

int FocusedStrip() {
  Fl_Widget *f = Fl::focus();
  auto in = [f](auto **const *col, int k) { return col[k] && f && (*col[k])->contains(f); };
  for (int k = 1; f && k <= NSTRIPS; k++)
    if (in(SoloCol, k) || in(MuteCol, k) || in(NumCol, k) || in(NameCol, k) || in(BrowseCol, k) ||
        in(ACol, k) || in(VolCol, k) || in(OfsCol, k) || in(RampCol, k) || in(ShapeCol, k) ||
        in(PanCol, k) || (k == MASTER_STRIP && f == name13))
      return k;
  return 0;
}

void ToggleAuto() {
  int k = FocusedStrip();
  if (!k) return;
  (*ACol[k])->value(!(*ACol[k])->value());
  (*ACol[k])->do_callback();
}

void UpdateVolumes() { updateColumn(VolCol, Volume); }
void UpdateOffset() { updateColumn(OfsCol, Offset); }
void UpdateRamp() { updateColumn(RampCol, Ramp); }
void UpdateShape() { updateColumn(ShapeCol, Shape); }
void UpdateChannelActive() {
  updateFlags(ACol, NSTRIPS, ChanActive, true);
  showEntries();
}
void UpdateSolos() { updateFlags(SoloCol, VCA_STRIP, SoloArray, false); }
void UpdateMutes() { updateFlags(MuteCol, VCA_STRIP, MuteArray, false); }

void UpdatePan() {
  int b = CurrentBank();
  for (int k = 1; k <= NSTRIPS; k++) {
    int s = StripSlot(k, b);
    if (s >= 0) (*PanCol[k])->value(Pan[s]);
  }
}

// Numbers 1..10 of the bank's channels; strips 11 and 12 show the bank itself.
void UpdateDisplayNumbers() {
  int b = CurrentBank();
  for (int k = 1; k <= 10; k++) (*NumCol[k])->value(StripSlot(k, b));
  (*NumCol[SUB_STRIP])->value(b);
  (*NumCol[VCA_STRIP])->value(b);
}

void StageVolPlateUpdate() {
  UpdateIndexActive();
  UpdateChannelActive();
  UpdateTime();
  UpdateVolumes();
  UpdatePan();
  UpdateMutes();
  UpdateSolos();
  UpdateDisplayNumbers();
  UpdateCueName();
  UpdateNames();
  UpdateOffset();
  UpdateRamp();
  UpdateShape();
}
