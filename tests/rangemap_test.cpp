// The cue map's selection by mouse, keys and typed text, and each edit of it as
// one undo step that the status line names.
#include "testutil.h"

#include "cuemap/cuemap.h"
#include "undo/undo.h"

namespace {

// Cues 0, 2 and 5 in use: time indexes 1, 3 and 6, the map's three columns.
class RangeMapTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    for (int k : {0, 2, 5}) IndexActiveArray[k] = 1;
    for (int k : {0, 2}) ChanActive[Entry(1, k)] = 1, Volume[Entry(1, k)] = -10;
    ChanActive[Entry(2, 5)] = 1, Volume[Entry(2, 5)] = -6, Volume[Entry(3, 0)] = -4;
    UpdateGUI();
    CueMapWindow->resize(0, 0, 900, 1000);
    MapCellW = MAP_CELL_W, MapCellH = 6, MapRow0 = MapCol0 = 0;
    ShowCueMap();
    for (int i = 0; i < 200 && !CueMapWindow->visible(); i++) Fl::wait(0.01);
  }
  void TearDown() override { HideCueMap(), ConsoleTest::TearDown(); }
};

// The user's hand on the map: a press, drag or release at a cell, a row label
// (column -1) or a column head (slot -1); a key.
void Mouse(int event, int slot, int col, int state = 0) {
  int x, y, w, h;
  MapCellBox(MapSlotRow(slot < 0 ? 0 : slot), col < 0 ? 0 : col, x, y, w, h);
  Fl::e_x = col < 0 ? 20 : x + w / 2, Fl::e_y = slot < 0 ? 40 : y + h / 2, Fl::e_state = state;
  CueMap->handle(event);
}
void Key(int key, int state = 0) {
  Fl::e_keysym = key, Fl::e_state = state, Fl::e_text = (char *)"", Fl::e_length = 0;
  CueMap->handle(FL_KEYBOARD);
}
std::string Selected() { return std::string(MapSelectField->value()) + ": " + MapSelectSize->label(); }

TEST_F(RangeMapTest, SelectsByDragClickShiftLabelsHeadsKeysAndTypedText) {
  const std::string before = Model();
  const struct { std::function<void()> act; const char *selected; } steps[] = {
      {[] { Mouse(FL_PUSH, 4, 1), Mouse(FL_DRAG, 3, 2), Mouse(FL_DRAG, 2, 0), Mouse(FL_RELEASE, 2, 0); },
       "2-4 @ 1-3: 3 channels x 2 cues"},
      {[] { Mouse(FL_PUSH, 6, 2, FL_SHIFT), Mouse(FL_RELEASE, 6, 2); }, "4-6 @ 3-6: 3 channels x 2 cues"},
      {[] { Key(FL_Up, FL_SHIFT), Key(FL_Left, FL_SHIFT); }, "4-5 @ 3: 2 channels x 1 cue"},
      {[] { Mouse(FL_PUSH, 13, -1), Mouse(FL_DRAG, SubSlot(1), -1); }, "13-127,G1 @ 1-6: 116 channels x 3 cues"},
      {[] { Mouse(FL_PUSH, -1, 1), Mouse(FL_RELEASE, -1, 1); }, "1-127,G1-8,V1-8,M @ 3: 144 channels x 1 cue"},
      {[] { Key(FL_Escape); }, ": nothing selected"},
      {[] { Key('a', FL_CTRL); }, "1-127,G1-8,V1-8,M @ 1-6: 144 channels x 3 cues"},
      {[] { Key('/'), Set(MapSelectField, "G1-2, m @ 3-6"); }, "G1-2,M @ 3-6: 3 channels x 2 cues"},
  };
  for (auto &s : steps) {
    s.act();
    EXPECT_EQ(Selected(), s.selected);
  }
  EXPECT_EQ(Fl::focus(), CueMap);  // Enter took the keys back to the map
  EXPECT_EQ(Values({TimeIndex, Bank}), "3 1");  // the first click moved the faders window, nothing else did
  Key('/'), Set(MapSelectField, "G9 @ 3");
  EXPECT_EQ(Fl::focus(), MapSelectField);
  EXPECT_EQ(Status(), "Not a selection at column 1 (\"G9\"): submixes are G1 to G8");
  EXPECT_EQ(RangeText(MapSelection), "G1-2,M @ 3-6");
  EXPECT_EQ(Changed(before), "");
}

TEST_F(RangeMapTest, EachEditIsOneStepThatUndoAndRedoTakeBackAndForth) {
  const struct { const char *selection; std::function<void()> edit; const char *status, *undone, *shows; } edits[] = {
      {"1-3 @ 1-6", [] { SetSelectionLevel(-60.25); }, "Set 9 entries to -60.2 dB", "level -60.2 dB on 9 entries",
       "1 -60.25 1 -60.25 1 -60.25"},
      {"1-3 @ 1", [] { Key('-', FL_SHIFT); }, "Trimmed 1 entry by -0.1 dB", "trim -0.1 dB of 1 entry", "1 -10.1 0 0 0 -4"},
      {"1-3 @ 1-6", [] { Key('='); }, "Trimmed 3 entries by +1.0 dB", "trim +1.0 dB of 3 entries", "1 -9 0 0 0 -4"},
      {"1-3 @ 1-6", [] { Key(FL_Insert); }, "Added 6 entries", "add 6 entries", "1 -10 1 0 1 -4"},
      {"1-3 @ 1-6", [] { Key(FL_Delete); }, "Removed 3 entries", "remove 3 entries", "0 -10 0 0 0 -4"},
      {"1 @ 1-6", RemoveRedundantEntries, "Removed 1 redundant entry", "remove 1 redundant entry", "1 -10 0 0 0 -4"},
      {"1 @ 1-3", [] { Key('c', FL_CTRL), SelectCells("2 @ 6"), Key('v', FL_CTRL); },
       "Pasted 1 cell; 1 cell past the map's end left out", "paste of 1 cell", "1 -10 0 0 0 -4"},
      {"1-2 @ 1", [] { Key('c', FL_CTRL), SelectCells("2 @ 1"), Key('v', FL_CTRL | FL_SHIFT); }, "Pasted 1 entry",
       "paste merge of 1 entry", "1 -10 1 -10 0 -4"},
  };
  for (auto &e : edits) {
    SCOPED_TRACE(e.status);
    ShowBank(1, 1);
    ASSERT_TRUE(SelectCells(e.selection));
    StartJournal();
    const std::string before = ModelBytes();
    e.edit();
    const std::string after = ModelBytes();
    EXPECT_EQ(Status(), e.status);
    EXPECT_EQ(Values({A1, vol1, A2, vol2, A3, vol3}), e.shows);
    Undo();
    EXPECT_EQ(ModelBytes(), before);
    EXPECT_EQ(Status(), std::string("Undone: ") + e.undone);
    Redo();
    EXPECT_EQ(ModelBytes(), after);
    Undo();
  }
}

}  // namespace
