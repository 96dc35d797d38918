// The reverb window and the stores that it shares with the effects window.
#include "testutil.h"

using ReverbTest = ConsoleTest;

TEST_F(ReverbTest, TapCountStoresTheTapReverbAndTheShownSlotsSend) {
  EXPECT_EQ(trev_taps->value(), 5.0);  // the model's, not the slider's 3
  trev_state->value(1), trev_send->value(-4.5);  // shown, not yet stored
  SetStatus("Read 10 bytes from faders.txt");
  Set(trev_taps, 7);
  EXPECT_EQ(Row(Ptrtn, 3), (Floats{0, 150, 7}));
  EXPECT_EQ(Row(Ptrev + 1 * NGROUPS, 2), (Floats{1, -4.5}));
  EXPECT_EQ(Status(), "");
}

TEST_F(ReverbTest, HighPassStoresEveryReverbSettingButNotTheTapReverb) {
  ShowSubmix(2);
  // Shown, not yet stored: the reverb store takes them along.
  rev_state->value(1), rev_send->value(-8), Rev_LP0->value(1), Rev_LP1->value(9000);
  rev_positionY->value(12), rev_size->value(400), trev_rtn->value(-7), Rev_HP1->value(220);
  Set(Rev_HP0, 1);
  EXPECT_EQ(Floats({Prhp[0], Prhp[1], Prlp[0], Prlp[1], Prev_position[1], Prev_width, Prtn[1], Ptrtn[0]}),
            Floats({1, 220, 1, 9000, 12, 50, 400, 0}));
  EXPECT_EQ(Row(Prev + SubSlot(2) * NGROUPS, 2), (Floats{1, -8}));
  EXPECT_EQ(Prev[1 * NGROUPS + 0], 0.0f);
}

TEST_F(ReverbTest, SlotChangeReloadsReturnsSizesAndTapsOnly) {
  for (float *v : {&Prtn[0], &Prtn[1], &Ptrtn[0], &Ptrtn[1], &Ptrtn[2], &Prhp[0], &Prhp[1], &Prlp[1],
                   &Prev_width, &Prev_position[0]})
    *v = 1;
  Set(RegularNum, 3);
  EXPECT_EQ(Values({rev_rtn, rev_size, trev_rtn, trev_size, trev_taps}), "1 1 1 1 1");
  EXPECT_EQ(Values({Rev_HP0, Rev_HP1, Rev_LP1, rev_width, rev_positionX}), "0 150 7000 50 37");
}
