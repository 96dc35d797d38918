#include "model/model.h"

#include <cstdio>
#include <cstring>

float Volume[NSLOTS * NCUES], Offset[NSLOTS * NCUES], Ramp[NSLOTS * NCUES], Shape[NSLOTS * NCUES];
int ChanActive[NSLOTS * NCUES];
float IndexMin[NCUES], IndexSec[NCUES], IndexMsec[NCUES];
int IndexActiveArray[NCUES];
float Pan[NSLOTS];
int SoloArray[NSLOTS], MuteArray[NSLOTS];
int SubAsn[NROWS * NGROUPS], SubOn[NGROUPS], VcaAsn[NROWS * NGROUPS], VcaOn[NGROUPS];
float Pcomp[NSLOTS * NGROUPS], Prms[NSLOTS * NGROUPS], Pnlc[NSLOTS * NGROUPS],
    Plim[NSLOTS * NGROUPS], Pfxg[NSLOTS * NGROUPS], Php[NSLOTS * NGROUPS],
    Plshelf[NSLOTS * NGROUPS], Pband1[NSLOTS * NGROUPS], Pband2[NSLOTS * NGROUPS],
    Phshelf[NSLOTS * NGROUPS], Prev[NSLOTS * NGROUPS], Ptrev[NSLOTS * NGROUPS];
float Prtn[2], Ptrtn[3], Prhp[2], Prlp[2], Prev_width, Prev_position[3];
char NameBuffer[NSLOTS][128], CueNameBuffer[NCUES][64], MixName[128];
char Path[256], WavDirName[256], MixDirName[256], LaunchCommand[256], DeviceName[32];
int PlayMode, OutbitsStore, DitherBits, monoOn, PreviewOn, color = 97, CNL;
float PanlawStore, PreviewArray[4], XinArray[3], XoutArray[3], HeadTailArray[2];
char tbuffer[256] = CORVESSA_VERSION;

namespace {

// Default row of each effect table: columns 0, 1, 2, ...
struct EffectDefault {
  float *table;
  float row[NGROUPS];
};

const EffectDefault effectDefaults[] = {
    {Pcomp, {0, 0, 10, 100, 1.5f}}, {Prms, {0, 0, 10, 100, 1.5f}}, {Pnlc, {0, 0, 300, 2}},
    {Plim, {0, 0}},                 {Pfxg, {0, 0}},                 {Php, {0, 100}},
    {Plshelf, {0, 500, 0, 1}},      {Pband1, {0, 500, 0, 1}},       {Pband2, {0, 2500, 0, 1}},
    {Phshelf, {0, 8000, 0, 1}},     {Prev, {0, 0}},                 {Ptrev, {0, 0}},
};

template <class T, int N>
void fill(T (&a)[N], T v) {
  for (T &x : a) x = v;
}

}  // namespace

void ClearInternalArrays() {
  CNL = 1;

  for (const EffectDefault &e : effectDefaults)
    for (int s = 0; s < NSLOTS; s++) memcpy(e.table + s * NGROUPS, e.row, sizeof e.row);
  Prtn[0] = 0, Prtn[1] = 150;
  Ptrtn[0] = 0, Ptrtn[1] = 150, Ptrtn[2] = 5;
  Prhp[0] = 0, Prhp[1] = 150;
  Prlp[0] = 0, Prlp[1] = 7000;
  Prev_width = 50;
  Prev_position[0] = 37, Prev_position[1] = 39, Prev_position[2] = 43;

  for (int s = 0; s < NROWS; s++) NameBuffer[s][0] = 0;
  for (int n = 1; n <= NGROUPS; n++) {
    snprintf(NameBuffer[127 + n], sizeof NameBuffer[0], "Submix %i", n);
    snprintf(NameBuffer[135 + n], sizeof NameBuffer[0], "VCA %i", n);
  }
  strcpy(NameBuffer[0], "Master");
  for (char *name : CueNameBuffer) name[0] = 0;
  Path[0] = MixDirName[0] = WavDirName[0] = LaunchCommand[0] = 0;
  strcpy(MixName, "MixFilename");
  strcpy(DeviceName, "default");

  fill(Volume, 0.0f);
  fill(Ramp, 0.0f);
  fill(Shape, 1.0f);
  fill(Offset, 0.0f);
  fill(Pan, 0.0f);
  fill(IndexMin, 0.0f);
  fill(IndexSec, 0.0f);
  fill(IndexMsec, 0.0f);
  fill(IndexActiveArray, 0);
  IndexActiveArray[0] = 1;
  fill(ChanActive, 0);
  fill(SoloArray, 0);
  fill(MuteArray, 0);
  fill(SubAsn, 0);
  fill(VcaAsn, 0);
  fill(SubOn, 0);
  fill(VcaOn, 0);

  PreviewOn = 0;
  monoOn = 0;
  fill(PreviewArray, 0.0f);
  fill(XinArray, 0.0f);
  fill(XoutArray, 0.0f);
  OutbitsStore = 24;
  PanlawStore = 3.0f;
  PlayMode = 0;
  DitherBits = 1;
}

void CopyName(char *dst, const char *src, int n) {
  int i = 0;
  for (; src && src[i] && i < n - 1; i++) {
    char c = src[i];
    dst[i] = (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  }
  if (src && src[i]) {
    // Cut: drop a UTF-8 character that no longer fits whole.
    int lead = i;
    while (lead > 0 && (dst[lead - 1] & 0xC0) == 0x80) lead--;
    unsigned char c = lead > 0 ? dst[lead - 1] : 0;
    int want = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (lead > 0 && i - (lead - 1) < want) i = lead - 1;
  }
  dst[i] = 0;
}
