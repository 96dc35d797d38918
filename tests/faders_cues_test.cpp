// The current cue's time and active flag, and the Edit Index menu.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "faders/faders.h"
#include "model/model.h"
#include "testutil.h"

namespace {

enum { INSERT, REMOVE, PROPAGATE };

class FadersCuesTest : public ConsoleTest {
 protected:
  // Every cue different from every other, in every table that moves with it.
  void SetUp() override {
    ConsoleTest::SetUp();
    for (int s = 0; s < NSLOTS; s++)
      for (int k = 0; k < NCUES; k++) Fill(s, k, k);
    for (int k = 0; k < NCUES; k++) {
      FillCue(k, k);
      snprintf(CueNameBuffer[k], sizeof CueNameBuffer[k], "cue %d", k);
    }
    for (int s = 0; s < NSLOTS; s++) {
      Pan[s] = s % 100;
      SoloArray[s] = s % 2;
      MuteArray[s] = s % 3 == 0;
    }
  }

  static void Fill(int s, int k, int was) {
    int i = s * NCUES + k;
    Volume[i] = -(s * 1000 + was);
    Offset[i] = s * 1000 + was + 0.5f;
    Ramp[i] = s + was * 1000;
    Shape[i] = 2 + s * 1000 + was;
    ChanActive[i] = (s + was) % 2;
  }

  static void FillCue(int k, int was) {
    IndexActiveArray[k] = was % 3 == 0;
    IndexMin[k] = was;
    IndexSec[k] = was + 0.25f;
    IndexMsec[k] = 2 * was;
  }

  // Cue k holds what cue `was` held before the edit (-1: an empty cue).
  static bool Holds(int k, int was) {
    float vol = 0, ofs = 0, ramp = 0, shape = 1;
    int flag = 0;
    for (int s = 0; s < NSLOTS; s++) {
      int i = s * NCUES + k;
      if (was >= 0) {
        vol = -(s * 1000 + was);
        ofs = s * 1000 + was + 0.5f;
        ramp = s + was * 1000;
        shape = 2 + s * 1000 + was;
        flag = (s + was) % 2;
      }
      if (Volume[i] != vol || Offset[i] != ofs || Ramp[i] != ramp || Shape[i] != shape ||
          ChanActive[i] != flag)
        return false;
    }
    if (was < 0)
      return IndexActiveArray[k] == 0 && IndexMin[k] == 0 && IndexSec[k] == 0 &&
             IndexMsec[k] == 0;
    return IndexActiveArray[k] == (was % 3 == 0) && IndexMin[k] == was &&
           IndexSec[k] == was + 0.25f && IndexMsec[k] == 2 * was;
  }

  // Cues first..last hold what cues first+shift..last+shift held.
  static void ExpectShifted(int first, int last, int shift) {
    for (int k = first; k <= last; k++) ASSERT_TRUE(Holds(k, k + shift)) << "cue " << k;
  }

  // What does not move with a cue: names, pan, solo and mute.
  static void ExpectUnmoved() {
    for (int k = 0; k < NCUES; k++) {
      char want[64];
      snprintf(want, sizeof want, "cue %d", k);
      ASSERT_STREQ(CueNameBuffer[k], want);
    }
    for (int s = 0; s < NSLOTS; s++) {
      ASSERT_EQ(Pan[s], s % 100);
      ASSERT_EQ(SoloArray[s], s % 2);
      ASSERT_EQ(MuteArray[s], s % 3 == 0);
    }
  }

  void Edit(int item, int timeIndex) {
    TimeIndex->value(timeIndex);
    Fire(TimeIndex);
    menu_Edit[item].do_callback(FadersWindow);
  }
};

}  // namespace

TEST_F(FadersCuesTest, EditIndexMenu) {
  EXPECT_STREQ(menu_Edit[INSERT].label(), "Insert Index");
  EXPECT_STREQ(menu_Edit[REMOVE].label(), "Remove Index");
  EXPECT_STREQ(menu_Edit[PROPAGATE].label(), "Propagate Index");
  EXPECT_EQ(menu_Edit[3].label(), nullptr);
}

TEST_F(FadersCuesTest, InsertAtTimeIndex1MovesEveryCueOneLater) {
  Edit(INSERT, 1);
  EXPECT_TRUE(Holds(0, -1));
  ExpectShifted(1, 511, -1);
  ExpectUnmoved();
  EXPECT_EQ(Status(), "Inserted new index 1");
  // the window shows the new, empty cue 0
  EXPECT_EQ(vol1->value(), 0);
  EXPECT_EQ(shape13->value(), 1);
  EXPECT_FALSE(A2->value());
  EXPECT_FALSE(IndexActive->value());
  EXPECT_EQ(GuiSec->value(), 0);
  EXPECT_STREQ(CueName->value(), "cue 0");
}

TEST_F(FadersCuesTest, InsertAtTimeIndex512OnlyEmptiesTheLastCue) {
  Edit(INSERT, 512);
  ExpectShifted(0, 510, 0);
  EXPECT_TRUE(Holds(511, -1));
  ExpectUnmoved();
  EXPECT_EQ(Status(), "Inserted new index 512");
}

TEST_F(FadersCuesTest, RemoveAtTimeIndex3MovesLaterCuesOneEarlier) {
  Edit(REMOVE, 3);
  ExpectShifted(0, 1, 0);
  ExpectShifted(2, 510, 1);
  EXPECT_TRUE(Holds(511, 511)) << "the last cue keeps its contents, equal to cue 510";
  ExpectUnmoved();
  EXPECT_EQ(Status(), "Removed index 3");
  EXPECT_EQ(vol1->value(), -(1000 + 3));
  EXPECT_EQ(GuiMsec->value(), 6);
}

TEST_F(FadersCuesTest, RemoveAtTimeIndex512ChangesNothingButReports) {
  Edit(REMOVE, 512);
  ExpectShifted(0, 511, 0);
  EXPECT_EQ(Status(), "Removed index 512");
}

TEST_F(FadersCuesTest, InsertThenRemoveRestoresAllButTheLastCue) {
  Edit(INSERT, 5);
  Edit(REMOVE, 5);
  ExpectShifted(0, 510, 0);
  EXPECT_TRUE(Holds(511, 510));
  ExpectUnmoved();
}

TEST_F(FadersCuesTest, PropagateAtTimeIndex5CopiesCue4IntoCue5) {
  Edit(PROPAGATE, 5);
  ExpectShifted(0, 4, 0);
  EXPECT_TRUE(Holds(5, 4));
  ExpectShifted(6, 511, 0);
  ExpectUnmoved();
  EXPECT_EQ(Status(), "Propagated index 5 forward");
  EXPECT_EQ((int)TimeIndex->value(), 5);
}

TEST_F(FadersCuesTest, PropagateAtTheLastCues) {
  Edit(PROPAGATE, 511);
  EXPECT_TRUE(Holds(511, 510));
  EXPECT_EQ(Status(), "Propagated index 511 forward");
  Edit(PROPAGATE, 512);
  ExpectShifted(0, 510, 0);
  EXPECT_TRUE(Holds(511, 510));
  EXPECT_EQ(Status(), "Propagated index 512 forward");
}

TEST_F(FadersCuesTest, TimeAndActiveAreIndependent) {
  TimeIndex->value(4);
  Fire(TimeIndex);
  EXPECT_EQ(GuiMin->value(), 3);
  EXPECT_TRUE(IndexActive->value());
  GuiMin->value(1);
  GuiSec->value(30.5);
  GuiMsec->value(250);
  SetStatus("x");
  Fire(GuiSec);
  EXPECT_EQ(IndexMin[3], 1.0f);
  EXPECT_EQ(IndexSec[3], 30.5f);
  EXPECT_EQ(IndexMsec[3], 250.0f);
  EXPECT_EQ(IndexActiveArray[3], 1);
  EXPECT_EQ(Status(), "");

  SetStatus("x");
  IndexActive->value(0);
  Fire(IndexActive);
  EXPECT_EQ(IndexActiveArray[3], 0);
  EXPECT_EQ(IndexSec[3], 30.5f);
  EXPECT_EQ(Status(), "");
  ExpectShifted(0, 2, 0);
  ExpectShifted(4, 511, 0);
}

TEST_F(FadersCuesTest, TimeFieldsRefuseWhatIsNotANumber) {
  GuiMin->value(NAN);
  GuiSec->value(1.5);
  GuiMsec->value(-INFINITY);
  Fire(GuiMin);
  EXPECT_EQ(IndexMin[0], 0.0f);
  EXPECT_EQ(IndexSec[0], 1.5f);
  EXPECT_EQ(IndexMsec[0], 0.0f);
}
