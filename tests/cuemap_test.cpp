// The cue map: its cells and outline read back as pixels, where a click or a
// key takes the faders window, and how it follows the model.
#include "testutil.h"

#include <FL/fl_draw.H>
#include <FL/x.H>  // the offscreen; after the test headers, whose names its macros would take

#include <cmath>

#include "cuemap/cuemap.h"
#include "undo/undo.h"

namespace {

// A small known mix: cues 0, 2 and 5 in use, so three columns.
struct Mark { int slot, cue; float volume; };
const Mark marks[] = {{1, 0, -60},  {3, 2, 12},  {13, 5, 0},  {MASTER, 2, -20}, {SubSlot(2), 5, -6},
                      {VcaSlot(8), 0, -90}, {127, 2, 3}};
const int cues[] = {0, 2, 5};

struct Pixels {
  int w, h;
  std::vector<uchar> rgb;
  Fl_Color at(int x, int y) const { const uchar *p = &rgb[(y * w + x) * 3]; return fl_rgb_color(p[0], p[1], p[2]); }
};

// The whole map drawn into an offscreen image and read back.
Pixels Drawn() {
  CueMapWindow->make_current();
  int w = CueMapWindow->w(), h = CueMapWindow->h();
  Fl_Offscreen off = fl_create_offscreen(w, h);
  fl_begin_offscreen(off);
  CueMap->draw();
  Pixels p{w, h, std::vector<uchar>(w * h * 3)};
  fl_read_image(p.rgb.data(), 0, 0, w, h);
  fl_end_offscreen();
  fl_delete_offscreen(off);
  return p;
}

// The centre of a cell.
void Centre(int slot, int col, int &px, int &py) {
  int x, y, w, h;
  MapCellBox(MapSlotRow(slot), col, x, y, w, h);
  px = x + w / 2, py = y + h / 2;
}
Fl_Color Pixel(const Pixels &p, int slot, int col) {
  int x, y;
  Centre(slot, col, x, y);
  return p.at(x, y);
}
// The faders window's time index and bank, after a click on a cell.
std::string Click(int slot, int col) {
  Centre(slot, col, Fl::e_x, Fl::e_y);
  CueMap->handle(FL_PUSH);
  return Values({TimeIndex, Bank});
}

class CueMapTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    for (int k : cues) IndexActiveArray[k] = 1, IndexSec[k] = k * 1.5f;
    for (const Mark &m : marks) ChanActive[Entry(m.slot, m.cue)] = 1, Volume[Entry(m.slot, m.cue)] = m.volume;
    Volume[Entry(7, 0)] = -3;  // a value without an entry
    ChanActive[Entry(5, 1)] = 1;  // an entry at a cue not in use
    UpdateGUI();
    // Every row in view, cells tall enough to tell their centre from the outline.
    CueMapWindow->resize(0, 0, 900, 1000);
    MapCellW = MAP_CELL_W, MapCellH = 6, MapRow0 = MapCol0 = 0;
    ShowCueMap();
  }
  void TearDown() override { HideCueMap(), ConsoleTest::TearDown(); }
};

TEST_F(CueMapTest, CellsShowTheEntriesAndTheirVolumes) {
  ASSERT_EQ(NMapCols, 3);
  Pixels p = Drawn();
  std::string wrong;
  for (int s = 0; s < NSLOTS; s++)
    for (int c = 0; c < 3; c++) {
      Fl_Color want = MapPlainColor;
      for (const Mark &m : marks)
        if (m.slot == s && m.cue == cues[c]) want = MapVolumeColor(m.volume);
      if (Pixel(p, s, c) != want) wrong += " slot " + std::to_string(s) + " cue " + std::to_string(cues[c]);
    }
  EXPECT_EQ(wrong, "");
  EXPECT_NE(MapVolumeColor(-60), MapVolumeColor(12));
  EXPECT_EQ(MapVolumeColor(NAN), MapVolumeColor(-60));
}

TEST_F(CueMapTest, AClickOrAKeyMovesTheFadersWindowAndStoresNothing) {
  const std::string before = Model();
  const struct { int slot, col; const char *shows; } clicks[] = {
      {VcaSlot(8), 0, "1 8"},
      {MASTER, 2, "6 8"},  // the master keeps the bank
      {125, 0, "1 8"},     // so do the channels no bank shows
      {13, 2, "6 2"},
  };
  for (auto &t : clicks) EXPECT_EQ(Click(t.slot, t.col), t.shows) << t.slot;
  EXPECT_EQ(GuiSec->value(), 7.5);  // the window shows the clicked cue
  // Keys move the outline: by a column, a bank, or a page of columns.
  ShowBank(1, 2);  // cue 1, not in use
  const struct { int key; const char *shows; } keys[] = {
      {FL_Right, "3 1"}, {FL_Right, "6 1"}, {FL_Right, "6 1"}, {FL_Down, "6 2"}, {FL_Up, "6 1"},
      {FL_Up, "6 1"}, {FL_Page_Up, "1 1"}};
  for (auto &t : keys) {
    Fl::e_keysym = t.key;
    EXPECT_EQ(CueMap->handle(FL_KEYBOARD), 1);
    EXPECT_EQ(Values({TimeIndex, Bank}), t.shows) << t.key;
  }
  EXPECT_EQ(Changed(before), "");
}

TEST_F(CueMapTest, FollowsEditsUndoAndCueListChanges) {
  // An edit damages only its cell; an undo takes it back.
  ShowBank(2, 3);
  StartJournal();
  CueMapCheck();
  CueMap->clear_damage();
  Set(A5, 1), Set(vol5, -6), RecordStep();
  CueMapCheck();
  EXPECT_EQ(CueMap->damage(), FL_DAMAGE_USER1);
  EXPECT_EQ(Pixel(Drawn(), 15, 1), MapVolumeColor(-6));
  Undo();
  CueMapCheck();
  EXPECT_EQ(Pixel(Drawn(), 15, 1), MapPlainColor);
  // "Insert Index" at time index 2 moves cues 2 and 5 to 3 and 6.
  Set(TimeIndex, 2);
  menu_Edit[0].do_callback(FadersWindow);
  CueMapCheck();
  ASSERT_EQ(NMapCols, 3);
  EXPECT_EQ(MapCols[1], 3);
  EXPECT_EQ(Pixel(Drawn(), 13, 2), MapVolumeColor(0));
}

TEST_F(CueMapTest, TheLargestMixScrollsBothWaysAndZoomsOutToFit) {
  for (int k = 0; k < NCUES; k++) IndexActiveArray[k] = 1;
  ChanActive[Entry(127, NCUES - 1)] = 1, Volume[Entry(127, NCUES - 1)] = 6;
  MapCellH = MAP_CELL_H;
  CueMapCheck();
  // The scrollbars and the wheel move the cells.
  Set(CueMapHScroll, 400), Set(CueMapVScroll, 70);
  Fl::e_dy = 2, Fl::e_dx = 0;
  CueMap->handle(FL_MOUSEWHEEL);
  EXPECT_EQ(Ints({MapCol0, MapRow0}), Ints({400, 76}));
  EXPECT_EQ(Click(77, MapCol0), "401 8");  // the first cell in view
  // Fit shows every cell, down to the last cue of the last channel.
  CueMapFit();
  int x1 = CueMap->x() + CueMap->w() - 1, y1 = CueMap->y() + CueMap->h() - 1, row, col;
  ASSERT_TRUE(MapCellAt(x1, y1, row, col));
  EXPECT_EQ(Ints({row, col}), Ints({NSLOTS - 1, NCUES - 1}));
  EXPECT_EQ(Pixel(Drawn(), 127, NCUES - 1), MapVolumeColor(6));
}

}  // namespace
