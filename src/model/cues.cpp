// The cue list edits: a cue inserted, removed or copied into the next, with
// everything that belongs to it: its entries, time, Active flag and name.
#include <cstdio>
#include <cstring>

#include "model/model.h"

namespace {

// The four per-cue value tables, and the values of a cue without entries.
float *const ChannelFloats[] = {Volume, Ramp, Shape, Offset};
const float EmptyFloats[] = {0, 0, 1, 0};

// Moves n cues from `from` to `to` in every row of a slot-major table, in place.
template <class T>
void moveCues(T *table, int from, int to, int n) {
  for (int s = 0; s < NSLOTS; s++) memmove(table + Entry(s, to), table + Entry(s, from), n * sizeof(T));
}

template <class T>
void moveValues(T *values, int from, int to, int n) {
  memmove(values + to, values + from, n * sizeof *values);
}

// Moves n cues from `from` to `to`: their entries, time, flag and name.
void moveAll(int from, int to, int n) {
  if (n <= 0) return;
  for (float *t : ChannelFloats) moveCues(t, from, to, n);
  moveCues(ChanActive, from, to, n);
  moveValues(IndexActiveArray, from, to, n);
  for (float *t : {IndexMin, IndexSec, IndexMsec}) moveValues(t, from, to, n);
  moveValues(CueNameBuffer, from, to, n);
}

// Cue c without entries, time, flag or name.
void emptyCue(int c) {
  for (int s = 0; s < NSLOTS; s++) {
    for (int t = 0; t < 4; t++) ChannelFloats[t][Entry(s, c)] = EmptyFloats[t];
    ChanActive[Entry(s, c)] = 0;
  }
  IndexActiveArray[c] = 0;
  IndexMin[c] = IndexSec[c] = IndexMsec[c] = 0;
  CueNameBuffer[c][0] = 0;
}

}  // namespace

void InsertCue(int c) {
  if (c < 0 || c >= NCUES) return;
  moveAll(c, c + 1, NCUES - 1 - c);
  emptyCue(c);
}

void RemoveCue(int c) {
  if (c < 0 || c >= NCUES) return;
  moveAll(c + 1, c, NCUES - 1 - c);
  emptyCue(NCUES - 1);
}

void PropagateCue(int c) {
  if (c < 0 || c + 1 >= NCUES) return;
  for (float *t : ChannelFloats) moveCues(t, c, c + 1, 1);
  moveCues(ChanActive, c, c + 1, 1);
  moveValues(IndexActiveArray, c, c + 1, 1);
  for (float *t : {IndexMin, IndexSec, IndexMsec}) moveValues(t, c, c + 1, 1);
}

std::string CueTimeText(double min, double sec, double msec) {
  char text[96];
  snprintf(text, sizeof text, "%g:%06.3f", min, sec + msec / 1000);
  return text;
}

int LastEntryBefore(int slot, int cue) {
  if (slot < 0 || slot >= NSLOTS || cue > NCUES) return -1;
  for (int k = cue - 1; k >= 0; k--)
    if (IndexActiveArray[k] && ChanActive[Entry(slot, k)]) return k;
  return -1;
}
