// The effects window: slot selection, the load and the effect stores.
#include "testutil.h"

using EffectsTest = ConsoleTest;

namespace {

std::string EffectTables() {
  return Bytes({Pcomp, Prms, Pnlc, Plim, Pfxg, Php, Plshelf, Pband1, Pband2, Phshelf, Prev, Ptrev});
}

}  // namespace

TEST_F(EffectsTest, SelectorsActAsOneChoiceFallingBackToChannel) {
  Set(RegularNum, 7);
  Set(SelectRegularChannel, 0);  // clicked while on
  EXPECT_TRUE(SelectRegularChannel->value());
  EXPECT_EQ(CNL, 7);
  ShowSubmix(3);
  EXPECT_FALSE(SelectRegularChannel->value());
  EXPECT_STREQ(NameInEffects->value(), "Submix 3");
  Pcomp[130 * NGROUPS + 4] = 3.5f;
  Set(RegularNum, 40);  // reloads the same submix
  EXPECT_EQ(CNL, 130);
  EXPECT_EQ(comp4->value(), 3.5);
  Set(SelectGroupChannel, 0);  // clicked while on
  EXPECT_TRUE(SelectRegularChannel->value());
  EXPECT_EQ(CNL, 40);
  Set(SelectMasterChannel, 1);
  EXPECT_EQ(Values({SelectRegularChannel, SelectGroupChannel, NameInEffects}), "0 0 Master");
  EXPECT_EQ(CNL, 0);
  Set(SelectGroupChannel, 1), Set(GroupNum, 9);  // beyond the last: the last, set back
  EXPECT_EQ(CNL, 135);
  EXPECT_EQ(Values({GroupNum, SelectMasterChannel}), "8 0");
}

TEST_F(EffectsTest, ValuesAreShownAndStoredUnclamped) {
  float *row = Plshelf + 12 * NGROUPS;
  row[0] = 1, row[1] = 450;     // above the slider's 300, as a file may hold it
  Pcomp[12 * NGROUPS] = 0.9f;  // on flags truncate: off
  Php[12 * NGROUPS] = 3e38f;   // beyond any int: on
  Set(RegularNum, 12);
  EXPECT_EQ(Values({lshelf0, comp0, hpass0, lshelf1}), "1 0 1 450");
  Set(lshelf3, 2.5);
  EXPECT_EQ(Row(row, 4), Floats({1, 450, 0, 2.5}));
  Set(comp4, 2.3);  // an off block stores its row with the flag off, as shown
  EXPECT_EQ(Row(Pcomp + 12 * NGROUPS, 5), Floats({0, 0, 10, 100, 2.3f}));
}

TEST_F(EffectsTest, EachControlStoresItsOwnColumnOnly) {
  struct {
    Fl_Button *toggle;
    float *table;
    std::vector<Fl_Value_Slider *> sliders;
  } blocks[] = {{comp0, Pcomp, {comp1, comp2, comp3, comp4}}, {rms0, Prms, {rms1, rms2, rms3, rms4}},
                {nlc0, Pnlc, {nlc1, nlc2, nlc3}},             {lim0, Plim, {lim1}},
                {fxg0, Pfxg, {fxg1}},                         {hpass0, Php, {hpass1}},
                {lshelf0, Plshelf, {lshelf1, lshelf2, lshelf3}},
                {band1_0, Pband1, {band1_1, band1_2, band1_3}},
                {band2_0, Pband2, {band2_1, band2_2, band2_3}},
                {hshelf0, Phshelf, {hshelf1, hshelf2, hshelf3}},
                {rev_state, Prev, {rev_send}},                {trev_state, Ptrev, {trev_send}}};
  // The master, submix 2 and a channel use the same columns.
  for (int slot : {0, 129, 110}) {
    if (slot == 0) Set(SelectMasterChannel, 1);
    if (slot == 129) ShowSubmix(2);
    if (slot == 110) Set(RegularNum, 110), Set(SelectRegularChannel, 1);
    ASSERT_EQ(CNL, slot);
    for (auto &b : blocks) {
      SCOPED_TRACE(b.toggle->label());
      float *row = b.table + slot * NGROUPS;
      // Switching on stores the flag with the values the sliders show; each slider its column.
      for (size_t c = 0; c <= b.sliders.size(); c++) {
        Fl_Valuator *s = c ? b.sliders[c - 1] : nullptr;
        if (s) s->value(s->minimum() + s->step());
        std::string before = EffectTables();
        float old = row[c];
        SetStatus("Read 10 bytes from faders.txt");
        s ? Fire(s) : Set(b.toggle, 1);
        float now = row[c];
        EXPECT_EQ(now, s ? (float)s->value() : 1.0f) << c;
        row[c] = old;
        EXPECT_TRUE(EffectTables() == before) << "column " << c << " alone changed";
        row[c] = now;
        EXPECT_EQ(Status(), "");
      }
    }
  }
}
