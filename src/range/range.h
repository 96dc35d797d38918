// Cells of the per-cue tables as the cue map lays them out: rows of slots by
// columns of cues in use.
#ifndef CORVESSA_RANGE_H
#define CORVESSA_RANGE_H

#include "model/model.h"

// Rows follow the faders window's order: channels 1..127, submixes 1..8, VCAs 1..8, the master.
inline int MapRowSlot(int row) { return row < NSLOTS - 1 ? row + 1 : MASTER; }
inline int MapSlotRow(int slot) { return slot == MASTER ? NSLOTS - 1 : slot - 1; }

#endif
