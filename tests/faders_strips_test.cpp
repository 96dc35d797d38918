// Strip values: what each strip control stores, what it refuses, what it shows.
#include <cmath>

#include "testutil.h"

using FadersStripsTest = ConsoleTest;

TEST_F(FadersStripsTest, EachControlEditsItsOwnEntryOnly) {
  // At time index 5, bank 2's strip 3 is channel 13 at cue 4; bank 3's strip 1 is
  // channel 21, strips 11 and 12 are submix 3 and VCA 3.
  const struct { int bank; Fl_Widget *w; const char *changed; } cases[] = {
      {2, vol3, "volume of channel 13 at time index 5"}, {2, ofs3, "offset of channel 13 at time index 5"},
      {2, A3, "auto of channel 13 at time index 5"},     {3, pan1, "pan of channel 21"},
      {3, mute12, "mute of VCA 3"},                      {3, solo11, "solo of submix 3"}};
  for (auto &c : cases) {
    ShowBank(c.bank, 5);
    const std::string before = Model();
    SetStatus("Wrote 41 bytes to faders.txt");
    SetValue(c.w, dynamic_cast<Fl_Button *>(c.w) ? 1 : -6);
    EXPECT_EQ(Changed(before), c.changed);
    EXPECT_EQ(Status(), "");  // every store clears the line
  }
  EXPECT_EQ(Floats({Volume[Entry(13, 4)], Offset[Entry(13, 4)], Pan[21]}), Floats({-6, -6, -6}));
  ShowBank(3, 8);  // pan, solo and mute hold at every cue
  EXPECT_EQ(Values({pan1, mute12, solo11}), "-6 1 1");
}

TEST_F(FadersStripsTest, RampShapeAndPanRefuseWhatTheyDoNotAccept) {
  Ramp[Entry(4, 0)] = 2;
  SetStatus("kept");
  Set(ramp4, -1);
  EXPECT_EQ(Ramp[Entry(4, 0)], 2);
  EXPECT_EQ(Status(), "") << "a refused value clears the line too";
  ShowBank(1, 2), ShowBank(1, 1);
  EXPECT_EQ(ramp4->value(), 2) << "a refresh shows the stored value again";
  Set(ramp4, 0);
  Set(shape2, 0);
  EXPECT_EQ(Floats({Ramp[Entry(4, 0)], Shape[Entry(2, 0)]}), Floats({0, 1}));
  Set(shape2, 0.5);
  EXPECT_EQ(Shape[Entry(2, 0)], 0.5);
  for (double v : {-100.0, 100.0, 100.5, -101.0}) Set(pan1, v);
  EXPECT_EQ(Pan[1], 100);
  const std::string before = Model();
  for (double bad : {(double)NAN, (double)INFINITY, 1e39})  // never numbers in the file
    Set(vol1, bad), Set(ofs2, bad), Set(ramp3, bad), Set(shape4, bad), Set(pan5, bad);
  EXPECT_EQ(Changed(before), "");
}
