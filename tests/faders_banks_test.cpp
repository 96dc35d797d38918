// The faders window and its channel banks: which slot each strip shows and edits.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>

#include <cstring>
#include <vector>

#include "faders/faders.h"
#include "model/model.h"
#include "testutil.h"

namespace {

class FadersBanksTest : public ConsoleTest {
 protected:
  void Show(int bank, int timeIndex = 1) {
    Bank->value(bank);
    TimeIndex->value(timeIndex);
    Fire(Bank);
  }
};

// Numbers shown by the twelve displays.
std::vector<int> Numbers() {
  Fl_Value_Output *d[] = {DispNum1, DispNum2, DispNum3, DispNum4,  DispNum5,  DispNum6,
                          DispNum7, DispNum8, DispNum9, DispNum10, DispNum11, DispNum12};
  std::vector<int> v;
  for (Fl_Value_Output *w : d) v.push_back((int)w->value());
  return v;
}

std::vector<int> Range(int first, int last, int extra) {
  std::vector<int> v;
  for (int i = first; i <= last; i++) v.push_back(i);
  v.push_back(extra);
  v.push_back(extra);
  return v;
}

// Everything a strip can store, to see that nothing changed.
struct Snapshot {
  std::vector<float> vol, ofs, ramp, shape, pan;
  std::vector<int> active, solo, mute;
  std::vector<char> names;
};

Snapshot Take() {
  Snapshot s;
  s.vol.assign(Volume, Volume + NSLOTS * NCUES);
  s.ofs.assign(Offset, Offset + NSLOTS * NCUES);
  s.ramp.assign(Ramp, Ramp + NSLOTS * NCUES);
  s.shape.assign(Shape, Shape + NSLOTS * NCUES);
  s.pan.assign(Pan, Pan + NSLOTS);
  s.active.assign(ChanActive, ChanActive + NSLOTS * NCUES);
  s.solo.assign(SoloArray, SoloArray + NSLOTS);
  s.mute.assign(MuteArray, MuteArray + NSLOTS);
  s.names.assign(&NameBuffer[0][0], &NameBuffer[0][0] + sizeof NameBuffer);
  return s;
}

void ExpectSame(const Snapshot &a, const Snapshot &b) {
  EXPECT_TRUE(a.vol == b.vol);
  EXPECT_TRUE(a.ofs == b.ofs);
  EXPECT_TRUE(a.ramp == b.ramp);
  EXPECT_TRUE(a.shape == b.shape);
  EXPECT_TRUE(a.pan == b.pan);
  EXPECT_TRUE(a.active == b.active);
  EXPECT_TRUE(a.solo == b.solo);
  EXPECT_TRUE(a.mute == b.mute);
  EXPECT_TRUE(a.names == b.names);
}

}  // namespace

TEST_F(FadersBanksTest, WindowAndStripRows) {
  EXPECT_STREQ(FadersWindow->label(), "Faders");
  EXPECT_EQ(FadersWindow->w(), 620);
  EXPECT_EQ(FadersWindow->h(), 575);
  EXPECT_EQ(FadersWindow->resizable(), nullptr);
  EXPECT_FALSE(FadersWindow->visible());
  Fl_Widget *row1[] = {solo1, mute1, DispNum1, name1, browse1, A1, vol1, ofs1, ramp1, shape1, pan1};
  for (Fl_Widget *w : row1) EXPECT_EQ(w->y(), 177);
  Fl_Widget *row11[] = {solo11, mute11, DispNum11, name11, A11, vol11, ofs11, pan11};
  for (Fl_Widget *w : row11) EXPECT_EQ(w->y(), 177 + 300);
  Fl_Widget *row13[] = {name13, A13, vol13, ofs13, ramp13, shape13, pan13};
  for (Fl_Widget *w : row13) EXPECT_EQ(w->y(), 177 + 360);
  // left to right: solo, mute, number, name, browse, auto, volume, offset, ramp, shape, pan
  for (int i = 1; i < 11; i++) EXPECT_LT(row1[i - 1]->x(), row1[i]->x());
  EXPECT_TRUE(name13->readonly());
}

TEST_F(FadersBanksTest, ControlRanges) {
  EXPECT_EQ(TimeIndex->minimum(), 1);
  EXPECT_EQ(TimeIndex->maximum(), 512);
  EXPECT_EQ(Bank->minimum(), 1);
  EXPECT_EQ(Bank->maximum(), 12);
  EXPECT_EQ(vol7->minimum(), -144);
  EXPECT_EQ(vol7->maximum(), 12);
  EXPECT_DOUBLE_EQ(vol7->step(), 0.1);
  EXPECT_EQ(shape13->minimum(), 0.125);
  EXPECT_EQ(shape13->maximum(), 8);
  EXPECT_EQ(pan2->minimum(), -100);
  EXPECT_EQ(pan2->maximum(), 100);
  EXPECT_EQ(pan2->step(), 1);
  EXPECT_STREQ(vol1->label(), "volume dB");
  EXPECT_EQ(vol2->label(), nullptr);
  EXPECT_STREQ(name11->label(), "sub");
  EXPECT_STREQ(name12->label(), "vca");
  EXPECT_STREQ(browse10->label(), "*");
  EXPECT_EQ(MixButton3->shortcut(), FL_CTRL + 'm');
}

TEST_F(FadersBanksTest, BankOneShowsChannelsOneToTenSubmixOneAndVcaOne) {
  EXPECT_EQ(Numbers(), Range(1, 10, 1));
  EXPECT_STREQ(name11->value(), "Submix 1");
  EXPECT_STREQ(name12->value(), "VCA 1");
  EXPECT_STREQ(name13->value(), "Master");
}

TEST_F(FadersBanksTest, BankEightShowsSlots71To80Submix8AndVca8) {
  Volume[71 * NCUES] = -1;
  Volume[80 * NCUES] = -2;
  Volume[135 * NCUES] = -3;
  Volume[143 * NCUES] = -4;
  Pan[135] = 25;
  Show(8);
  EXPECT_EQ(Numbers(), Range(71, 80, 8));
  EXPECT_EQ(vol1->value(), -1);
  EXPECT_EQ(vol10->value(), -2);
  EXPECT_EQ(vol11->value(), -3);
  EXPECT_EQ(vol12->value(), -4);
  EXPECT_EQ(pan11->value(), 25);
  EXPECT_STREQ(name11->value(), "Submix 8");
  EXPECT_STREQ(name12->value(), "VCA 8");
}

TEST_F(FadersBanksTest, BanksNineToTwelveHaveUnavailableStripsThatStoreNothing) {
  Volume[135 * NCUES] = -3;
  Volume[143 * NCUES] = -4;
  Show(8);
  Show(12);
  EXPECT_EQ(Numbers(), Range(111, 120, 12));
  EXPECT_STREQ(name11->value(), "(unavailable)");
  EXPECT_STREQ(name12->value(), "(unavailable)");
  // they keep what Submix 8 and VCA 8 showed
  EXPECT_EQ(vol11->value(), -3);
  EXPECT_EQ(vol12->value(), -4);

  Snapshot before = Take();
  vol11->value(-20);
  Fire(vol11);
  ofs12->value(3);
  Fire(ofs12);
  ramp11->value(2);
  Fire(ramp11);
  shape12->value(2);
  Fire(shape12);
  pan11->value(50);
  Fire(pan11);
  A12->value(1);
  Fire(A12);
  solo11->value(1);
  Fire(solo11);
  mute12->value(1);
  Fire(mute12);
  name11->value("Drums");
  Fire(name11);
  ExpectSame(before, Take());
}

TEST_F(FadersBanksTest, NoBankReachesChannel121) {
  for (int b = 1; b <= 12; b++) {
    Show(b);
    for (int n : Numbers()) EXPECT_LE(n, 120);
  }
}

TEST_F(FadersBanksTest, StripThirteenIsTheMasterInEveryBank) {
  for (int b : {1, 8, 9, 12}) {
    Show(b, 3);
    vol13->value(-b);
    Fire(vol13);
    EXPECT_EQ(Volume[2], -b);
    EXPECT_STREQ(name13->value(), "Master");
  }
  Volume[2] = -7.5f;
  Show(10, 3);
  EXPECT_EQ(vol13->value(), -7.5);
}

TEST_F(FadersBanksTest, TimeIndexSelectsTheCue) {
  Volume[1 * NCUES + 511] = -11;
  Volume[1 * NCUES + 0] = -1;
  Show(1, 512);
  EXPECT_EQ(vol1->value(), -11);
  Show(1, 1);
  EXPECT_EQ(vol1->value(), -1);
}

TEST_F(FadersBanksTest, SpinnersOutsideTheirRangeStayInsideTheTables) {
  TimeIndex->value(9999);
  Bank->value(-3);
  Fire(Bank);
  vol1->value(-9);
  Fire(vol1);
  EXPECT_EQ(Volume[1 * NCUES + 511], -9);
  EXPECT_EQ(Numbers(), Range(1, 10, 1));
}
