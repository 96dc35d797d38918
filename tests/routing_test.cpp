// The submix and VCA matrices (one code for both: the submix window stands for
// them; which channel a click assigns in each: the whole-mix test).
#include "testutil.h"

using RoutingTest = ConsoleTest;

namespace {

// Clicks the toggle of row i (0..4 for A..E), submix n (1..8), found by creation order.
void Click(int i, int n, int on) { Set((Fl_Round_Button *)SubWindow->child(i * 10 + n - 1), on); }

}  // namespace

TEST_F(RoutingTest, ClicksStoreOnlyTheShownRowsAndInUseFollowsTheWholeTable) {
  for (int r : {0, 4, 10, 119, NCHANNELS - 1}) SubAsn[r * NGROUPS + 7] = 1;  // 127: past the last bank
  SubOn[7] = 1, SubOn[6] = 1;  // 7: in use as a recall left it, with no member
  const std::string before = Model();
  Set(SubBank, 2);  // channels 6..10
  ((Fl_Button *)SubWindow->child(1))->value(1);  // not clicked: a bank change stores nothing
  Set(SubBank, 2);
  EXPECT_EQ(Changed(before), "");
  SetStatus("Save Complete");
  Click(1, 2, 1), Click(1, 5, 1);
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(Ints(SubAsn + 5 * NGROUPS, SubAsn + 8 * NGROUPS),
            Ints({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Ints(SubOn, SubOn + NGROUPS), Ints({0, 1, 0, 0, 1, 0, 0, 1}));
  Click(1, 2, 0), Click(1, 5, 0);
  SubOn[6] = 1;
  EXPECT_EQ(Changed(before), "");
  // A bank past the last is held to it.
  Set(SubBank, 40);
  EXPECT_EQ(Values({sub_ch_A, sub_ch_E}), "116 120");
  Click(4, 2, 1);
  EXPECT_EQ(SubAsn[119 * NGROUPS + 1], 1);
}
