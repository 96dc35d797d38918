// Cells of the per-cue tables as the cue map lays them out (rows of slots by
// columns of cues in use), and the edits of many cells in one step.
#ifndef CORVESSA_RANGE_H
#define CORVESSA_RANGE_H

#include <string>

#include "model/model.h"

// Rows follow the faders window's order: channels 1..127, submixes 1..8, VCAs 1..8, the master.
inline int MapRowSlot(int row) { return row < NSLOTS - 1 ? row + 1 : MASTER; }
inline int MapSlotRow(int slot) { return slot == MASTER ? NSLOTS - 1 : slot - 1; }

// The cues in use, in order: the map's columns. Returns how many.
int CuesInUse(int cols[NCUES]);

// A selection: rows by cues. Only the cues in use count.
struct CellRange {
  bool row[NSLOTS];
  bool cue[NCUES];
};
int RangeRows(const CellRange &r);  // rows selected
int RangeCues(const CellRange &r);  // cues in use selected
// "20 channels x 31 cues", or "" when nothing is selected.
void DescribeRange(const CellRange &r, char *out, int size);

// The selection as typed: "1-20,G1 @ 10-40" ("" when nothing is selected).
std::string RangeText(const CellRange &r);
// Reads a typed selection: slots as the files name them, separated by commas
// ("13", "1-20", "G1", "G1-8", "V1-8", "M"), then "@" and time indexes
// ("10-40", "5,7,9"); time indexes not in use are left out. False for a text it
// cannot read, with what is wrong and where in error, and r left as it was.
bool ReadCellRange(const char *text, CellRange &r, char *error, int size);

// A volume kept within the range an entry may hold.
float ClampVolume(float db);

// Edits of every selected cell at a cue in use; each returns the cells it set.
int RangeSetLevel(const CellRange &r, float db);  // every cell: that volume, an entry
int RangeTrim(const CellRange &r, float db);      // every entry's volume moved by db
int RangeAddEntries(const CellRange &r);          // every other cell: an entry at the level in force
int RangeRemoveEntries(const CellRange &r);       // every entry: its flag off, its values kept
int RangeRemoveRedundant(const CellRange &r);     // entries equal to the slot's previous entry

// A block of cells copied: row i, column j is cells[i * cols + j].
struct Cell {
  float volume, offset, ramp, shape;
  int entry;
};
struct CellBlock {
  int rows, cols;
  Cell cells[NSLOTS * NCUES];
};
void RangeCopy(const CellRange &r, CellBlock &b);
// Lays b with its top-left corner on the range's top-left cell, over the rows and
// columns that follow it; a merge lays only b's entries. Returns the cells set;
// `left` gets b's cells past the map's end and `onto` the cells pasted over.
int RangePaste(const CellRange &r, const CellBlock &b, bool merge, int &left, CellRange &onto);

#endif
