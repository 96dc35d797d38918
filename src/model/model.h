// The console model: plain global tables of fixed size, reached by name.
#ifndef CORVESSA_MODEL_H
#define CORVESSA_MODEL_H

enum {
  NSLOTS = 144,   // channel slots: 0 master, 1..127 channels, 128..135 submixes, 136..143 VCAs
  NCUES = 512,    // time indexes
  NGROUPS = 8,    // submixes, VCAs, and the columns of every effect table
  NROWS = 128     // routing rows: row r is channel r + 1
};

// Per-cue channel tables, slot-major: slot s at cue k is element s * NCUES + k.
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

// Status text shown in the control window.
extern char tbuffer[256];

// Sets every table to its default.
void ClearInternalArrays();

// Copies src into a name row of size n, cut to fit at a whole UTF-8 character;
// tabs, line feeds and carriage returns become spaces so that a name can never
// break a record.
void CopyName(char *dst, const char *src, int n);

#endif
