// The cue map's selection by mouse, keys and typed text, and each edit of it as
// one undo step that the status line names.
#include "testutil.h"

#include "cuemap/cuemap.h"
#include "faders/strip.h"

namespace {

// Cues 0, 2 and 5 in use: time indexes 1, 3 and 6, the map's three columns.
class RangeMapTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    for (int k : {0, 2, 5}) IndexActiveArray[k] = 1;
    for (int k : {0, 2}) ChanActive[Entry(1, k)] = 1, Volume[Entry(1, k)] = -10;
    ChanActive[Entry(2, 5)] = 1, Volume[Entry(2, 5)] = -6, Volume[Entry(3, 0)] = -4;
    ShowCueMap();
  }
};

// The user's hand on the map: a press, drag or release at a cell, a row label
// (column -1) or a column head (slot -1); a key.
void Mouse(int event, int slot, int col, int state = 0) {
  int x, y, w, h;
  MapCellBox(MapSlotRow(slot < 0 ? 0 : slot), col < 0 ? 0 : col, x, y, w, h);
  Fl::e_x = col < 0 ? 20 : x + w / 2, Fl::e_y = slot < 0 ? 40 : y + h / 2, Fl::e_state = state, CueMap->handle(event);
}
void Key(int key, int state = 0) {
  Fl::e_keysym = key, Fl::e_state = state, Fl::e_text = (char *)"", Fl::e_length = 0, CueMap->handle(FL_KEYBOARD);
}
std::string Selected() {
  return std::string(MapSelectField->value()) + ": " + MapSelectSize->label() + (Fl::focus() == CueMap ? "" : " (typing)");
}

TEST_F(RangeMapTest, SelectsByDragClickShiftLabelsHeadsKeysAndTypedText) {
  const struct { std::function<void()> act; const char *selected; } steps[] = {
      {[] { Mouse(FL_PUSH, 4, 1), Mouse(FL_DRAG, 3, 2), Mouse(FL_DRAG, 2, 0); }, "2-4 @ 1-3: 3 channels x 2 cues"},
      {[] { Mouse(FL_PUSH, 6, 2, FL_SHIFT), Mouse(FL_RELEASE, 6, 2); }, "4-6 @ 3-6: 3 channels x 2 cues"},
      {[] { Key(FL_Up, FL_SHIFT), Key(FL_Left, FL_SHIFT); }, "4-5 @ 3: 2 channels x 1 cue"},
      {[] { Mouse(FL_PUSH, 13, -1), Mouse(FL_DRAG, 20, -1); }, "13-20 @ 1-6: 8 channels x 3 cues"},
      {[] { Mouse(FL_PUSH, -1, 1), Mouse(FL_RELEASE, -1, 1); }, "1-127,G1-8,V1-8,M @ 3: 144 channels x 1 cue"},
      {[] { Key(FL_Escape); }, ": nothing selected"},
      {[] { Key('a', FL_CTRL); }, "1-127,G1-8,V1-8,M @ 1-6: 144 channels x 3 cues"},
      {[] { Key('/'), Set(MapSelectField, "G1-2, m @ 3-6"); }, "G1-2,M @ 3-6: 3 channels x 2 cues"},
      {[] { Key('/'), Set(MapSelectField, "G9 @ 3"); },
       "G9 @ 3: Not a selection at column 1 (\"G9\"): submixes are G1 to G8 (typing)"},  // the selection kept
  };
  for (auto &s : steps) {
    s.act();
    EXPECT_EQ(Selected(), s.selected);
  }
  EXPECT_EQ(RangeText(MapSelection), "G1-2,M @ 3-6");
  EXPECT_EQ(Values({TimeIndex, Bank}), "3 1");  // the first click moved the faders window, nothing else did
}

TEST_F(RangeMapTest, EachEditIsOneStepThatUndoAndRedoTakeBackAndForth) {
  const struct { const char *selection; std::function<void()> edit; const char *said; } edits[] = {
      {"1-3 @ 1-6", [] { SetSelectionLevel(-60.25); }, "Set 9 entries to -60.2 dB; Undone: level -60.2 dB on 9 entries"},
      {"1-3 @ 1", [] { Key('-', FL_SHIFT); }, "Trimmed 1 entry by -0.1 dB; Undone: trim -0.1 dB of 1 entry"},
      {"1-3 @ 1-6", [] { Key('='); }, "Trimmed 3 entries by +1.0 dB; Undone: trim +1.0 dB of 3 entries"},
      {"1-3 @ 1-6", [] { Key(FL_Insert); }, "Added 6 entries; Undone: add 6 entries"},
      {"1-3 @ 1-6", [] { Key(FL_Delete); }, "Removed 3 entries; Undone: remove 3 entries"},
      {"1 @ 1-6", RemoveRedundantEntries, "Removed 1 redundant entry; Undone: remove 1 redundant entry"},
      {"1 @ 1-3", [] { Key('c', FL_CTRL), SelectCells("2 @ 6"), Key('v', FL_CTRL); },
       "Pasted 1 cell; 1 cell past the map's end left out; Undone: paste of 1 cell"},
      {"1-2 @ 1", [] { Key('c', FL_CTRL), SelectCells("2 @ 1"), Key('v', FL_CTRL | FL_SHIFT); },
       "Pasted 1 entry; Undone: paste merge of 1 entry"},
  };
  for (auto &e : edits) {
    ShowBank(1, 1);
    ASSERT_TRUE(SelectCells(e.selection));
    const std::string before = ModelBytes();
    e.edit();
    const std::string after = ModelBytes(), said = Status();
    for (int k = 1; k <= 3; k++)  // the faders window shows it at once
      EXPECT_TRUE((*ACol[k])->value() == ChanActive[k * NCUES] && (*VolCol[k])->value() == Volume[k * NCUES]) << k;
    Undo();
    EXPECT_EQ(said + "; " + Status(), e.said);
    EXPECT_EQ(ModelBytes(), before) << e.said;
    Redo();
    EXPECT_EQ(ModelBytes(), after) << e.said;
    Undo();
  }
}

}  // namespace
