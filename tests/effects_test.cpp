// The effects window: slot selection, the load and the effect stores.
#include "testutil.h"

using EffectsTest = ConsoleTest;

namespace {

float *const tables[] = {Pcomp, Prms, Pnlc, Plim, Pfxg, Php, Plshelf, Pband1, Pband2, Phshelf,
                         Prev, Ptrev};

// Indexes of the effect table elements that differ from a saved copy.
std::vector<int> Changed(const std::vector<float> &before) {
  std::vector<int> d;
  for (int t = 0, i = 0; t < 12; t++)
    for (int e = 0; e < NSLOTS * NGROUPS; e++, i++)
      if (tables[t][e] != before[i]) d.push_back(i);
  return d;
}

std::vector<float> Copy() {
  std::vector<float> v;
  for (float *t : tables) v.insert(v.end(), t, t + NSLOTS * NGROUPS);
  return v;
}

}  // namespace

TEST_F(EffectsTest, SelectorsActAsOneChoiceFallingBackToChannel) {
  Set(RegularNum, 7);
  Set(SelectRegularChannel, 0);  // clicked while on
  EXPECT_TRUE(SelectRegularChannel->value());
  EXPECT_EQ(CNL, 7);

  ShowSubmix(3);
  EXPECT_FALSE(SelectRegularChannel->value());
  EXPECT_EQ(CNL, 130);
  EXPECT_STREQ(NameInEffects->value(), "Submix 3");
  Pcomp[130 * NGROUPS + 4] = 3.5f;
  Set(RegularNum, 40);  // reloads the same submix
  EXPECT_EQ(CNL, 130);
  EXPECT_EQ(comp4->value(), 3.5);

  Set(SelectGroupChannel, 0);  // clicked while on
  EXPECT_TRUE(SelectRegularChannel->value());
  EXPECT_EQ(CNL, 40);

  Set(SelectMasterChannel, 1);
  EXPECT_EQ(Values({SelectRegularChannel, SelectGroupChannel}), "0 0");
  EXPECT_EQ(CNL, 0);
  EXPECT_STREQ(NameInEffects->value(), "Master");

  // A submix number beyond the last shows the last and is set back.
  Set(SelectGroupChannel, 1);
  Set(GroupNum, 9);
  EXPECT_EQ(CNL, 135);
  EXPECT_EQ(GroupNum->value(), 8);
  EXPECT_FALSE(SelectMasterChannel->value());
}

TEST_F(EffectsTest, OutOfRangeValueIsShownAndKeptUnclamped) {
  float *row = Plshelf + 12 * NGROUPS;
  row[0] = 1.0f;
  row[1] = 450.0f;  // above the slider's 300, as a file may hold it
  Pcomp[12 * NGROUPS] = 0.9f;  // on flags truncate: off
  Php[12 * NGROUPS] = 3e38f;   // beyond any int: on
  Set(RegularNum, 12);
  EXPECT_EQ(Values({lshelf0, comp0, hpass0, lshelf1}), "1 0 1 450");
  Set(lshelf3, 2.5);
  EXPECT_EQ(row[1], 450.0f);
  EXPECT_EQ(row[3], 2.5f);
}

TEST_F(EffectsTest, EachBlockStoresItsWholeRowIntoItsOwnTableOnly) {
  struct {
    Fl_Button *toggle;
    std::vector<Fl_Value_Slider *> sliders;
  } blocks[] = {{comp0, {comp1, comp2, comp3, comp4}}, {rms0, {rms1, rms2, rms3, rms4}},
                {nlc0, {nlc1, nlc2, nlc3}},            {lim0, {lim1}},
                {fxg0, {fxg1}},                        {hpass0, {hpass1}},
                {lshelf0, {lshelf1, lshelf2, lshelf3}}, {band1_0, {band1_1, band1_2, band1_3}},
                {band2_0, {band2_1, band2_2, band2_3}}, {hshelf0, {hshelf1, hshelf2, hshelf3}},
                {rev_state, {rev_send}},               {trev_state, {trev_send}}};
  // The master, submix 2 and a channel use the same columns.
  for (int slot : {0, 129, 110}) {
    if (slot == 0) Set(SelectMasterChannel, 1);
    if (slot == 129) ShowSubmix(2);
    if (slot == 110) Set(RegularNum, 110), Set(SelectRegularChannel, 1);
    ASSERT_EQ(CNL, slot);
    for (int t = 0; t < 12; t++) {
      SCOPED_TRACE(blocks[t].toggle->label());
      int at = t * NSLOTS * NGROUPS + slot * NGROUPS;
      // Switching on stores the flag with the values the sliders show.
      std::vector<float> before = Copy();
      SetStatus("Read 10 bytes from faders.txt");
      Set(blocks[t].toggle, 1);
      EXPECT_EQ(Changed(before), std::vector<int>{at});
      EXPECT_EQ(tables[t][slot * NGROUPS], 1.0f);
      EXPECT_EQ(Status(), "");
      // Each slider stores its own column.
      for (size_t c = 0; c < blocks[t].sliders.size(); c++) {
        Fl_Value_Slider *s = blocks[t].sliders[c];
        s->value(s->minimum() + s->step());
        before = Copy();
        Fire(s);
        EXPECT_EQ(Changed(before), std::vector<int>{at + 1 + (int)c});
        EXPECT_EQ(tables[t][slot * NGROUPS + 1 + c], (float)s->value());
      }
    }
  }
}

TEST_F(EffectsTest, SliderOfAnOffBlockStoresWithTheFlagOff) {
  Set(comp4, 2.3);
  EXPECT_EQ(Pcomp[1 * NGROUPS + 0], 0.0f);
  EXPECT_EQ(Pcomp[1 * NGROUPS + 3], 100.0f);  // as loaded, not the slider's 200
  EXPECT_EQ(Pcomp[1 * NGROUPS + 4], 2.3f);
  Set(lshelf2, -12.3);
  EXPECT_EQ(Plshelf[1 * NGROUPS + 2], -12.3f);
}
