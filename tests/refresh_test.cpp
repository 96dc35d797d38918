// The whole-GUI refresh: the effects and reverb windows follow the model.
#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>

#include <cstring>

#include "app/app.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "model/model.h"
#include "testutil.h"

class RefreshTest : public ConsoleTest {};

TEST_F(RefreshTest, StartUpShowsBannerAndSlotOne) {
  EXPECT_EQ(Status(), "Corvessa 1.065");
  EXPECT_EQ(CNL, 1);
  EXPECT_EQ(comp3->value(), 100.0);  // the model's value, not the slider's 200
  EXPECT_EQ(band2_1->value(), 2500.0);
  EXPECT_EQ(lshelf1->value(), 500.0);  // beyond the slider's 300, shown as stored
  EXPECT_FALSE(comp0->value() || rev_state->value() || trev_state->value());
}

TEST_F(RefreshTest, LoadsSlotCnlAndEveryReverbControlWithoutTouchingSelection) {
  GroupNum->value(4);
  SelectGroupChannel->value(1);
  Fire(SelectGroupChannel);
  float *nlc = Pnlc + 131 * NGROUPS;
  nlc[0] = 1.0f;
  nlc[1] = -40.0f;  // below the slider's -30
  nlc[2] = 1234.0f;
  nlc[3] = 6.5f;
  Ptrev[131 * NGROUPS + 0] = 1.0f;
  Ptrev[131 * NGROUPS + 1] = -3.0f;
  Prtn[0] = -1.5f;
  Prtn[1] = 250.0f;
  Ptrtn[0] = -2.5f;
  Ptrtn[1] = 90.0f;
  Ptrtn[2] = 11.0f;
  Prhp[0] = 1.0f;
  Prhp[1] = 333.0f;
  Prlp[0] = 1.0f;
  Prlp[1] = 4444.0f;
  Prev_width = 12.0f;
  Prev_position[0] = 1.0f;
  Prev_position[1] = 2.0f;
  Prev_position[2] = 3.0f;
  snprintf(tbuffer, sizeof tbuffer, "%s", "Read 99 bytes from faders.txt");

  UpdateGUI();
  EXPECT_EQ(CNL, 131);
  EXPECT_TRUE(SelectGroupChannel->value());
  EXPECT_FALSE(SelectRegularChannel->value());
  EXPECT_EQ(GroupNum->value(), 4);
  EXPECT_EQ(Status(), "Read 99 bytes from faders.txt");
  EXPECT_TRUE(nlc0->value());
  EXPECT_EQ(nlc1->value(), -40.0);
  EXPECT_EQ(nlc2->value(), 1234.0);
  EXPECT_EQ(nlc3->value(), 6.5);
  EXPECT_TRUE(trev_state->value());
  EXPECT_EQ(trev_send->value(), -3.0);
  Fl_Value_Slider *reverb[] = {rev_rtn,   rev_size,      trev_rtn,      trev_size,
                               trev_taps, Rev_HP1,       Rev_LP1,       rev_width,
                               rev_positionX, rev_positionY, rev_positionZ};
  float want[] = {-1.5f, 250, -2.5f, 90, 11, 333, 4444, 12, 1, 2, 3};
  for (int i = 0; i < 11; i++) EXPECT_EQ(reverb[i]->value(), want[i]) << reverb[i]->label();
  EXPECT_TRUE(Rev_HP0->value());
  EXPECT_TRUE(Rev_LP0->value());
}

TEST_F(RefreshTest, OnFlagsAreTruncatedAndNothingIsWrittenBack) {
  Pfxg[1 * NGROUPS] = 0.9f;
  Prms[1 * NGROUPS] = -1.0f;
  Php[1 * NGROUPS] = 3e38f;
  Prhp[0] = 0.5f;
  float before[NSLOTS * NGROUPS];
  memcpy(before, Pfxg, sizeof before);
  UpdateGUI();
  EXPECT_FALSE(fxg0->value());
  EXPECT_TRUE(rms0->value());
  EXPECT_TRUE(hpass0->value());
  EXPECT_FALSE(Rev_HP0->value());
  EXPECT_EQ(memcmp(before, Pfxg, sizeof before), 0);
  EXPECT_EQ(Prhp[0], 0.5f);
}
