// Strip values: what each strip control stores, what it refuses, what it shows.
#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include <cmath>
#include <vector>

#include "app/app.h"
#include "faders/faders.h"
#include "model/model.h"
#include "testutil.h"

namespace {

class FadersStripsTest : public ConsoleTest {
 protected:
  void Show(int bank, int timeIndex) {
    Bank->value(bank);
    TimeIndex->value(timeIndex);
    Fire(TimeIndex);
  }
};

int At(int slot, int cue) { return slot * NCUES + cue; }

// Every per-cue and per-slot strip table, flattened, to compare before and after.
std::vector<double> Model() {
  std::vector<double> v;
  for (int i = 0; i < NSLOTS * NCUES; i++) {
    v.push_back(Volume[i]);
    v.push_back(Offset[i]);
    v.push_back(Ramp[i]);
    v.push_back(Shape[i]);
    v.push_back(ChanActive[i]);
  }
  for (int s = 0; s < NSLOTS; s++) {
    v.push_back(Pan[s]);
    v.push_back(SoloArray[s]);
    v.push_back(MuteArray[s]);
  }
  return v;
}

}  // namespace

TEST_F(FadersStripsTest, VolumeOfStrip3InBank2AtTimeIndex5EditsSlot13AtCue4Only) {
  Show(2, 5);
  std::vector<double> before = Model();
  vol3->value(-6);
  Fire(vol3);
  EXPECT_EQ(Volume[At(13, 4)], -6.0f);
  Volume[At(13, 4)] = 0;
  EXPECT_TRUE(Model() == before) << "only that entry may change; its entry flag stays off";

  ChanActive[At(13, 4)] = 1;
  vol3->value(-7.5);
  Fire(vol3);
  EXPECT_EQ(ChanActive[At(13, 4)], 1);
}

TEST_F(FadersStripsTest, AutoSetsTheEntryFlagAndNoValue) {
  Show(2, 5);
  Volume[At(13, 4)] = -3;
  Show(2, 5);
  std::vector<double> before = Model();
  A3->value(1);
  Fire(A3);
  EXPECT_EQ(ChanActive[At(13, 4)], 1);
  ChanActive[At(13, 4)] = 0;
  EXPECT_TRUE(Model() == before);
}

TEST_F(FadersStripsTest, OffsetRampAndShapeGoToTheSlotAtTheCue) {
  Show(4, 10);
  ofs5->value(-2.25);
  Fire(ofs5);
  ramp5->value(1.5);
  Fire(ramp5);
  shape5->value(4);
  Fire(shape5);
  EXPECT_EQ(Offset[At(35, 9)], -2.25f);
  EXPECT_EQ(Ramp[At(35, 9)], 1.5f);
  EXPECT_EQ(Shape[At(35, 9)], 4.0f);
  Show(4, 11);
  EXPECT_EQ(ofs5->value(), 0);
  EXPECT_EQ(shape5->value(), 1);
  Show(4, 10);
  EXPECT_EQ(ofs5->value(), -2.25);
  EXPECT_EQ(ramp5->value(), 1.5);
}

TEST_F(FadersStripsTest, RampAcceptsZeroAndUpOnly) {
  Ramp[At(4, 0)] = 2;
  Show(1, 1);
  ramp4->value(-1);
  Fire(ramp4);
  EXPECT_EQ(Ramp[At(4, 0)], 2.0f);
  EXPECT_EQ(ramp4->value(), -1) << "the refused value stays shown until the next refresh";
  Show(1, 2);
  Show(1, 1);
  EXPECT_EQ(ramp4->value(), 2);
  ramp4->value(0);
  Fire(ramp4);
  EXPECT_EQ(Ramp[At(4, 0)], 0.0f);
}

TEST_F(FadersStripsTest, ShapeAcceptsAboveZeroOnly) {
  shape2->value(0);
  Fire(shape2);
  EXPECT_EQ(Shape[At(2, 0)], 1.0f);
  shape2->value(-0.5);
  Fire(shape2);
  EXPECT_EQ(Shape[At(2, 0)], 1.0f);
  shape2->value(0.5);
  Fire(shape2);
  EXPECT_EQ(Shape[At(2, 0)], 0.5f);
}

TEST_F(FadersStripsTest, PanAcceptsMinus100To100AndIsTheSameAtEveryCue) {
  for (double v : {-100.0, 100.0, 0.0, 37.0}) {
    pan1->value(v);
    Fire(pan1);
    EXPECT_EQ(Pan[1], (float)v);
  }
  for (double v : {-100.5, 100.5, 250.0}) {
    pan1->value(v);
    Fire(pan1);
    EXPECT_EQ(Pan[1], 37.0f);
  }
  Show(1, 8);
  EXPECT_EQ(pan1->value(), 37);
  pan13->value(-40);
  Fire(pan13);
  EXPECT_EQ(Pan[0], -40.0f);
}

TEST_F(FadersStripsTest, SoloAndMuteOfSubmixAndVcaStrips) {
  Show(3, 6);
  std::vector<double> before = Model();
  mute12->value(1);
  Fire(mute12);
  solo11->value(1);
  Fire(solo11);
  EXPECT_EQ(MuteArray[138], 1);
  EXPECT_EQ(SoloArray[130], 1);
  MuteArray[138] = SoloArray[130] = 0;
  EXPECT_TRUE(Model() == before);

  MuteArray[25] = 1;
  Show(3, 200);
  EXPECT_TRUE(mute5->value());
  EXPECT_FALSE(solo5->value());
}

TEST_F(FadersStripsTest, ValuesThatAreNotNumbersAreNeverStored) {
  Show(1, 1);
  std::vector<double> before = Model();
  vol1->value(NAN);
  Fire(vol1);
  ofs2->value(INFINITY);
  Fire(ofs2);
  ofs3->value(1e300);  // beyond a float
  Fire(ofs3);
  ramp4->value(INFINITY);
  Fire(ramp4);
  shape5->value(NAN);
  Fire(shape5);
  pan6->value(NAN);
  Fire(pan6);
  EXPECT_TRUE(Model() == before);
}

TEST_F(FadersStripsTest, RefreshShowsStoredValuesUnclamped) {
  Volume[At(0, 0)] = -200;
  Shape[At(0, 0)] = 20;
  Pan[0] = 300;
  ChanActive[At(0, 0)] = 7;
  Show(5, 1);
  EXPECT_EQ(vol13->value(), -200);
  EXPECT_EQ(shape13->value(), 20);
  EXPECT_EQ(pan13->value(), 300);
  EXPECT_TRUE(A13->value());
}

TEST_F(FadersStripsTest, EveryStoreClearsTheStatusLine) {
  Fl_Widget *stores[] = {vol2, ofs2, A2, solo2, mute2, ramp2, shape2, pan2, ramp13};
  for (Fl_Widget *w : stores) {
    SetStatus("Wrote 41 bytes to faders.txt");
    Fire(w);
    EXPECT_EQ(Status(), "");
  }
  // also when nothing was stored
  Bank->value(10);
  Fire(Bank);
  Fl_Value_Input *refused[] = {ramp3, shape3, pan3, ramp11, pan12};
  ramp3->value(-1);
  shape3->value(0);
  pan3->value(101);
  for (Fl_Value_Input *w : refused) {
    SetStatus("Wrote 41 bytes to faders.txt");
    Fire(w);
    EXPECT_EQ(Status(), "");
  }
  SetStatus("x");
  Fire(vol11);
  EXPECT_EQ(Status(), "");
}
