// The current cue: its time and active flag, and the cue list edits.
#include <FL/Fl_Button.H>
#include <FL/Fl_Value_Input.H>


#include "faders/strip.h"
#include "status/status.h"
#include "undo/undo.h"

namespace {

// After a cue list edit: what moved with the cues, the cue's name too.
void refreshAfterEdit() {
  UpdateVolumes();
  UpdateOffset();
  UpdateRamp();
  UpdateShape();
  UpdateIndexActive();
  UpdateChannelActive();
  UpdateTime();
  UpdateCueName();
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

void ToggleActive() {
  IndexActive->value(!IndexActive->value());
  IndexActive->do_callback();
}

void UpdateIndexActive() { IndexActive->value(IndexActiveArray[CurrentCue()] != 0); }

// An empty cue at the current one; the cues after it move one later, the last is lost.
void InsertIndex() {
  NameStep("Insert Index");
  int c = CurrentCue();
  InsertCue(c);
  refreshAfterEdit();
  SetStatus("Inserted new index %i", c + 1);
}

// The current cue goes; the cues after it move one earlier, the last is left empty.
void RemoveIndex() {
  NameStep("Remove Index");
  ClearStatus();
  int c = CurrentCue();
  RemoveCue(c);
  refreshAfterEdit();
  SetStatus("Removed index %i", c + 1);
}

// The current cue copied over the next one, if there is one.
void Propagate() {
  NameStep("Propagate Index");
  int c = CurrentCue();
  PropagateCue(c);
  refreshAfterEdit();
  SetStatus("Propagated index %i forward", c + 1);
}
