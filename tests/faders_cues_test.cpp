// The cue list edits of the Edit Index menu, and the current cue's time and flag.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include <string>

#include "app/app.h"
#include "faders/faders.h"
#include "model/model.h"
#include "testutil.h"

namespace {

enum { INSERT, REMOVE, PROPAGATE };

// Cue k of slot s holds values made from s and `was`; -1 stands for an empty cue.
void Fill(int k, int was) {
  for (int s = 0; s < NSLOTS; s++) {
    int i = s * NCUES + k;
    bool e = was < 0;
    Volume[i] = e ? 0 : -(s * 1000 + was);
    Offset[i] = e ? 0 : s + was * 1000.5f;
    Ramp[i] = e ? 0 : s * 3 + was;
    Shape[i] = e ? 1 : 2 + s + was * 1000;
    ChanActive[i] = e ? 0 : (s + was) % 2;
  }
  IndexActiveArray[k] = was >= 0 && was % 3 == 0;
  IndexMin[k] = was < 0 ? 0 : was;
  IndexSec[k] = was < 0 ? 0 : was + 0.25f;
  IndexMsec[k] = was < 0 ? 0 : 2 * was;
}

// The bytes of everything an edit may move, and of what it must not.
std::string Moved() {
  std::string m;
  auto add = [&](const void *p, size_t n) { m.append((const char *)p, n); };
  add(Volume, sizeof Volume), add(Offset, sizeof Offset), add(Ramp, sizeof Ramp);
  add(Shape, sizeof Shape), add(ChanActive, sizeof ChanActive);
  add(IndexActiveArray, sizeof IndexActiveArray), add(IndexMin, sizeof IndexMin);
  add(IndexSec, sizeof IndexSec), add(IndexMsec, sizeof IndexMsec);
  return m;
}

std::string Kept() {
  std::string m;
  auto add = [&](const void *p, size_t n) { m.append((const char *)p, n); };
  add(CueNameBuffer, sizeof CueNameBuffer), add(Pan, sizeof Pan);
  add(SoloArray, sizeof SoloArray), add(MuteArray, sizeof MuteArray);
  return m;
}

class FadersCuesTest : public ConsoleTest {
 protected:
  std::string kept;

  void SetUp() override {
    ConsoleTest::SetUp();
    for (int k = 0; k < NCUES; k++) Fill(k, k);
    for (int k = 0; k < NCUES; k++) CueNameBuffer[k][0] = 'a' + k % 26;
    for (int s = 0; s < NSLOTS; s++) Pan[s] = s % 100, SoloArray[s] = s % 2, MuteArray[s] = s % 3;
    kept = Kept();
  }

  void TearDown() override {
    EXPECT_TRUE(Kept() == kept) << "names, pan, solo and mute stay where they are";
    ConsoleTest::TearDown();
  }

  // Runs a menu item at a time index; then cues lay out as `was` says.
  void Edit(int item, int timeIndex) {
    TimeIndex->value(timeIndex);
    Fire(TimeIndex);
    menu_Edit[item].do_callback(FadersWindow);
  }

  static void Expect(int (*was)(int k)) {
    std::string now = Moved();
    for (int k = 0; k < NCUES; k++) Fill(k, was(k));
    EXPECT_TRUE(now == Moved());
  }
};

}  // namespace

TEST_F(FadersCuesTest, InsertAtTimeIndex1) {
  Edit(INSERT, 1);
  EXPECT_EQ(Status(), "Inserted new index 1");
  EXPECT_EQ(vol1->value(), 0);  // the window shows the empty cue
  EXPECT_FALSE(A2->value());
  EXPECT_FALSE(IndexActive->value());
  Expect([](int k) { return k - 1; });
}

TEST_F(FadersCuesTest, InsertAtTimeIndex512OnlyEmptiesTheLastCue) {
  Edit(INSERT, 512);
  EXPECT_EQ(Status(), "Inserted new index 512");
  Expect([](int k) { return k == 511 ? -1 : k; });
}

TEST_F(FadersCuesTest, RemoveAtTimeIndex3) {
  Edit(REMOVE, 3);
  EXPECT_EQ(Status(), "Removed index 3");
  EXPECT_EQ(GuiMsec->value(), 6);
  Expect([](int k) { return k < 2 ? k : k == 511 ? 511 : k + 1; });
}

TEST_F(FadersCuesTest, RemoveAtTimeIndex512) {
  Edit(REMOVE, 512);
  EXPECT_EQ(Status(), "Removed index 512");
  Expect([](int k) { return k; });
}

TEST_F(FadersCuesTest, InsertThenRemoveLeavesCues510And511Equal) {
  Edit(INSERT, 5);
  Edit(REMOVE, 5);
  Expect([](int k) { return k == 511 ? 510 : k; });
}

TEST_F(FadersCuesTest, PropagateAtTimeIndex5) {
  Edit(PROPAGATE, 5);
  EXPECT_EQ(Status(), "Propagated index 5 forward");
  Expect([](int k) { return k == 5 ? 4 : k; });
}

TEST_F(FadersCuesTest, PropagateAtTimeIndex511And512) {
  Edit(PROPAGATE, 511);
  Edit(PROPAGATE, 512);
  EXPECT_EQ(Status(), "Propagated index 512 forward");
  Expect([](int k) { return k == 511 ? 510 : k; });
}

TEST_F(FadersCuesTest, TimeAndActiveAreIndependent) {
  Fill(3, -1);
  TimeIndex->value(4);
  Fire(TimeIndex);
  GuiMin->value(1);
  GuiSec->value(30.5);
  Fire(GuiSec);
  EXPECT_EQ(IndexMin[3], 1);
  EXPECT_EQ(IndexSec[3], 30.5);
  EXPECT_EQ(IndexActiveArray[3], 0);
  IndexActive->value(1);
  SetStatus("x");
  Fire(IndexActive);
  EXPECT_EQ(IndexActiveArray[3], 1);
  EXPECT_EQ(IndexSec[3], 30.5);
  EXPECT_EQ(Status(), "");
}
