// Edits of many cells at once, text in and text out: a selection typed, an edit
// of it, and the cells it changed in the five per-cue tables.
#include <functional>

#include "filetest.h"
#include "range/range.h"

namespace {

// A small known mix: time indexes 1, 2, 4 and 5 in use; 3 not, though it holds entries.
const struct { int slot, timeIndex; Cell cell; } mix[] = {
    {1, 1, {-10, 0, 0, 1, 1}},  {1, 2, {-10, 0, 0, 1, 1}},  {1, 3, {-20, 0, 0, 1, 1}},    {1, 4, {-8, 0, 1, 1, 1}},
    {1, 5, {-3, 0, 0, 1, 0}},   {2, 2, {-6, 1, 0, 1, 1}},   {2, 3, {-1, 0, 0, 1, 1}},     {2, 4, {-6, 1, 0, 1, 1}},
    {2, 5, {-6, 0, 0, 2, 1}},   {3, 1, {-4, 0, 0, 1, 0}},   {3, 2, {11.5, 0, 0, 1, 1}},   {3, 4, {-143.5, 0, 0, 1, 1}},
    {VcaSlot(8), 5, {3, 0, 0, 1, 1}}, {MASTER, 1, {2, 0, 0, 1, 1}}, {MASTER, 3, {-30, 0, 0, 1, 1}},
    {MASTER, 4, {-2, 0, 0, 1, 0}}};

// The five per-cue tables, as the mix starts.
Cell start[NSLOTS * NCUES];
Cell Now(int i) { return {Volume[i], Offset[i], Ramp[i], Shape[i], ChanActive[i]}; }
void Lay(int i, const Cell &c) {
  Volume[i] = c.volume, Offset[i] = c.offset, Ramp[i] = c.ramp, Shape[i] = c.shape, ChanActive[i] = c.entry;
}

// The cells that changed, as they now are: "SLOT@TIME_INDEX VOLUME", in brackets
// without an entry; "o", "r", "s" add an offset, ramp or shape other than the default.
std::string Changes() {
  std::string out;
  char cell[96];
  for (int i = 0; i < NSLOTS * NCUES; i++) {
    Cell c = Now(i), s = start[i];
    if (!memcmp(&c, &s, sizeof c)) continue;
    int slot = i / NCUES, n = snprintf(cell, sizeof cell, c.entry ? "@%i %g" : "@%i (%g)", i % NCUES + 1, c.volume);
    for (auto m : {std::make_pair('o', c.offset), {'r', c.ramp}, {'s', c.shape - 1}})
      if (m.second != 0) n += snprintf(cell + n, sizeof cell - n, "%c%g", m.first, m.first == 's' ? c.shape : m.second);
    out += " " + (slot == MASTER ? "M" : slot >= FIRST_VCA ? "V" + std::to_string(slot - 135) : std::to_string(slot)) + cell;
  }
  return out;
}

class RangeTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    for (int k : {0, 1, 3, 4}) IndexActiveArray[k] = 1;
    for (auto &m : mix) Lay(Entry(m.slot, m.timeIndex - 1), m.cell);
    for (int i = 0; i < NSLOTS * NCUES; i++) start[i] = Now(i);
  }
};

CellRange Range(const char *text) {
  CellRange r{};
  char error[256];
  EXPECT_TRUE(ReadCellRange(text, r, error, sizeof error)) << error;
  return r;
}
// Pastes the block of channels 2 and 3 at time indexes 1 and 2: the cells set and left out.
std::string Paste(const CellRange &r, bool merge) {
  static CellBlock block;
  CellRange onto;
  int left, set = (RangeCopy(Range("2-3 @ 1-2"), block), RangePaste(r, block, merge, left, onto));
  return std::to_string(set) + " set, " + std::to_string(left) + " left out, onto " + RangeText(onto);
}
template <int (*F)(const CellRange &, float), int DB>
std::string By(const CellRange &r) { return std::to_string(F(r, DB)) + " set"; }
template <int (*F)(const CellRange &)>
std::string Set(const CellRange &r) { return std::to_string(F(r)) + " set"; }

const struct {
  const char *selection;
  std::function<std::string(const CellRange &)> edit;
  const char *did, *changes;
} edits[] = {
    {"1-3 @ 1-4", By<RangeSetLevel, -7>, "9 set", " 1@1 -7 1@2 -7 1@4 -7r1 2@1 -7 2@2 -7o1 2@4 -7o1 3@1 -7 3@2 -7 3@4 -7"},
    {"1-3 @ 1-4", By<RangeTrim, 1>, "7 set", " 1@1 -9 1@2 -9 1@4 -7r1 2@2 -5o1 2@4 -5o1 3@2 12 3@4 -142.5"},
    {"3 @ 1-5", By<RangeTrim, -1>, "2 set", " 3@2 10.5 3@4 -144"},
    // The level in force: the last entry at an earlier cue in use, else the cell's own.
    {"1-3,M @ 1-5", Set<RangeAddEntries>, "7 set", " M@2 2 M@4 2 M@5 2 1@5 -8 2@1 0 3@1 -4 3@5 -143.5"},
    {"2,M @ 2-5", Set<RangeRemoveEntries>, "3 set", " 2@2 (-6)o1 2@4 (-6)o1 2@5 (-6)s2"},
    {"1-3 @ 1-5", Set<RangeRemoveRedundant>, "2 set", " 1@2 (-10) 2@4 (-6)o1"},
    {"V8 @ 5", [](const CellRange &r) { return Paste(r, false); }, "2 set, 2 left out, onto V8,M @ 5", " M@5 (-4) V8@5 (0)"},
    {"M @ 4", [](const CellRange &r) { return Paste(r, true); }, "1 set, 2 left out, onto M @ 4-5", " M@5 -6o1"},
};

TEST_F(RangeTest, EachEditSetsTheSelectedCellsAndNothingElse) {
  const std::string before = Model();
  for (auto &e : edits) {
    EXPECT_EQ(e.edit(Range(e.selection)), e.did) << e.selection;
    EXPECT_EQ(Changes(), e.changes) << e.selection;
    for (int i = 0; i < NSLOTS * NCUES; i++) Lay(i, start[i]);
    EXPECT_EQ(Changed(before), "") << e.selection;
  }
}

TEST_F(RangeTest, TypedSelectionsReadOrAreRefusedWithWhereAndWhy) {
  for (int k = 0; k < NCUES; k++) IndexActiveArray[k] = k != 29;  // time index 30 not in use
  const struct { const char *text, *read; } texts[] = {
      {"1-20,G1 @ 10-40", "1-20,G1 @ 10-40: 21 channels x 30 cues"},
      {" g1-8, v1-V8 ,m @ 5, 7,9 ", "G1-8,V1-8,M @ 5,7,9: 17 channels x 3 cues"},
      {"127,G 2-G3,1 @ 512,29-31", "1,127,G2-3 @ 29-31,512: 4 channels x 3 cues"},
      {"128 @ 1", "Not a selection at column 1 (\"128\"): channels are 1 to 127"},
      {"1, G9 @ 1", "Not a selection at column 4 (\"G9\"): submixes are G1 to G8"},
      {"20-1 @ 1", "Not a selection at column 1 (\"20-1\"): a range goes from the lower number to the higher"},
      {"1-20", "Not a selection at column 5: no \"@\" before the time indexes"},
      {"1 @ 5, 513", "Not a selection at column 8 (\"513\"): time indexes are 1 to 512"},
      {"kick @ 1", "Not a selection at column 1 (\"kick\"): not a slot"},
  };
  for (auto &t : texts) {
    CellRange r = Range("1 @ 1");  // a refused text leaves it
    char error[256], size[64];
    bool read = ReadCellRange(t.text, r, error, sizeof error);
    DescribeRange(r, size, sizeof size);
    EXPECT_EQ(read ? RangeText(r) + ": " + size : std::string(error), t.read) << t.text;
    EXPECT_EQ(RangeText(r) == "1 @ 1", !read) << t.text;
  }
}

}  // namespace
