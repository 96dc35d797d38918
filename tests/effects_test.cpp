// The effects and reverb windows: slot selection, the load and the effect stores,
// and the reverb stores that the two windows share.
#include "testutil.h"

using EffectsTest = ConsoleTest;

TEST_F(EffectsTest, SelectorsActAsOneChoiceFallingBackToChannel) {
  Pcomp[SubSlot(3) * NGROUPS + 4] = 3.5f;
  // The three selectors, the submix number and the name shown; then the slot loaded.
  const struct { void (*click)(); const char *shown; int slot; } steps[] = {
      {[] { Set(RegularNum, 7), Set(SelectRegularChannel, 0); }, "1 0 0 1 ", 7},  // clicked while on
      {[] { ShowSubmix(3); }, "0 1 0 3 Submix 3", SubSlot(3)},
      {[] { Set(RegularNum, 40); }, "0 1 0 3 Submix 3", SubSlot(3)},  // reloads the same submix
      {[] { Set(SelectGroupChannel, 0); }, "1 0 0 3 ", 40},            // clicked while on
      {[] { Set(SelectMasterChannel, 1); }, "0 0 1 3 Master", MASTER},
      {[] { Set(SelectGroupChannel, 1), Set(GroupNum, 9); }, "0 1 0 8 Submix 8", SubSlot(8)},  // the last
  };
  for (auto &s : steps) {
    s.click();
    EXPECT_EQ(Values({SelectRegularChannel, SelectGroupChannel, SelectMasterChannel, GroupNum, NameInEffects}),
              s.shown);
    EXPECT_EQ(CNL, s.slot) << s.shown;
    EXPECT_EQ(comp4->value(), Pcomp[s.slot * NGROUPS + 4]) << s.shown;  // the slot's values shown
  }
}

// Every block stores the flag or the one column its control shows, in the row of
// the shown slot, and clears the status line; the columns are stored while the
// block is off, and it stays off.
TEST_F(EffectsTest, EachControlStoresItsOwnColumnOnly) {
  const std::vector<Fl_Widget *> blocks[NEFFECTS] = {
      {hpass0, hpass1},         {comp0, comp1, comp2, comp3, comp4}, {rms0, rms1, rms2, rms3, rms4},
      {nlc0, nlc1, nlc2, nlc3}, {lim0, lim1},         {band1_0, band1_1, band1_2, band1_3},
      {band2_0, band2_1, band2_2, band2_3},           {hshelf0, hshelf1, hshelf2, hshelf3},
      {lshelf0, lshelf1, lshelf2, lshelf3},           {rev_state, rev_send}, {trev_state, trev_send},
      {fxg0, fxg1}};
  ShowSubmix(2);
  for (int fx = 0; fx < NEFFECTS; fx++) {
    const Effect &e = Effects[fx];
    ASSERT_EQ((int)blocks[fx].size(), e.values + 1) << e.label;
    for (int c = e.values; c >= 0; c--) {
      Fl_Valuator *s = c ? (Fl_Valuator *)blocks[fx][c] : nullptr;
      if (s) s->value(s->minimum() + s->step());
      float &v = e.table[SubSlot(2) * NGROUPS + c], old = v;
      const std::string before = Model();
      SetStatus("Read 10 bytes from faders.txt");
      s ? Fire(s) : Set((Fl_Button *)blocks[fx][0], 1);
      const float now = v;
      EXPECT_EQ(now, s ? (float)s->value() : 1.0f) << e.label << " column " << c;
      v = old;
      EXPECT_EQ(Changed(before), "") << e.label << " column " << c << " alone changes";
      v = now;
      EXPECT_EQ(Status(), "");
    }
  }
}

TEST_F(EffectsTest, TapCountStoresTheTapReverbAndTheShownSlotsSend) {
  EXPECT_EQ(trev_taps->value(), 5.0);  // the model's, not the slider's 3
  trev_state->value(1), trev_send->value(-4.5);  // shown, not yet stored
  SetStatus("kept");
  Set(trev_taps, 7);
  EXPECT_EQ(Row(Ptrtn, 3), (Floats{0, 150, 7}));
  EXPECT_EQ(Row(Ptrev + 1 * NGROUPS, 2), (Floats{1, -4.5}));
  EXPECT_EQ(Status(), "");
}

TEST_F(EffectsTest, HighPassStoresEveryReverbSettingButNotTheTapReverb) {
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
