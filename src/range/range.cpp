// Edits of many cells at once. Each walks the selected rows along the cues in use,
// the map's columns, and sets the five per-cue tables of the cells it changes.
#include "range/range.h"

#include <algorithm>
#include <cstdio>

namespace {

// Calls f(i, prev) for each selected cell: i is its element of the per-cue tables,
// prev that of the row's last entry before it as the row stood before (-1 for
// none). Returns the sum of what f returned.
template <class F>
int eachCell(const CellRange &r, F f) {
  int cols[NCUES], n = CuesInUse(cols), set = 0;
  for (int row = 0; row < NSLOTS; row++) {
    if (!r.row[row]) continue;
    int prev = -1;
    for (int c = 0; c < n; c++) {
      int i = Entry(MapRowSlot(row), cols[c]);
      bool entry = ChanActive[i] == 1;
      if (r.cue[cols[c]]) set += f(i, prev);
      if (entry) prev = i;
    }
  }
  return set;
}

Cell cellAt(int i) { return {Volume[i], Offset[i], Ramp[i], Shape[i], ChanActive[i]}; }
void setCell(int i, const Cell &c) {
  Volume[i] = c.volume, Offset[i] = c.offset, Ramp[i] = c.ramp, Shape[i] = c.shape, ChanActive[i] = c.entry;
}

const char *plural(int n, const char *one, const char *more) { return n == 1 ? one : more; }

}  // namespace

float ClampVolume(float db) { return std::max(AcceptedVolume.lo, std::min(AcceptedVolume.hi, db)); }

int CuesInUse(int cols[NCUES]) {
  int n = 0;
  for (int k = 0; k < NCUES; k++)
    if (IndexActiveArray[k] == 1) cols[n++] = k;
  return n;
}

int RangeRows(const CellRange &r) { return (int)std::count(r.row, r.row + NSLOTS, true); }

int RangeCues(const CellRange &r) {
  int n = 0;
  for (int k = 0; k < NCUES; k++) n += r.cue[k] && IndexActiveArray[k] == 1;
  return n;
}

void DescribeRange(const CellRange &r, char *out, int size) {
  int rows = RangeRows(r), cues = RangeCues(r);
  if (!rows || !cues)
    snprintf(out, size, "%s", "");
  else
    snprintf(out, size, "%i %s x %i %s", rows, plural(rows, "channel", "channels"), cues,
             plural(cues, "cue", "cues"));
}

int RangeSetLevel(const CellRange &r, float db) {
  db = ClampVolume(db);
  return eachCell(r, [db](int i, int) { return Volume[i] = db, ChanActive[i] = 1, 1; });
}

int RangeTrim(const CellRange &r, float db) {
  return eachCell(r, [db](int i, int) {
    if (ChanActive[i] != 1) return 0;
    Volume[i] = ClampVolume(Volume[i] + db);
    return 1;
  });
}

int RangeAddEntries(const CellRange &r) {
  return eachCell(r, [](int i, int prev) {
    if (ChanActive[i] == 1) return 0;
    if (prev >= 0) Volume[i] = Volume[prev];
    ChanActive[i] = 1;
    return 1;
  });
}

int RangeRemoveEntries(const CellRange &r) {
  return eachCell(r, [](int i, int) { return ChanActive[i] == 1 ? (ChanActive[i] = 0, 1) : 0; });
}

int RangeRemoveRedundant(const CellRange &r) {
  return eachCell(r, [](int i, int prev) {
    if (ChanActive[i] != 1 || prev < 0 || Volume[i] != Volume[prev] || Offset[i] != Offset[prev] ||
        Ramp[i] != Ramp[prev] || Shape[i] != Shape[prev])
      return 0;
    ChanActive[i] = 0;
    return 1;
  });
}

void RangeCopy(const CellRange &r, CellBlock &b) {
  int cols[NCUES], n = CuesInUse(cols), k = 0;
  b.cols = RangeCues(r);
  b.rows = b.cols ? RangeRows(r) : 0;
  for (int row = 0; row < NSLOTS && b.cols; row++)
    for (int c = 0; c < n && r.row[row]; c++)
      if (r.cue[cols[c]]) b.cells[k++] = cellAt(Entry(MapRowSlot(row), cols[c]));
}

int RangePaste(const CellRange &r, const CellBlock &b, bool merge, int &left, CellRange &onto) {
  int cols[NCUES], n = CuesInUse(cols);
  int row0 = int(std::find(r.row, r.row + NSLOTS, true) - r.row), col0 = 0;
  while (col0 < n && !r.cue[cols[col0]]) col0++;
  onto = CellRange{};
  left = 0;
  if (row0 == NSLOTS || col0 == n) return 0;
  int rows = std::min(b.rows, NSLOTS - row0), columns = std::min(b.cols, n - col0), set = 0;
  left = b.rows * b.cols - rows * columns;
  for (int i = 0; i < rows; i++) {
    onto.row[row0 + i] = true;
    for (int j = 0; j < columns; j++) {
      const Cell &c = b.cells[i * b.cols + j];
      onto.cue[cols[col0 + j]] = true;
      if (merge && c.entry != 1) continue;
      setCell(Entry(MapRowSlot(row0 + i), cols[col0 + j]), c);
      set++;
    }
  }
  return set;
}
