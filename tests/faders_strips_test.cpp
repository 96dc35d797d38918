// The faders window's strips: which slot each one shows and edits in each bank,
// and what their controls refuse (which entry each control stores: the whole-mix test).
#include <cmath>

#include "testutil.h"

using FadersStripsTest = ConsoleTest;

namespace {

// The twelve number displays, then the names of strips 11 and 12.
std::string Numbers() {
  return Values({DispNum1, DispNum2, DispNum3, DispNum4, DispNum5, DispNum6, DispNum7, DispNum8,
                 DispNum9, DispNum10, DispNum11, DispNum12, name11, name12});
}

}  // namespace

TEST_F(FadersStripsTest, BanksOneEightAndTwelve) {
  EXPECT_EQ(Numbers(), "1 2 3 4 5 6 7 8 9 10 1 1 Submix 1 VCA 1");
  Volume[Entry(71, 0)] = -1, Volume[Entry(SubSlot(8), 0)] = -3, Volume[Entry(VcaSlot(8), 0)] = -4;
  ShowBank(8);
  EXPECT_EQ(Numbers(), "71 72 73 74 75 76 77 78 79 80 8 8 Submix 8 VCA 8");
  EXPECT_EQ(Values({vol1, vol11, vol12}), "-1 -3 -4");
  // Bank 12's strips 11 and 12 are unavailable: not refreshed, and they store nothing.
  ShowBank(12);
  EXPECT_EQ(Numbers(), "111 112 113 114 115 116 117 118 119 120 12 12 (unavailable) (unavailable)");
  EXPECT_EQ(Values({vol11, vol12}), "-3 -4") << "keeps what Submix 8 and VCA 8 showed";
  const std::string before = Model();
  SetStatus("kept");
  Set(vol11, 0.75), Set(ramp12, 0.75), Set(A12, 1), Set(mute11, 1);
  EXPECT_EQ(Status(), "") << "their stores clear the status line all the same";
  EXPECT_EQ(Changed(before), "");
  // Strip 13 is the master in every bank; the spinners stay in range.
  Set(vol13, -12);
  EXPECT_EQ(Volume[Entry(MASTER, 0)], -12);
  EXPECT_TRUE(name13->readonly());
  TimeIndex->value(9999), Bank->value(-3), Fire(Bank);
  Set(vol1, -9);
  EXPECT_EQ(Volume[Entry(1, NCUES - 1)], -9);
}

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
  EXPECT_EQ(ramp4->value(), 2) << "the field shows the stored value again";
  Set(ramp4, 0), Set(shape2, 0);
  EXPECT_EQ(Floats({Ramp[Entry(4, 0)], Shape[Entry(2, 0)]}), Floats({0, 1}));
  for (double v : {-100.0, 100.0, 100.5}) Set(pan1, v);
  EXPECT_EQ(Pan[1], 100);
  const std::string before = Model();
  for (double bad : {(double)NAN, (double)INFINITY, 1e39})  // never numbers in the file
    Set(vol1, bad), Set(ofs2, bad), Set(ramp3, bad), Set(shape4, bad), Set(pan5, bad);
  EXPECT_EQ(Changed(before), "");
}
