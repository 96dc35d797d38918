// The current cue: its time and active flag, and the cue list edits.
#include <FL/Fl_Button.H>
#include <FL/Fl_Value_Input.H>

#include <cstring>

#include "faders/strip.h"
#include "status/status.h"
#include "undo/undo.h"

namespace {

// The five per-cue channel tables, moved together with their cue.
float *const ChannelFloats[] = {Volume, Ramp, Shape, Offset};
const float EmptyFloats[] = {0, 0, 1, 0};  // volume, ramp, shape, offset of an empty cue

// Moves n cues of every row of a slot-major table from cue `from` to cue `to`, in place.
template <class T>
void moveCues(T *table, int from, int to, int n) {
  if (n <= 0) return;
  for (int s = 0; s < NSLOTS; s++)
    memmove(table + Entry(s, to), table + Entry(s, from), n * sizeof(T));
}

// Moves the cue's own values (active flag and time) likewise.
void moveCueValues(int from, int to, int n) {
  if (n <= 0) return;
  memmove(IndexActiveArray + to, IndexActiveArray + from, n * sizeof IndexActiveArray[0]);
  memmove(IndexMin + to, IndexMin + from, n * sizeof IndexMin[0]);
  memmove(IndexSec + to, IndexSec + from, n * sizeof IndexSec[0]);
  memmove(IndexMsec + to, IndexMsec + from, n * sizeof IndexMsec[0]);
}

// Moves n cues from `from` to `to`: every channel table and the cue values.
void moveAll(int from, int to, int n) {
  for (float *t : ChannelFloats) moveCues(t, from, to, n);
  moveCues(ChanActive, from, to, n);
  moveCueValues(from, to, n);
}

// After a cue list edit: what moved with the cues.
void refreshAfterEdit() {
  UpdateVolumes();
  UpdateOffset();
  UpdateRamp();
  UpdateShape();
  UpdateIndexActive();
  UpdateChannelActive();
  UpdateTime();
}

}  // namespace

void StoreTime() {
  int c = CurrentCue();
  float v;
  if (ModelValue(GuiMin->value(), v)) IndexMin[c] = v;
  if (ModelValue(GuiSec->value(), v)) IndexSec[c] = v;
  if (ModelValue(GuiMsec->value(), v)) IndexMsec[c] = v;
  ClearStatus();
}

void UpdateTime() {
  int c = CurrentCue();
  GuiMin->value(IndexMin[c]);
  GuiSec->value(IndexSec[c]);
  GuiMsec->value(IndexMsec[c]);
}

void IndexActiveToArray() {
  IndexActiveArray[CurrentCue()] = IndexActive->value() ? 1 : 0;
  ClearStatus();
}

void UpdateIndexActive() { IndexActive->value(IndexActiveArray[CurrentCue()] != 0); }

// An empty cue at the current one; the cues after it move one later, the last is lost.
void InsertIndex() {
  NameStep("Insert Index");
  int c = CurrentCue();
  moveAll(c, c + 1, NCUES - 1 - c);
  for (int s = 0; s < NSLOTS; s++) {
    for (int t = 0; t < 4; t++) ChannelFloats[t][Entry(s, c)] = EmptyFloats[t];
    ChanActive[Entry(s, c)] = 0;
  }
  IndexActiveArray[c] = 0;
  IndexMin[c] = IndexSec[c] = IndexMsec[c] = 0;
  refreshAfterEdit();
  SetStatus("Inserted new index %i", c + 1);
}

// The current cue goes; the cues after it move one earlier, the last stays as it was.
void RemoveIndex() {
  NameStep("Remove Index");
  ClearStatus();
  int c = CurrentCue();
  moveAll(c + 1, c, NCUES - 1 - c);
  refreshAfterEdit();
  SetStatus("Removed index %i", c + 1);
}

// The current cue copied over the next one, if there is one.
void Propagate() {
  NameStep("Propagate Index");
  int c = CurrentCue();
  if (c + 1 < NCUES) moveAll(c, c + 1, 1);
  refreshAfterEdit();
  SetStatus("Propagated index %i forward", c + 1);
}
