// The reverb window and the stores that both reverb windows feed.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>

#include "app/app.h"
#include "effects/effects.h"
#include "model/model.h"
#include "testutil.h"

class ReverbTest : public ConsoleTest {};

TEST_F(ReverbTest, WindowControlsAsBuilt) {
  Fl_Double_Window *w = make_window7();  // fresh, before any load
  EXPECT_EQ(w->color(), 97u);
  struct {
    Fl_Value_Slider *s;
    const char *label;
    int x, y;
    double min, max, step, init;
  } want[] = {{rev_rtn, "master rev return", 13, 160, -24, 0, 0.1, 0},
              {trev_rtn, "master trev return", 13, 208, -24, 0, 0.1, 0},
              {rev_size, "room length (ft)", 155, 160, 25, 1000, 10, 150},
              {trev_taps, "tap count", 297, 208, 1, 11, 1, 3},
              {trev_size, "room length (ft)", 155, 208, 25, 500, 10, 125},
              {Rev_LP1, "Hz", 155, 47, 2000, 12000, 1, 7000},
              {Rev_HP1, "Hz", 13, 47, 60, 1000, 1, 150},
              {nullptr, "Low Pass", 155, 21, 0, 0, 0, 0},
              {nullptr, "High Pass", 13, 21, 0, 0, 0, 0},
              {rev_width, "width", 297, 47, 0, 100, 1, 50},
              {rev_positionX, "position: front / back", 13, 94, 0, 100, 1, 37},
              {rev_positionY, "position: left / right", 155, 94, 0, 100, 1, 39},
              {rev_positionZ, "position: floor / ceiling", 297, 93, 0, 100, 1, 43}};
  ASSERT_EQ(w->children(), 13);
  for (int i = 0; i < 13; i++) {
    auto &x = want[i];
    SCOPED_TRACE(x.label);
    Fl_Widget *c = w->child(i);
    EXPECT_STREQ(c->label(), x.label);
    EXPECT_EQ(c->x(), x.x);
    EXPECT_EQ(c->y(), x.y);
    EXPECT_EQ(c->w(), 100);
    if (!x.s) {
      Fl_Button *b = dynamic_cast<Fl_Button *>(c);
      ASSERT_TRUE(b == Rev_LP0 || b == Rev_HP0);
      EXPECT_EQ(b->h(), 19);
      EXPECT_EQ(b->type(), FL_TOGGLE_BUTTON);
      EXPECT_EQ(b->box(), FL_ROUND_UP_BOX);
      EXPECT_EQ(b->down_box(), FL_ROUND_DOWN_BOX);
      EXPECT_EQ(b->selection_color(), 229u);
      EXPECT_EQ(b->labelsize(), 11);
      EXPECT_FALSE(b->value());
      continue;
    }
    EXPECT_EQ(c, x.s);
    EXPECT_EQ(x.s->type(), FL_HOR_SLIDER);
    EXPECT_EQ(x.s->when(), FL_WHEN_RELEASE);
    EXPECT_EQ(x.s->labelsize(), 10);
    EXPECT_EQ(x.s->labelcolor(), 215u);
    EXPECT_EQ(x.s->minimum(), x.min);
    EXPECT_EQ(x.s->maximum(), x.max);
    EXPECT_DOUBLE_EQ(x.s->step(), x.step);
    EXPECT_EQ(x.s->value(), x.init);
  }
  EXPECT_STREQ(Rev_LP0->label(), "Low Pass");
  EXPECT_STREQ(Rev_HP0->label(), "High Pass");
}

TEST_F(ReverbTest, StartUpShowsTheModelNotTheSliderDefaults) {
  EXPECT_EQ(trev_size->value(), 150.0);
  EXPECT_EQ(trev_taps->value(), 5.0);
  EXPECT_EQ(rev_size->value(), 150.0);
  EXPECT_EQ(Rev_LP1->value(), 7000.0);
  EXPECT_EQ(rev_positionZ->value(), 43.0);
  EXPECT_FALSE(Rev_HP0->value());
}

TEST_F(ReverbTest, TapCountStoresTheTapReverbAndTheShownSlotsSend) {
  trev_state->value(1);
  trev_send->value(-4.5);  // shown, not yet stored
  rev_send->value(-9);     // the other reverb's send is left alone
  trev_taps->value(7);
  SetStatus("Read 10 bytes from faders.txt");
  Fire(trev_taps);
  EXPECT_EQ(Ptrtn[2], 7.0f);
  EXPECT_EQ(Ptrtn[0], 0.0f);
  EXPECT_EQ(Ptrtn[1], 150.0f);
  EXPECT_EQ(Ptrev[1 * NGROUPS + 0], 1.0f);
  EXPECT_EQ(Ptrev[1 * NGROUPS + 1], -4.5f);
  EXPECT_EQ(Prev[1 * NGROUPS + 1], 0.0f);
  EXPECT_EQ(Status(), "");
}

TEST_F(ReverbTest, HighPassStoresEveryReverbSettingButNotTheTapReverb) {
  Rev_HP1->value(220);
  Rev_LP0->value(1);  // shown, not yet stored
  Rev_LP1->value(9000);
  rev_width->value(80);
  rev_positionY->value(12);
  rev_rtn->value(-3.2);
  rev_size->value(400);
  trev_rtn->value(-7);
  Rev_HP0->value(1);
  Fire(Rev_HP0);
  EXPECT_EQ(Prhp[0], 1.0f);
  EXPECT_EQ(Prhp[1], 220.0f);
  EXPECT_EQ(Prlp[0], 1.0f);
  EXPECT_EQ(Prlp[1], 9000.0f);
  EXPECT_EQ(Prev_width, 80.0f);
  EXPECT_EQ(Prev_position[0], 37.0f);
  EXPECT_EQ(Prev_position[1], 12.0f);
  EXPECT_EQ(Prtn[0], -3.2f);
  EXPECT_EQ(Prtn[1], 400.0f);
  EXPECT_EQ(Ptrtn[0], 0.0f);
  Rev_HP0->value(0);
  Fire(Rev_HP0);
  EXPECT_EQ(Prhp[0], 0.0f);
  EXPECT_EQ(Prhp[1], 220.0f);
}

TEST_F(ReverbTest, ReverbWindowRestoresTheEffectsWindowsSlot) {
  Prev[129 * NGROUPS + 0] = 1.0f;
  Prev[129 * NGROUPS + 1] = -8.0f;
  GroupNum->value(2);
  SelectGroupChannel->value(1);
  Fire(SelectGroupChannel);
  EXPECT_TRUE(rev_state->value());
  rev_width->value(70);
  Fire(rev_width);
  EXPECT_EQ(Prev_width, 70.0f);
  EXPECT_EQ(Prev[129 * NGROUPS + 0], 1.0f);
  EXPECT_EQ(Prev[129 * NGROUPS + 1], -8.0f);
  EXPECT_EQ(Prev[1 * NGROUPS + 0], 0.0f);

  // And the effects window's send re-stores the globals the reverb window shows.
  rev_send->value(-2);
  Fire(rev_send);
  EXPECT_EQ(Prev[129 * NGROUPS + 1], -2.0f);
  EXPECT_EQ(Prev_width, 70.0f);
  EXPECT_EQ(Prtn[1], 150.0f);
}

TEST_F(ReverbTest, SlotChangeReloadsReturnsSizesAndTapsOnly) {
  Prtn[0] = -1;
  Prtn[1] = 300;
  Ptrtn[0] = -2;
  Ptrtn[1] = 200;
  Ptrtn[2] = 4;
  Prhp[0] = 1;
  Prhp[1] = 500;
  Prlp[1] = 3000;
  Prev_width = 10;
  Prev_position[0] = 99;
  RegularNum->value(3);
  Fire(RegularNum);
  EXPECT_EQ(rev_rtn->value(), -1.0);
  EXPECT_EQ(rev_size->value(), 300.0);
  EXPECT_EQ(trev_rtn->value(), -2.0);
  EXPECT_EQ(trev_size->value(), 200.0);
  EXPECT_EQ(trev_taps->value(), 4.0);
  EXPECT_FALSE(Rev_HP0->value());
  EXPECT_EQ(Rev_HP1->value(), 150.0);
  EXPECT_EQ(Rev_LP1->value(), 7000.0);
  EXPECT_EQ(rev_width->value(), 50.0);
  EXPECT_EQ(rev_positionX->value(), 37.0);
}
