// The reverb window and the stores that it shares with the effects window.
#include "testutil.h"

using ReverbTest = ConsoleTest;

TEST_F(ReverbTest, TapCountStoresTheTapReverbAndTheShownSlotsSend) {
  EXPECT_EQ(trev_taps->value(), 5.0);  // the model's, not the slider's 3
  trev_state->value(1), trev_send->value(-4.5);  // shown, not yet stored
  SetStatus("kept");
  Set(trev_taps, 7);
  EXPECT_EQ(Row(Ptrtn, 3), (Floats{0, 150, 7}));
  EXPECT_EQ(Row(Ptrev + 1 * NGROUPS, 2), (Floats{1, -4.5}));
  EXPECT_EQ(Status(), "");
}

TEST_F(ReverbTest, HighPassStoresEveryReverbSettingButNotTheTapReverb) {
  ShowSubmix(2);
  // Shown, not yet stored: the reverb store takes them along.
  rev_state->value(1), rev_send->value(-8), Rev_LP1->value(9000), rev_size->value(400), trev_rtn->value(-7);
  Set(Rev_HP0, 1);
  EXPECT_EQ(Floats({Prhp[0], Prhp[1], Prlp[1], Prtn[1], Ptrtn[0]}), Floats({1, 150, 9000, 400, 0}));
  EXPECT_EQ(Row(Prev + SubSlot(2) * NGROUPS, 2), (Floats{1, -8}));
  // Another slot reloads the returns, sizes and taps; the filters, width and positions stay.
  for (float *v : {&Prtn[0], &Ptrtn[2], &Prhp[1], &Prev_width}) *v = 1;
  Set(SelectRegularChannel, 1);
  EXPECT_EQ(Values({rev_rtn, trev_taps, Rev_HP1, rev_width}), "1 1 150 50");
}
