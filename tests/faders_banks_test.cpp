// Channel banks: which slot each strip of the faders window shows and edits.
#include "testutil.h"

using FadersBanksTest = ConsoleTest;

namespace {

// The twelve number displays, then the names of strips 11 and 12.
std::string Numbers() {
  return Values({DispNum1, DispNum2, DispNum3, DispNum4, DispNum5, DispNum6, DispNum7, DispNum8,
                 DispNum9, DispNum10, DispNum11, DispNum12, name11, name12});
}

}  // namespace

TEST_F(FadersBanksTest, BanksOneEightAndTwelve) {
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
  for (Fl_Widget *w : std::initializer_list<Fl_Widget *>{vol11, ofs12, ramp11, shape12, pan11, A12, solo11,
                                                          mute12})
    SetValue(w, dynamic_cast<Fl_Button *>(w) ? 1 : 0.75);
  EXPECT_EQ(Status(), "") << "their stores clear the status line all the same";
  Set(name11, "Drums");
  EXPECT_EQ(Changed(before), "");
}

TEST_F(FadersBanksTest, StripThirteenIsTheMasterInEveryBankAndSpinnersStayInRange) {
  for (int b : {1, 8, 9, 12}) {
    ShowBank(b, 3);
    Set(vol13, -b);
    EXPECT_EQ(Volume[Entry(MASTER, 2)], -b);
    EXPECT_STREQ(name13->value(), "Master");
  }
  EXPECT_TRUE(name13->readonly());
  TimeIndex->value(9999), Bank->value(-3), Fire(Bank);
  Set(vol1, -9);
  EXPECT_EQ(Volume[Entry(1, NCUES - 1)], -9);
}
