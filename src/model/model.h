// The console model: plain global tables of fixed size, reached by name.
#ifndef CORVESSA_MODEL_H
#define CORVESSA_MODEL_H

#include <cstddef>
#include <string>

enum {
  NSLOTS = 144,     // channel slots: the master, the channels, the submixes, the VCAs
  NCUES = 512,      // time indexes
  NGROUPS = 8,      // submixes, VCAs, and the columns of every effect table
  NROWS = 128,      // routing rows: row r is channel r + 1
  MASTER = 0,       // the master's slot
  NCHANNELS = 127,  // regular channel n is slot n, 1..127
  FIRST_SUB = 128,  // slots of submixes 1..8
  FIRST_VCA = 136   // slots of VCAs 1..8; the slots below it are those faders.txt carries
};

inline int SubSlot(int n) { return FIRST_SUB - 1 + n; }  // submix n, 1..8
inline int VcaSlot(int n) { return FIRST_VCA - 1 + n; }  // VCA n, 1..8

// The channel bank of the faders window that shows a slot (banks of ten channels,
// submix and VCA n in bank n), 0 for one that no bank or every bank shows.
inline int SlotBank(int slot) {
  if (slot >= 1 && slot <= 120) return (slot - 1) / 10 + 1;
  if (slot >= FIRST_SUB) return (slot - FIRST_SUB) % NGROUPS + 1;
  return 0;
}

// Per-cue channel tables, slot-major: slot s at cue k is element Entry(s, k).
inline int Entry(int slot, int cue) { return slot * NCUES + cue; }
extern float Volume[NSLOTS * NCUES], Offset[NSLOTS * NCUES], Ramp[NSLOTS * NCUES],
    Shape[NSLOTS * NCUES];
extern int ChanActive[NSLOTS * NCUES];

// Cue times and in-use flags.
extern float IndexMin[NCUES], IndexSec[NCUES], IndexMsec[NCUES];
extern int IndexActiveArray[NCUES];

// Per-slot values.
extern float Pan[NSLOTS];
extern int SoloArray[NSLOTS], MuteArray[NSLOTS];

// Routing, row-major: row r, column s is element r * NGROUPS + s.
extern int SubAsn[NROWS * NGROUPS], SubOn[NGROUPS], VcaAsn[NROWS * NGROUPS], VcaOn[NGROUPS];

// Effect tables, row-major: slot s, column c is element s * NGROUPS + c; column 0 is the on flag.
extern float Pcomp[NSLOTS * NGROUPS], Prms[NSLOTS * NGROUPS], Pnlc[NSLOTS * NGROUPS],
    Plim[NSLOTS * NGROUPS], Pfxg[NSLOTS * NGROUPS], Php[NSLOTS * NGROUPS],
    Plshelf[NSLOTS * NGROUPS], Pband1[NSLOTS * NGROUPS], Pband2[NSLOTS * NGROUPS],
    Phshelf[NSLOTS * NGROUPS], Prev[NSLOTS * NGROUPS], Ptrev[NSLOTS * NGROUPS];

// Global reverb settings.
extern float Prtn[2], Ptrtn[3], Prhp[2], Prlp[2], Prev_width, Prev_position[3];

// Names.
extern char NameBuffer[NSLOTS][128], CueNameBuffer[NCUES][64], MixName[128];

// Preferences.
extern char Path[256], WavDirName[256], MixDirName[256], LaunchCommand[256], DeviceName[32];
extern int PlayMode, OutbitsStore, DitherBits, monoOn, PreviewOn, color, CNL;
extern float PanlawStore, PreviewArray[4], XinArray[3], XoutArray[3], HeadTailArray[2];

// The program's name and version, the start-up banner of the status line.
#define CORVESSA_VERSION "Corvessa 1.065"

// What a window takes of a value: lo to hi. A file may hold more; the readers
// keep it and hint at it.
struct Accepted {
  float lo, hi;
};
const Accepted AcceptedVolume = {-144, 12}, AcceptedPan = {-100, 100}, AcceptedShape = {0.125f, 8};

// The twelve effects, in the order of a channel's records in faders.txt.
struct Effect {
  const char *key;          // its file keyword
  const char *label;        // its name in the effects window
  float *table;             // its model table, slot s in row s
  int values;               // the parameter columns 1..values it carries
  float defaults[NGROUPS];  // a row's columns 0, 1, 2, ... at start-up
  Accepted accepts[4];      // of columns 1..values, by the effects window
};

// The reverb window's global settings, each one value, and what the window takes.
struct ReverbSetting {
  const char *name;
  float *value;
  Accepted accepts;
};
extern const ReverbSetting ReverbSettings[];
extern const int NREVERBSETTINGS;
// The setting that holds value, or nullptr.
const ReverbSetting *ReverbSettingOf(const float *value);
enum {
  FX_HP, FX_COMP, FX_RMS, FX_NLC, FX_LIM, FX_BAND1, FX_BAND2, FX_HSHELF, FX_LSHELF,
  FX_REV, FX_TREV, FX_FXG, NEFFECTS
};
extern const Effect Effects[NEFFECTS];   // element FX_COMP is "comp", ...
extern const int MasterOrder[NEFFECTS];  // the master's records: "fxg" before the sends

// Every table of the mix, for whole-model work (comparison, undo): its name in
// the user's words, where it is, and how an element index reads to a user.
enum TableShape {
  PER_CUE,     // per slot and cue: "volume of channel 13 at time index 5"
  PER_SLOT,    // "pan of channel 13"
  EFFECT_ROW,  // per slot and column: "Peak Comp of channel 13"
  ROUTING,     // per channel row and group: "submix 2 assignment of channel 14"
  GROUPS,      // per group: "submix 2 in use"
  CUES,        // per cue: "time of time index 5"
  VALUES       // a setting of one or a few values: "pan law"
};
// The files that carry a table, as bits.
enum { FADER_FILE = 1, TRACKS_FILE = 2, PREFS_FILE = 4 };
// What an element holds.
enum ValueKind {
  FLOAT,    // a 32-bit float
  FLAG,     // a 32-bit int, 1 on and 0 off
  WHOLE,    // a 32-bit int
  TEXT,     // a zero-ended text in a row
  FLAGGED   // 32-bit floats, the first of each row (an effect's, or a reverb filter's) its on flag
};
struct ModelTable {
  const char *name;
  void *address;
  int size;   // bytes of one element (a whole row for names)
  int count;  // elements
  TableShape shape;
  int files;  // the files that carry it: settings that no file carries count as preferences
  ValueKind kind;
  int decimals;  // of a float as the files write it
};
extern const ModelTable ModelTables[];
extern const int NMODELTABLES;
// A slot in the user's words: "channel 13", "submix 2", "VCA 1", "the master".
std::string SlotName(int slot);
// What element i of table t is, in the user's words.
std::string DescribeElement(const ModelTable &t, int i);
// The whole model's bytes laid end to end, table after table.
size_t ModelSize();

// Status text shown in the control window.
extern char tbuffer[256];

// Sets every table to its default.
void ClearInternalArrays();
// The model as the program starts: every table at its default, the head, tail
// and colour too (which ClearInternalArrays leaves as they are).
void StartUpModel();

// The cue list edits at cue c. Insert: an empty cue at c, the cues after it one
// later (the last is lost). Remove: the cues after c one earlier, the last left
// empty. Both move a cue's entries, time, Active flag and name together.
// Propagate: cue c's entries, flag and time copied over cue c + 1, whose name stays.
void InsertCue(int c);
void RemoveCue(int c);
void PropagateCue(int c);

// The cue of slot's last entry before cue, among the cues in use: where the level
// in force at cue comes from. -1 for none.
int LastEntryBefore(int slot, int cue);

// A cue's time as the faders window's three fields read together: minutes, then
// the seconds with the milliseconds added, "0:15.000", "1:30.250". Nothing is
// carried into the minutes: 75 seconds read "0:75.000".
std::string CueTimeText(double min, double sec, double msec);

// Copies src into a name row of size n, cut to fit at a whole UTF-8 character;
// tabs, line feeds and carriage returns become spaces so that a name can never
// break a record.
void CopyName(char *dst, const char *src, int n);
// The same for the text src..src + len, which need not end in a zero byte; a zero
// byte in it becomes a space.
void CopyName(char *dst, const char *src, size_t len, int n);

#endif
