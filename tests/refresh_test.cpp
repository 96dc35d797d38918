// The whole-GUI refresh: the effects and reverb windows follow the model.
#include <FL/Fl_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>

#include <cstdio>

#include "app/app.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "model/model.h"
#include "testutil.h"

class RefreshTest : public ConsoleTest {};

TEST_F(RefreshTest, StartUpShowsTheBannerAndSlotOne) {
  EXPECT_EQ(Status(), "Corvessa 1.065");
  EXPECT_EQ(comp3->value(), 100.0);    // the model's value, not the slider's 200
  EXPECT_EQ(lshelf1->value(), 500.0);  // beyond the slider's 300, shown as stored
}

TEST_F(RefreshTest, ShowsSlotCnlAndEveryReverbSettingWithoutTouchingTheSelection) {
  GroupNum->value(4);
  SelectGroupChannel->value(1);
  Fire(SelectGroupChannel);
  float *nlc = Pnlc + 131 * NGROUPS;
  nlc[0] = 0.9f;  // truncates to off
  nlc[1] = -40.0f;
  Php[131 * NGROUPS] = 3e38f;  // far beyond any int, still on
  float *globals[] = {&Prtn[0], &Prtn[1], &Ptrtn[0], &Ptrtn[1], &Ptrtn[2], &Prhp[1],
                      &Prlp[1], &Prev_width, &Prev_position[0], &Prev_position[1],
                      &Prev_position[2]};
  Fl_Value_Slider *shown[] = {rev_rtn, rev_size,  trev_rtn,      trev_size,     trev_taps,
                              Rev_HP1, Rev_LP1,   rev_width,     rev_positionX, rev_positionY,
                              rev_positionZ};
  for (int i = 0; i < 11; i++) *globals[i] = -1.0f - i;
  Prhp[0] = 1.0f;
  Prlp[0] = 0.5f;
  snprintf(tbuffer, sizeof tbuffer, "%s", "Read 99 bytes from faders.txt");

  UpdateGUI();
  EXPECT_EQ(CNL, 131);
  EXPECT_TRUE(SelectGroupChannel->value());
  EXPECT_EQ(Status(), "Read 99 bytes from faders.txt");
  EXPECT_FALSE(nlc0->value());
  EXPECT_EQ(nlc1->value(), -40.0);
  EXPECT_EQ(nlc[0], 0.9f);  // nothing is written back
  EXPECT_TRUE(hpass0->value());
  for (int i = 0; i < 11; i++) EXPECT_EQ(shown[i]->value(), -1.0 - i) << shown[i]->label();
  EXPECT_TRUE(Rev_HP0->value());
  EXPECT_FALSE(Rev_LP0->value());
}
