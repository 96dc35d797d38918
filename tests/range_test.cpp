// Edits of many cells at once, text in and text out: a selection typed, an edit
// of it, and the cells shown as a grid of the five per-cue tables.
#include <functional>

#include "filetest.h"
#include "range/range.h"

namespace {

// A small known mix: time indexes 1, 2, 4 and 5 in use; 3 not, though it holds entries.
struct Mark { int slot, timeIndex, entry; float volume, offset, ramp, shape; };
const Mark mix[] = {
    {1, 1, 1, -10, 0, 0, 1},  {1, 2, 1, -10, 0, 0, 1},    {1, 3, 1, -20, 0, 0, 1},  {1, 4, 1, -8, 0, 1, 1},
    {1, 5, 0, -3, 0, 0, 1},   {2, 2, 1, -6, 1, 0, 1},     {2, 3, 1, -1, 0, 0, 1},   {2, 4, 1, -6, 1, 0, 1},
    {2, 5, 1, -6, 0, 0, 2},   {3, 1, 0, -4, 0, 0, 1},     {3, 2, 1, 11.5, 0, 0, 1}, {3, 4, 1, -143.5, 0, 0, 1},
    {VcaSlot(8), 5, 1, 3, 0, 0, 1}, {MASTER, 1, 1, 2, 0, 0, 1}, {MASTER, 3, 1, -30, 0, 0, 1},
    {MASTER, 4, 0, -2, 0, 0, 1}};
const int shownSlots[] = {1, 2, 3, VcaSlot(8), MASTER};
const char *const shownNames[] = {"1", "2", "3", "V8", "M"};

// The shown rows at time indexes 1..5: "-6" an entry, "(-6)" a cell without one,
// "." an empty cell; "o", "r", "s" add an offset, ramp or shape other than the default.
std::string Grid() {
  std::string out;
  char cell[64];
  for (int r = 0; r < 5; r++) {
    out += shownNames[r] + std::string(":");
    for (int k = 0; k < 5; k++) {
      int i = Entry(shownSlots[r], k);
      int n = snprintf(cell, sizeof cell, ChanActive[i] ? " %g" : " (%g)", Volume[i]);
      for (auto m : {std::make_pair('o', Offset[i]), {'r', Ramp[i]}, {'s', Shape[i] - 1}})
        if (m.second != 0) n += snprintf(cell + n, sizeof cell - n, "%c%g", m.first, m.first == 's' ? Shape[i] : m.second);
      out += strcmp(cell, " (0)") ? cell : " .";
    }
    out += "\n";
  }
  return out;
}

class RangeTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    for (int k : {0, 1, 3, 4}) IndexActiveArray[k] = 1;
    for (const Mark &m : mix) {
      int i = Entry(m.slot, m.timeIndex - 1);
      ChanActive[i] = m.entry, Volume[i] = m.volume, Offset[i] = m.offset, Ramp[i] = m.ramp, Shape[i] = m.shape;
    }
  }
};

CellBlock block;
CellRange onto;  // where the last paste went
int left;        // and the cells it left out
CellRange Range(const char *text) {
  CellRange r{};
  char error[256];
  EXPECT_TRUE(ReadCellRange(text, r, error, sizeof error)) << error;
  return r;
}
int Paste(const CellRange &r, bool merge) {
  RangeCopy(Range("2-3 @ 1-2"), block);
  return RangePaste(r, block, merge, left, onto);
}

struct Edit {
  const char *what, *selection;
  std::function<int(const CellRange &)> run;
  int cells, left;
  const char *grid;  // rows 1, 2 and 3, V8, M
};
const Edit edits[] = {
    {"level", "1-3 @ 1-4", [](const CellRange &r) { return RangeSetLevel(r, -6); }, 9, 0,
     "1: -6 -6 -20 -6r1 (-3)\n2: -6 -6o1 -1 -6o1 -6s2\n3: -6 -6 . -6 .\nV8: . . . . 3\nM: 2 . -30 (-2) .\n"},
    {"trim up, kept at 12", "1-3 @ 1-4", [](const CellRange &r) { return RangeTrim(r, 1); }, 7, 0,
     "1: -9 -9 -20 -7r1 (-3)\n2: . -5o1 -1 -5o1 -6s2\n3: (-4) 12 . -142.5 .\nV8: . . . . 3\nM: 2 . -30 (-2) .\n"},
    {"trim down, kept at -144", "3 @ 1-5", [](const CellRange &r) { return RangeTrim(r, -1); }, 2, 0,
     "1: -10 -10 -20 -8r1 (-3)\n2: . -6o1 -1 -6o1 -6s2\n3: (-4) 10.5 . -144 .\nV8: . . . . 3\nM: 2 . -30 (-2) .\n"},
    {"add: the previous entry's level among cues in use, else the cell's own", "1-3,M @ 1-5", RangeAddEntries, 7, 0,
     "1: -10 -10 -20 -8r1 -8\n2: 0 -6o1 -1 -6o1 -6s2\n3: -4 11.5 . -143.5 -143.5\nV8: . . . . 3\nM: 2 2 -30 2 2\n"},
    {"remove, values kept", "2,M @ 2-5", RangeRemoveEntries, 3, 0,
     "1: -10 -10 -20 -8r1 (-3)\n2: . (-6)o1 -1 (-6)o1 (-6)s2\n3: (-4) 11.5 . -143.5 .\nV8: . . . . 3\nM: 2 . -30 (-2) .\n"},
    {"remove redundant", "1-3 @ 1-5", RangeRemoveRedundant, 2, 0,
     "1: -10 (-10) -20 -8r1 (-3)\n2: . -6o1 -1 (-6)o1 -6s2\n3: (-4) 11.5 . -143.5 .\nV8: . . . . 3\nM: 2 . -30 (-2) .\n"},
    {"paste at the last column, onto other kinds of rows", "V8 @ 5", [](const CellRange &r) { return Paste(r, false); }, 2, 2,
     "1: -10 -10 -20 -8r1 (-3)\n2: . -6o1 -1 -6o1 -6s2\n3: (-4) 11.5 . -143.5 .\nV8: . . . . .\nM: 2 . -30 (-2) (-4)\n"},
    {"paste merge at the last row", "M @ 4", [](const CellRange &r) { return Paste(r, true); }, 1, 2,
     "1: -10 -10 -20 -8r1 (-3)\n2: . -6o1 -1 -6o1 -6s2\n3: (-4) 11.5 . -143.5 .\nV8: . . . . 3\nM: 2 . -30 (-2) -6o1\n"},
};

TEST_F(RangeTest, EachEditSetsTheSelectedCellsAndNothingElse) {
  const std::string before = Model();
  const std::vector<float> volume(Volume, Volume + NSLOTS * NCUES), offset(Offset, Offset + NSLOTS * NCUES),
      ramp(Ramp, Ramp + NSLOTS * NCUES), shape(Shape, Shape + NSLOTS * NCUES);
  const std::vector<int> entry(ChanActive, ChanActive + NSLOTS * NCUES);
  for (const Edit &e : edits) {
    SCOPED_TRACE(e.what);
    CellRange r = Range(e.selection);
    onto = CellRange{}, left = 0;
    EXPECT_EQ(e.run(r), e.cells);
    EXPECT_EQ(left, e.left);
    EXPECT_EQ(Grid(), e.grid);
    // Put back the cells inside: the model is then as it was.
    for (int row = 0; row < NSLOTS; row++)
      for (int k = 0; k < NCUES; k++)
        if ((r.row[row] && r.cue[k]) || (onto.row[row] && onto.cue[k])) {
          int i = Entry(MapRowSlot(row), k);
          Volume[i] = volume[i], Offset[i] = offset[i], Ramp[i] = ramp[i], Shape[i] = shape[i], ChanActive[i] = entry[i];
        }
    EXPECT_EQ(Changed(before), "");
  }
}

TEST_F(RangeTest, TypedSelectionsReadOrAreRefusedWithWhereAndWhy) {
  for (int k = 0; k < NCUES; k++) IndexActiveArray[k] = k != 29;  // time index 30 not in use
  const struct { const char *text, *read; } texts[] = {
      {"1-20,G1 @ 10-40", "1-20,G1 @ 10-40: 21 channels x 30 cues"},
      {"13@5", "13 @ 5: 1 channel x 1 cue"},
      {" g1-8, v1-V8 ,m @ 5, 7,9 ", "G1-8,V1-8,M @ 5,7,9: 17 channels x 3 cues"},
      {"127,G 2-G3,1 @ 512,29-31", "1,127,G2-3 @ 29-31,512: 4 channels x 3 cues"},
      {"128 @ 1", "Not a selection at column 1 (\"128\"): channels are 1 to 127"},
      {"1, G9 @ 1", "Not a selection at column 4 (\"G9\"): submixes are G1 to G8"},
      {"V0 @ 1", "Not a selection at column 1 (\"V0\"): VCAs are V1 to V8"},
      {"20-1 @ 1", "Not a selection at column 1 (\"20-1\"): a range goes from the lower number to the higher"},
      {"G1-V3 @ 1", "Not a selection at column 1 (\"G1-V3\"): a range stays within one kind of slot"},
      {"1-20", "Not a selection at column 5: no \"@\" before the time indexes"},
      {"1 @ 0", "Not a selection at column 5 (\"0\"): time indexes are 1 to 512"},
      {"1 @ 5, 513", "Not a selection at column 8 (\"513\"): time indexes are 1 to 512"},
      {"kick @ 1", "Not a selection at column 1 (\"kick\"): not a slot"},
      {"1 @ 2x", "Not a selection at column 5 (\"2x\"): not a time index"},
      {"1 @ 30", "Not a selection at column 5 (\"30\"): none of these time indexes is in use"},
      {"", "Not a selection at column 1: not a slot"},
  };
  for (auto &t : texts) {
    CellRange r{};
    r.row[0] = r.cue[0] = true;  // a refused text leaves it
    char error[256], size[64];
    DescribeRange(r, size, sizeof size);
    std::string read = ReadCellRange(t.text, r, error, sizeof error) ? RangeText(r) + ": " : std::string(error);
    if (read.back() == ' ') DescribeRange(r, size, sizeof size), read += size;
    EXPECT_EQ(read, t.read) << t.text;
    EXPECT_EQ(RangeText(r) == "1 @ 1", read.rfind("Not", 0) == 0) << t.text;
  }
}

}  // namespace
