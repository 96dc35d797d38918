// The reverb window and the stores that it shares with the effects window.
#include <FL/Fl_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>

#include "app/app.h"
#include "effects/effects.h"
#include "model/model.h"
#include "testutil.h"

class ReverbTest : public ConsoleTest {};

TEST_F(ReverbTest, TapCountStoresTheTapReverbAndTheShownSlotsSend) {
  EXPECT_EQ(trev_taps->value(), 5.0);  // the model's, not the slider's 3
  trev_state->value(1);
  trev_send->value(-4.5);  // shown, not yet stored
  trev_taps->value(7);
  SetStatus("Read 10 bytes from faders.txt");
  Fire(trev_taps);
  EXPECT_EQ(Ptrtn[0], 0.0f);
  EXPECT_EQ(Ptrtn[1], 150.0f);
  EXPECT_EQ(Ptrtn[2], 7.0f);
  EXPECT_EQ(Ptrev[1 * NGROUPS + 0], 1.0f);
  EXPECT_EQ(Ptrev[1 * NGROUPS + 1], -4.5f);
  EXPECT_EQ(Status(), "");
}

TEST_F(ReverbTest, HighPassStoresEveryReverbSettingButNotTheTapReverb) {
  GroupNum->value(2);
  SelectGroupChannel->value(1);
  Fire(SelectGroupChannel);
  rev_state->value(1);  // shown, not yet stored: the reverb store takes them along
  rev_send->value(-8);
  Rev_LP0->value(1);
  Rev_LP1->value(9000);
  rev_positionY->value(12);
  rev_size->value(400);
  trev_rtn->value(-7);
  Rev_HP1->value(220);
  Rev_HP0->value(1);
  Fire(Rev_HP0);
  EXPECT_EQ(Prhp[0], 1.0f);
  EXPECT_EQ(Prhp[1], 220.0f);
  EXPECT_EQ(Prlp[0], 1.0f);
  EXPECT_EQ(Prlp[1], 9000.0f);
  EXPECT_EQ(Prev_position[1], 12.0f);
  EXPECT_EQ(Prev_width, 50.0f);
  EXPECT_EQ(Prtn[1], 400.0f);
  EXPECT_EQ(Ptrtn[0], 0.0f);
  EXPECT_EQ(Prev[129 * NGROUPS + 0], 1.0f);
  EXPECT_EQ(Prev[129 * NGROUPS + 1], -8.0f);
  EXPECT_EQ(Prev[1 * NGROUPS + 0], 0.0f);
}

TEST_F(ReverbTest, SlotChangeReloadsReturnsSizesAndTapsOnly) {
  float *values[] = {&Prtn[0], &Prtn[1], &Ptrtn[0], &Ptrtn[1], &Ptrtn[2],
                     &Prhp[0], &Prhp[1], &Prlp[1],  &Prev_width, &Prev_position[0]};
  for (float *v : values) *v = 1;
  RegularNum->value(3);
  Fire(RegularNum);
  Fl_Value_Slider *reloaded[] = {rev_rtn, rev_size, trev_rtn, trev_size, trev_taps};
  for (Fl_Value_Slider *s : reloaded) EXPECT_EQ(s->value(), 1.0) << s->label();
  EXPECT_FALSE(Rev_HP0->value());
  EXPECT_EQ(Rev_HP1->value(), 150.0);
  EXPECT_EQ(Rev_LP1->value(), 7000.0);
  EXPECT_EQ(rev_width->value(), 50.0);
  EXPECT_EQ(rev_positionX->value(), 37.0);
}
