// The strip tables and the bank rule, shared by the faders window's sources.
#ifndef CORVESSA_FADERS_STRIP_H
#define CORVESSA_FADERS_STRIP_H

#include "faders/faders.h"
#include "model/model.h"

enum { NSTRIPS = 13, SUB_STRIP = 11, VCA_STRIP = 12, MASTER_STRIP = 13, NBROWSE = 10 };

// Column tables: element k holds the address of strip k's control (element 0 and
// the strips without that control hold null).
extern Fl_Button **const SoloCol[NSTRIPS + 1], **const MuteCol[NSTRIPS + 1],
    **const BrowseCol[NSTRIPS + 1], **const ACol[NSTRIPS + 1];
extern Fl_Value_Output **const NumCol[NSTRIPS + 1];
extern Fl_Input **const NameCol[NSTRIPS + 1];
extern Fl_Spinner **const VolCol[NSTRIPS + 1];
extern Fl_Value_Input **const OfsCol[NSTRIPS + 1], **const RampCol[NSTRIPS + 1],
    **const ShapeCol[NSTRIPS + 1], **const PanCol[NSTRIPS + 1];

// The current cue 0..511 and bank 1..12, read afresh from the spinners.
int CurrentCue();
int CurrentBank();
// The slot strip 1..13 edits in the bank, or -1 when the strip is unavailable.
int StripSlot(int strip, int bank);
inline int StripSlot(int strip) { return StripSlot(strip, CurrentBank()); }

// Says what the strip fields take, for the status line when one refuses a value.
void DescribeStrips();

// Narrows a control's value for the model; false when it is not a finite number.
bool ModelValue(double v, float &out);

#endif
