// The cue map's selection and the edits of all of it at once: each edit is one
// undo step, named, as the status line says, by what it changed.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/fl_ask.H>

#include <cstdio>

#include "cuemap/cuemap.h"
#include "faders/faders.h"
#include "status/status.h"
#include "typed/typed.h"
#include "undo/undo.h"

CellRange MapSelection;

namespace {

CellBlock copied;  // the block Copy keeps, cols 0 before the first copy

// "37 entries", "1 cell".
const char *count(int n, const char *one, const char *more) {
  static char text[2][32];
  static int which;
  which ^= 1;
  snprintf(text[which], sizeof text[which], "%i %s", n, n == 1 ? one : more);
  return text[which];
}

bool selected() {
  if (RangeRows(MapSelection) && RangeCues(MapSelection)) return true;
  SetStatus("Select cells in the cue map first");
  return false;
}

// After an edit: its step's name, the status line, and the windows showing it.
void edited(const char *step) {
  RenameStep(step);
  StageVolPlateUpdate();
  CueMapCheck();
}

// Asks for an amount in dB, offering the last one given; false when none is given.
bool ask(const char *question, char *last, int size, float &db) {
  if (!selected()) return false;
  const char *text = fl_input("%s", last, question);
  double v;
  if (!text) return false;
  if (!TypedNumber(text, v)) {
    SetStatus("Not an amount in dB: \"%.40s\"", text);
    return false;
  }
  snprintf(last, size, "%s", text);
  db = (float)v;
  return true;
}

void askLevel() {
  static char last[32] = "0";
  float db;
  if (ask("Set the selected cells to (dB):", last, sizeof last, db)) SetSelectionLevel(db);
}

void askTrim() {
  static char last[32] = "-3";
  float db;
  if (ask("Trim the selected entries by (dB):", last, sizeof last, db)) TrimSelection(db);
}

void typeSelection() {
  MapSelectField->take_focus();
  MapSelectField->position(0, MapSelectField->size());
}

void paste(bool merge) {
  if (!selected()) return;
  if (!copied.cols) return SetStatus("Nothing copied yet");
  char step[96];
  int left;
  CellRange was = MapSelection;
  NameStep("paste");
  int n = RangePaste(was, copied, merge, left, MapSelection);
  const char *what = merge ? count(n, "entry", "entries") : count(n, "cell", "cells");
  snprintf(step, sizeof step, merge ? "paste merge of %s" : "paste of %s", what);
  if (left)
    SetStatus("Pasted %s; %s past the map's end left out", what, count(left, "cell", "cells"));
  else
    SetStatus("Pasted %s", what);
  CueMapSelectionChanged(was);  // the cells pasted over
  edited(step);
}

}  // namespace

Fl_Menu_Item MapEditMenu[] = {
    {"Set Level...", 'l', Call<askLevel>, 0, 0, 0, 0, 14, 0},
    {"Trim...", 't', Call<askTrim>, 0, 0, 0, 0, 14, 0},
    {"Add Entries", FL_Insert, Call<AddEntries>, 0, 0, 0, 0, 14, 0},
    {"Remove Entries", FL_Delete, Call<RemoveEntries>, 0, 0, 0, 0, 14, 0},
    {"Remove Redundant Entries", 'r', Call<RemoveRedundantEntries>, 0, FL_MENU_DIVIDER, 0, 0, 14, 0},
    {"Copy", FL_CTRL + 'c', Call<CopyCells>, 0, 0, 0, 0, 14, 0},
    {"Paste", FL_CTRL + 'v', Call<PasteCells>, 0, 0, 0, 0, 14, 0},
    {"Paste Merge", FL_CTRL + FL_SHIFT + 'v', Call<PasteCellsMerge>, 0, FL_MENU_DIVIDER, 0, 0, 14, 0},
    {"Select All", FL_CTRL + 'a', Call<SelectAllCells>, 0, 0, 0, 0, 14, 0},
    {"Select None", FL_Escape, Call<SelectNoCells>, 0, 0, 0, 0, 14, 0},
    {"Type a Selection", '/', Call<typeSelection>, 0, 0, 0, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0}};

bool SelectCells(const char *text) {
  char error[256];
  CellRange was = MapSelection;
  if (!ReadCellRange(text, MapSelection, error, sizeof error)) {
    SetStatus("%s", error);
    if (MapSelectSize) MapSelectSize->copy_label(error);
    return false;
  }
  CueMapSelectionChanged(was);
  DescribeRange(MapSelection, error, sizeof error);
  SetStatus("Selected %s", error);
  return true;
}

void SelectAllCells() {
  CellRange was = MapSelection;
  for (bool &r : MapSelection.row) r = true;
  for (int k = 0; k < NCUES; k++) MapSelection.cue[k] = IndexActiveArray[k] == 1;
  CueMapSelectionChanged(was);
}

void SelectNoCells() {
  CellRange was = MapSelection;
  MapSelection = CellRange{};
  CueMapSelectionChanged(was);
}

void SetSelectionLevel(float db) {
  if (!selected()) return;
  char step[96];
  db = ClampVolume(db);
  NameStep("level");
  const char *n = count(RangeSetLevel(MapSelection, db), "entry", "entries");
  snprintf(step, sizeof step, "level %.1f dB on %s", db, n);
  SetStatus("Set %s to %.1f dB", n, db);
  edited(step);
}

void TrimSelection(float db) {
  if (!selected()) return;
  char step[96];
  NameStep("trim");
  const char *n = count(RangeTrim(MapSelection, db), "entry", "entries");
  snprintf(step, sizeof step, "trim %+.1f dB of %s", db, n);
  SetStatus("Trimmed %s by %+.1f dB", n, db);
  edited(step);
}

namespace {

// An edit that adds or removes entries, as one undo step "verb N entries" and
// the status line "Done N entries".
void entriesEdit(const char *step, int (*edit)(const CellRange &), const char *one, const char *many,
                 const char *verb, const char *done) {
  if (!selected()) return;
  char text[96];
  NameStep(step);
  const char *n = count(edit(MapSelection), one, many);
  snprintf(text, sizeof text, "%s %s", verb, n);
  SetStatus("%s %s", done, n);
  edited(text);
}

}  // namespace

void AddEntries() { entriesEdit("add entries", RangeAddEntries, "entry", "entries", "add", "Added"); }
void RemoveEntries() { entriesEdit("remove entries", RangeRemoveEntries, "entry", "entries", "remove", "Removed"); }
void RemoveRedundantEntries() {
  entriesEdit("remove redundant entries", RangeRemoveRedundant, "redundant entry", "redundant entries", "remove",
              "Removed");
}

void CopyCells() {
  if (!selected()) return;
  RangeCopy(MapSelection, copied);
  char size[64];
  DescribeRange(MapSelection, size, sizeof size);
  SetStatus("Copied %s", size);
}

void PasteCells() { paste(false); }
void PasteCellsMerge() { paste(true); }
