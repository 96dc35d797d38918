// The effects window: its controls, the slot selection, the load and the effect stores.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>

#include <cstring>
#include <vector>

#include "app/app.h"
#include "effects/effects.h"
#include "model/model.h"
#include "testutil.h"

class EffectsTest : public ConsoleTest {};

namespace {

float *const tables[] = {Pcomp, Prms,   Pnlc,   Plim,    Pfxg, Php,
                         Plshelf, Pband1, Pband2, Phshelf, Prev, Ptrev};

// Every effect table and reverb setting, to see what a store changed.
std::vector<float> Snapshot() {
  std::vector<float> v;
  for (float *t : tables) v.insert(v.end(), t, t + NSLOTS * NGROUPS);
  for (float f : Prtn) v.push_back(f);
  for (float f : Ptrtn) v.push_back(f);
  for (float f : Prhp) v.push_back(f);
  for (float f : Prlp) v.push_back(f);
  for (float f : Prev_position) v.push_back(f);
  v.push_back(Prev_width);
  return v;
}

std::vector<int> Changed(const std::vector<float> &a, const std::vector<float> &b) {
  std::vector<int> d;
  for (size_t i = 0; i < a.size(); i++)
    if (memcmp(&a[i], &b[i], sizeof(float))) d.push_back((int)i);
  return d;
}

// Index of table t, slot s, column c within a snapshot.
int At(float *t, int s, int c) {
  int i = 0;
  while (tables[i] != t) i++;
  return i * NSLOTS * NGROUPS + s * NGROUPS + c;
}

struct BlockUnderTest {
  Fl_Button *toggle;
  float *table;
  std::vector<Fl_Value_Slider *> sliders;
};

std::vector<BlockUnderTest> Blocks() {
  return {{comp0, Pcomp, {comp1, comp2, comp3, comp4}},
          {rms0, Prms, {rms1, rms2, rms3, rms4}},
          {nlc0, Pnlc, {nlc1, nlc2, nlc3}},
          {lim0, Plim, {lim1}},
          {fxg0, Pfxg, {fxg1}},
          {lshelf0, Plshelf, {lshelf1, lshelf2, lshelf3}},
          {band1_0, Pband1, {band1_1, band1_2, band1_3}},
          {band2_0, Pband2, {band2_1, band2_2, band2_3}},
          {hshelf0, Phshelf, {hshelf1, hshelf2, hshelf3}},
          {hpass0, Php, {hpass1}},
          {rev_state, Prev, {rev_send}},
          {trev_state, Ptrev, {trev_send}}};
}

void Select(Fl_Round_Button *b, int on) {
  b->value(on);
  Fire(b);
}

}  // namespace

TEST_F(EffectsTest, WindowControlsAsBuilt) {
  Fl_Double_Window *w = make_window1();  // fresh, before any load
  EXPECT_EQ(w->box(), FL_UP_BOX);
  EXPECT_EQ(w->color(), 97u);
  EXPECT_EQ(w->selection_color(), 7u);
  EXPECT_TRUE(SelectRegularChannel->value());
  EXPECT_FALSE(SelectGroupChannel->value() || SelectMasterChannel->value());
  EXPECT_EQ(SelectMasterChannel->type(), FL_TOGGLE_BUTTON);
  EXPECT_EQ(SelectMasterChannel->down_box(), FL_DOWN_BOX);
  EXPECT_EQ(RegularNum->maximum(), 110);
  EXPECT_EQ(GroupNum->maximum(), 8);
  EXPECT_EQ(GroupNum->textsize(), 12);

  struct {
    Fl_Value_Slider *s;
    const char *label;
    double min, max, step, init;
    int x, y;
  } want[] = {{comp1, "threshold", -30, 0, 0.1, 0, 31, 157},
              {comp2, "attack", 0.1, 50, 0.1, 10, 31, 197},
              {comp3, "release", 10, 1000, 1, 200, 31, 237},
              {comp4, "ratio", 1.1, 4, 0.1, 1.5, 31, 276},
              {rms2, "attack", 0.1, 200, 0.1, 10, 151, 197},
              {rms4, "ratio", 1.1, 4, 0.1, 1.5, 151, 276},
              {nlc2, "sample window", 10, 2000, 1, 300, 271, 197},
              {nlc3, "ratio", 1.1, 8, 0.1, 2, 271, 237},
              {lim1, "threshold", -18, 0, 0.1, 0, 391, 157},
              {lshelf1, "Hz", 30, 300, 1, 100, 31, 373},
              {lshelf3, "Q", 0.1, 8, 0.1, 1, 31, 453},
              {band1_1, "Hz", 60, 1000, 1, 500, 151, 373},
              {band2_1, "Hz", 1000, 16000, 1, 2000, 271, 373},
              {hshelf1, "Hz", 4000, 16000, 1, 8000, 391, 373},
              {hshelf2, "dB", -12, 12, 0.1, 0, 391, 413},
              {hpass1, "Hz", 60, 600, 1, 100, 31, 553},
              {fxg1, "dB", -15, 15, 0.1, 0, 151, 553},
              {rev_send, "chan send level", -24, 0, 0.1, 0, 271, 553},
              {trev_send, "chan send level", -24, 0, 0.1, 0, 391, 553}};
  for (auto &x : want) {
    SCOPED_TRACE(x.label);
    EXPECT_STREQ(x.s->label(), x.label);
    EXPECT_EQ(x.s->minimum(), x.min);
    EXPECT_EQ(x.s->maximum(), x.max);
    EXPECT_DOUBLE_EQ(x.s->step(), x.step);
    EXPECT_EQ(x.s->value(), x.init);
    EXPECT_EQ(x.s->x(), x.x);
    EXPECT_EQ(x.s->y(), x.y);
  }
  struct {
    Fl_Button *b;
    const char *label;
    int x, y;
  } toggles[] = {{comp0, "Peak Comp", 30, 125},        {rms0, "RMS Comp", 150, 125},
                 {nlc0, "Non Lin Comp", 270, 125},     {lim0, "Limiter", 390, 125},
                 {lshelf0, "EQ: Low Shelf", 30, 340},  {band1_0, "EQ: Band 1", 150, 340},
                 {band2_0, "EQ: Band 2", 270, 340},    {hshelf0, "EQ: High Shelf", 390, 340},
                 {hpass0, "EQ: High Pass", 30, 520},   {fxg0, "Effects Gain", 150, 520},
                 {rev_state, "Reverb", 270, 520},      {trev_state, "Tap Reverb", 390, 520}};
  for (auto &t : toggles) {
    SCOPED_TRACE(t.label);
    EXPECT_STREQ(t.b->label(), t.label);
    EXPECT_EQ(t.b->x(), t.x);
    EXPECT_EQ(t.b->y(), t.y);
    EXPECT_EQ(t.b->type(), FL_TOGGLE_BUTTON);
    EXPECT_EQ(t.b->box(), FL_ROUND_UP_BOX);
    EXPECT_EQ(t.b->down_box(), FL_ROUND_DOWN_BOX);
    EXPECT_EQ(t.b->selection_color(), 229u);
    EXPECT_EQ(t.b->labelsize(), 11);
    EXPECT_FALSE(t.b->value());
  }

  // Every slider: horizontal, small grey label, stores on release.
  int sliders = 0;
  for (int i = 0; i < w->children(); i++) {
    Fl_Value_Slider *s = dynamic_cast<Fl_Value_Slider *>(w->child(i));
    if (!s) continue;
    sliders++;
    EXPECT_EQ(s->type(), FL_HOR_SLIDER);
    EXPECT_EQ(s->labelsize(), 10);
    EXPECT_EQ(s->labelcolor(), 215u);
    EXPECT_EQ(s->when(), FL_WHEN_RELEASE);
    EXPECT_EQ(s->w(), 100);
  }
  EXPECT_EQ(sliders, 28);
}

TEST_F(EffectsTest, ChildOrderIsFocusOrder) {
  Fl_Widget *order[] = {SelectRegularChannel, SelectGroupChannel, SelectMasterChannel, RegularNum,
                        GroupNum, comp1, comp2, comp3, comp4, rms1, rms2, rms3, rms4, nlc1, nlc2,
                        nlc3, lim1, lshelf1, lshelf2, lshelf3, band1_1, band1_2, band1_3, band2_1,
                        band2_2, band2_3, hshelf1, hshelf2, hshelf3};
  int n = sizeof order / sizeof order[0];
  for (int i = 0; i < n; i++) EXPECT_EQ(EffectsWindow->child(i), order[i]) << i;
  Fl_Button *mix = dynamic_cast<Fl_Button *>(EffectsWindow->child(n));
  ASSERT_NE(mix, nullptr);
  EXPECT_STREQ(mix->label(), "Mix");
  EXPECT_EQ(mix->shortcut(), FL_CTRL + 'm');
  EXPECT_EQ(mix->box(), FL_ROUND_UP_BOX);
  EXPECT_EQ(mix->down_box(), FL_ROUND_UP_BOX);
  Fl_Widget *rest[] = {NameInEffects, hpass1,    fxg1,      comp0,     rms0,       nlc0,
                       lim0,          lshelf0,   band1_0,   band2_0,   hshelf0,    hpass0,
                       fxg0,          rev_send,  trev_send, rev_state, trev_state};
  for (int i = 0; i < 17; i++) EXPECT_EQ(EffectsWindow->child(n + 1 + i), rest[i]) << i;
  EXPECT_EQ(EffectsWindow->children(), n + 18);
}

TEST_F(EffectsTest, SelectorsActAsOneChoiceFallingBackToChannel) {
  RegularNum->value(7);
  ChangeChannel();
  NameBuffer[7][0] = 'x';
  Select(SelectRegularChannel, 0);  // clicked while on
  EXPECT_TRUE(SelectRegularChannel->value());
  EXPECT_EQ(CNL, 7);
  EXPECT_STREQ(NameInEffects->value(), "x");

  GroupNum->value(3);
  Select(SelectGroupChannel, 1);
  EXPECT_FALSE(SelectRegularChannel->value());
  EXPECT_EQ(CNL, 130);
  EXPECT_STREQ(NameInEffects->value(), "Submix 3");

  Select(SelectGroupChannel, 0);  // clicked while on
  EXPECT_TRUE(SelectRegularChannel->value());
  EXPECT_FALSE(SelectGroupChannel->value());
  EXPECT_EQ(CNL, 7);

  Select(SelectMasterChannel, 1);
  EXPECT_FALSE(SelectRegularChannel->value() || SelectGroupChannel->value());
  EXPECT_EQ(CNL, 0);
  EXPECT_STREQ(NameInEffects->value(), "Master");
  Select(SelectGroupChannel, 1);
  EXPECT_FALSE(SelectMasterChannel->value());
  EXPECT_EQ(CNL, 130);
}

TEST_F(EffectsTest, SpinnersOnlyCountForTheirSelector) {
  GroupNum->value(5);
  Select(SelectGroupChannel, 1);
  Pcomp[132 * NGROUPS + 4] = 3.5f;
  RegularNum->value(40);
  Fire(RegularNum);
  EXPECT_EQ(CNL, 132);
  EXPECT_EQ(comp4->value(), 3.5);
  Select(SelectRegularChannel, 1);
  EXPECT_EQ(CNL, 40);
  EXPECT_FALSE(SelectGroupChannel->value());

  // A submix number beyond the last submix shows the last one.
  Select(SelectGroupChannel, 1);
  GroupNum->value(9);
  Fire(GroupNum);
  EXPECT_EQ(CNL, 135);
  EXPECT_EQ(GroupNum->value(), 8);
  GroupNum->value(0);
  Fire(GroupNum);
  EXPECT_EQ(CNL, 128);
  RegularNum->value(500);
  Select(SelectRegularChannel, 1);
  EXPECT_EQ(CNL, 127);
}

TEST_F(EffectsTest, LoadShowsStoredValuesUnclampedAndKeepsThem) {
  float *row = Plshelf + 12 * NGROUPS;
  row[0] = 1.0f;
  row[1] = 450.0f;  // above the slider's 300
  row[2] = -3.7f;
  Pcomp[12 * NGROUPS] = 0.5f;  // truncates to off
  Php[12 * NGROUPS] = 2.0f;
  Prtn[0] = -6.5f;
  Ptrtn[2] = 9;
  RegularNum->value(12);
  SetStatus("Read 10 bytes from faders.txt");
  std::vector<float> before = Snapshot();
  Fire(RegularNum);
  EXPECT_EQ(Snapshot(), before);  // a load writes nothing
  EXPECT_EQ(Status(), "Read 10 bytes from faders.txt");
  EXPECT_TRUE(lshelf0->value());
  EXPECT_EQ(lshelf1->value(), 450.0);
  EXPECT_EQ(lshelf2->value(), (double)-3.7f);
  EXPECT_FALSE(comp0->value());
  EXPECT_TRUE(hpass0->value());
  EXPECT_EQ(rev_rtn->value(), -6.5);
  EXPECT_EQ(trev_taps->value(), 9.0);

  lshelf3->value(2.5);
  Fire(lshelf3);
  EXPECT_EQ(row[0], 1.0f);
  EXPECT_EQ(row[1], 450.0f);
  EXPECT_EQ(row[2], -3.7f);
  EXPECT_EQ(row[3], 2.5f);
  EXPECT_EQ(Status(), "");
}

TEST_F(EffectsTest, EachBlockStoresItsWholeRowIntoItsOwnTable) {
  GroupNum->value(2);
  Select(SelectGroupChannel, 1);
  for (const BlockUnderTest &b : Blocks()) {
    SCOPED_TRACE(b.toggle->label());
    int n = (int)b.sliders.size();
    float *row = b.table + 129 * NGROUPS;
    // Switching on stores the values the sliders show with the flag.
    std::vector<float> before = Snapshot();
    SetStatus("Wrote 41 bytes to faders.txt");
    b.toggle->value(1);
    Fire(b.toggle);
    EXPECT_EQ(Changed(before, Snapshot()), std::vector<int>{At(b.table, 129, 0)});
    EXPECT_EQ(row[0], 1.0f);
    EXPECT_EQ(Status(), "");
    // Each slider stores into its own column, the flag kept.
    for (int c = 0; c < n; c++) {
      Fl_Value_Slider *s = b.sliders[c];
      s->value(s->minimum() + s->step());
      before = Snapshot();
      Fire(s);
      EXPECT_EQ(Changed(before, Snapshot()), std::vector<int>{At(b.table, 129, c + 1)});
      EXPECT_EQ(row[c + 1], (float)s->value());
      EXPECT_EQ(row[0], 1.0f);
    }
    b.toggle->value(0);
    Fire(b.toggle);
    EXPECT_EQ(row[0], 0.0f);
    for (int c = n + 1; c < NGROUPS; c++) EXPECT_EQ(row[c], 0.0f);
  }
}

TEST_F(EffectsTest, SliderOfAnOffBlockStoresWithTheFlagOff) {
  comp4->value(2.3);
  Fire(comp4);
  EXPECT_EQ(Pcomp[1 * NGROUPS + 0], 0.0f);
  EXPECT_EQ(Pcomp[1 * NGROUPS + 4], 2.3f);
  EXPECT_EQ(Pcomp[1 * NGROUPS + 3], 100.0f);  // the loaded value, not the slider's start

  lshelf2->value(-12.3);
  Fire(lshelf2);
  EXPECT_EQ(Plshelf[1 * NGROUPS + 2], -12.3f);
}

TEST_F(EffectsTest, MasterAndSubmixesUseTheSameColumns) {
  Fl_Round_Button *sel[] = {SelectMasterChannel, SelectGroupChannel, SelectRegularChannel};
  int slots[] = {0, 128, 1};
  for (int i = 0; i < 3; i++) {
    Select(sel[i], 1);
    band2_0->value(1);
    band2_3->value(4.2);
    Fire(band2_3);
    EXPECT_EQ(Pband2[slots[i] * NGROUPS + 0], 1.0f);
    EXPECT_EQ(Pband2[slots[i] * NGROUPS + 3], 4.2f);
    EXPECT_EQ(Pband2[slots[i] * NGROUPS + 1], 2500.0f);
  }
}
