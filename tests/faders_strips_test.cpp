// Strip values: what the strip controls refuse, and what they show.
#include <cmath>

#include "testutil.h"

using FadersStripsTest = ConsoleTest;

// Which entry each strip control stores: the whole-mix test.
TEST_F(FadersStripsTest, PanSoloAndMuteHoldAtEveryCue) {
  ShowBank(3, 5), Set(pan1, -6), Set(mute12, 1), Set(solo11, 1);
  ShowBank(3, 8);
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
