#include "mixes.h"

#include <cstdio>
#include <cstring>

#include "model/model.h"

namespace {

void name127(char *row, int n) {
  memset(row, 'a' + n % 26, 127);
  row[127] = 0;
}

}  // namespace

void BuildTypicalMix() {
  ClearInternalArrays();
  for (int s = 1; s <= 64; s++) snprintf(NameBuffer[s], sizeof NameBuffer[s], "Track %02i", s);
  for (int k = 0; k < 200; k++) {
    IndexActiveArray[k] = 1;
    IndexSec[k] = k * 2.5f;
    for (int s = 1; s <= 64; s++)
      if ((s + k) % 4 == 0) {
        ChanActive[Entry(s, k)] = 1;
        Volume[Entry(s, k)] = -0.25f * ((s * 7 + k) % 96);
        if (k % 3 == 0) Ramp[Entry(s, k)] = 0.5f;
      }
  }
  for (int s = 0; s < FIRST_VCA; s++)
    for (const Effect &e : Effects) {
      if (s % 3 == 0) e.table[s * NGROUPS] = 1;
      for (int c = 1; c <= e.values; c++) {  // a value the effects window takes
        const Accepted &a = e.accepts[c - 1];
        e.table[s * NGROUPS + c] = a.lo + (a.hi - a.lo) * (s % 7) / 7;
      }
    }
  for (int r = 0; r < 64; r++) {
    SubAsn[r * NGROUPS + r % 4] = 1;
    VcaAsn[r * NGROUPS + r % 2] = 1;
  }
  for (int n = 0; n < 4; n++) SubOn[n] = 1;
  for (int n = 0; n < 2; n++) VcaOn[n] = 1;
  for (int s = 1; s <= 64; s++) Pan[s] = (s % 21) * 10.0f - 100;
}

void BuildMaximalMix() {
  ClearInternalArrays();
  for (int s = 0; s < NSLOTS; s++) name127(NameBuffer[s], s);
  name127(MixName, 0);
  for (int k = 0; k < NCUES; k++) {
    IndexActiveArray[k] = 1;
    IndexMin[k] = k / 60;
    IndexSec[k] = k % 60 + 0.125f;
    IndexMsec[k] = k;
    memset(CueNameBuffer[k], 'c', 63);
    CueNameBuffer[k][63] = 0;
  }
  for (int i = 0; i < NSLOTS * NCUES; i++) {
    ChanActive[i] = 1;
    Volume[i] = -0.01f * (i % 14400);
    Offset[i] = 0.001f * (i % 997 + 1);
    Ramp[i] = 0.002f * (i % 991 + 1);
    Shape[i] = 0.25f + 0.0005f * (i % 983);  // never 1.0, so always written
  }
  for (int s = 0; s < FIRST_VCA; s++)
    for (const Effect &e : Effects) e.table[s * NGROUPS] = 1;
  for (int i = 0; i < (NROWS - 1) * NGROUPS; i++) SubAsn[i] = VcaAsn[i] = 1;  // row 127 has no channel
  for (int n = 0; n < NGROUPS; n++) SubOn[n] = VcaOn[n] = 1;
  for (int s = 0; s < NSLOTS; s++) Pan[s] = s % 2 ? s % 100 + 1 : -(s % 100 + 1);  // never 0
  for (int s = FIRST_SUB; s < FIRST_VCA; s++) MuteArray[s] = SoloArray[s] = 1;
  Prlp[0] = Prhp[0] = 1;
}
