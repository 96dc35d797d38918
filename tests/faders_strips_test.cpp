// Strip values: what each strip control stores, what it refuses, what it shows.
#include <cmath>

#include "testutil.h"

using FadersStripsTest = ConsoleTest;

namespace {

int At(int slot, int cue) { return slot * NCUES + cue; }

}  // namespace

TEST_F(FadersStripsTest, Strip3InBank2AtTimeIndex5EditsSlot13AtCue4Only) {
  ShowBank(2, 5);
  std::string before = StripTables();
  Set(vol3, -6);
  Set(ofs3, 0.25);
  EXPECT_EQ(Volume[At(13, 4)], -6);
  EXPECT_EQ(Offset[At(13, 4)], 0.25f);
  Volume[At(13, 4)] = Offset[At(13, 4)] = 0;
  EXPECT_TRUE(StripTables() == before) << "nothing else, the entry flag included";
  Set(A3, 1);
  EXPECT_EQ(ChanActive[At(13, 4)], 1);
  ChanActive[At(13, 4)] = 0;
  EXPECT_TRUE(StripTables() == before) << "auto changes no value";
}

TEST_F(FadersStripsTest, RampShapeAndPanRefuseWhatTheyDoNotAccept) {
  Ramp[At(4, 0)] = 2;
  Set(ramp4, -1);
  EXPECT_EQ(Ramp[At(4, 0)], 2);
  ShowBank(1, 2), ShowBank(1, 1);
  EXPECT_EQ(ramp4->value(), 2) << "a refresh shows the stored value again";
  Set(ramp4, 0);
  EXPECT_EQ(Ramp[At(4, 0)], 0);
  Set(shape2, 0);
  EXPECT_EQ(Shape[At(2, 0)], 1);
  Set(shape2, 0.5);
  EXPECT_EQ(Shape[At(2, 0)], 0.5);
  for (double v : {-100.0, 100.0, 100.5, -101.0}) Set(pan1, v);
  EXPECT_EQ(Pan[1], 100);
  std::string before = StripTables();
  for (double bad : {(double)NAN, (double)INFINITY, 1e39}) {  // never numbers in the file
    Set(vol1, bad), Set(ofs2, bad), Set(ramp3, bad), Set(shape4, bad), Set(pan5, bad);
  }
  EXPECT_TRUE(StripTables() == before);
}

TEST_F(FadersStripsTest, PanSoloAndMuteAreTheSameAtEveryCue) {
  ShowBank(3, 1);
  Set(pan1, -40);
  Set(mute12, 1);
  Set(solo11, 1);
  EXPECT_EQ(Pan[21], -40);
  EXPECT_EQ(MuteArray[138], 1);
  EXPECT_EQ(SoloArray[130], 1);
  EXPECT_EQ(MuteArray[130] + SoloArray[138], 0);
  ShowBank(3, 8);
  EXPECT_EQ(Values({pan1, mute12, solo11}), "-40 1 1");
}

TEST_F(FadersStripsTest, EveryStoreClearsTheStatusLine) {
  ramp3->value(-1);  // refused ones too
  shape3->value(0);
  pan3->value(101);
  ShowBank(10);  // and those of unavailable strips
  Fl_Widget *stores[] = {vol2,  ofs2,  A2,     solo2, mute2, ramp2,  shape2,
                         pan13, ramp3, shape3, pan3,  vol11, ramp11, pan12};
  for (Fl_Widget *w : stores) {
    SetStatus("Wrote 41 bytes to faders.txt");
    Fire(w);
    EXPECT_EQ(Status(), "");
  }
}
