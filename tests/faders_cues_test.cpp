// The cue list edits of the Edit Index menu, and the current cue's time and flag.
#include "compare/compare.h"
#include "testutil.h"

namespace {

enum { INSERT, REMOVE, PROPAGATE };

// Cue k of slot s holds values made from s and `was`; -1 stands for an empty cue.
void Fill(int k, int was) {
  const bool empty = was < 0;
  for (int s = 0; s < NSLOTS; s++) {
    const int i = Entry(s, k);
    Volume[i] = empty ? 0 : -(s * 1000 + was), Offset[i] = empty ? 0 : s + was * 1000.5f;
    Ramp[i] = empty ? 0 : s * 3 + was, Shape[i] = empty ? 1 : 2 + s + was * 1000;
    ChanActive[i] = empty ? 0 : (s + was) % 2;
  }
  IndexActiveArray[k] = !empty && was % 3 == 0;
  IndexMin[k] = empty ? 0 : was, IndexSec[k] = empty ? 0 : was + 0.25f, IndexMsec[k] = empty ? 0 : 2 * was;
  snprintf(CueNameBuffer[k], sizeof CueNameBuffer[k], empty ? "" : "Cue %d", was);
}

class FadersCuesTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    for (int k = 0; k < NCUES; k++) Fill(k, k);
    for (int s = 0; s < NSLOTS; s++) Pan[s] = s % 100, SoloArray[s] = s % 2, MuteArray[s] = s % 3;
  }

  // Runs a menu item at a time index.
  void Edit(int item, int timeIndex) {
    Set(TimeIndex, timeIndex);
    menu_Edit[item].do_callback(FadersWindow);
  }
};

}  // namespace

// A cue's entries, time, flag and name move together as `was` says; pan, solo and
// mute stay; Propagate leaves the next cue its name; one undo puts every byte back.
TEST_F(FadersCuesTest, InsertRemoveAndPropagate) {
  struct {
    std::vector<std::pair<int, int>> edits;  // menu item, time index
    const char *status;
    int (*was)(int k);  // where cue k now comes from, -1 for an empty cue
  } cases[] = {
      {{{INSERT, 1}}, "Inserted new index 1", [](int k) { return k - 1; }},
      {{{INSERT, 200}}, "Inserted new index 200", [](int k) { return k < 199 ? k : k == 199 ? -1 : k - 1; }},
      {{{INSERT, 512}}, "Inserted new index 512", [](int k) { return k == 511 ? -1 : k; }},
      {{{REMOVE, 1}}, "Removed index 1", [](int k) { return k == 511 ? -1 : k + 1; }},
      {{{REMOVE, 3}}, "Removed index 3", [](int k) { return k < 2 ? k : k == 511 ? -1 : k + 1; }},
      {{{REMOVE, 512}}, "Removed index 512", [](int k) { return k == 511 ? -1 : k; }},
      {{{INSERT, 5}, {REMOVE, 5}}, "Removed index 5", [](int k) { return k == 511 ? -1 : k; }},
      {{{PROPAGATE, 5}}, "Propagated index 5 forward", [](int k) { return k == 5 ? 4 : k; }},
      {{{PROPAGATE, 511}, {PROPAGATE, 512}}, "Propagated index 512 forward",
       [](int k) { return k == 511 ? 510 : k; }},
  };
  auto Kept = [] {
    return std::string((char *)Pan, sizeof Pan) + std::string((char *)SoloArray, sizeof SoloArray) +
           std::string((char *)MuteArray, sizeof MuteArray);
  };
  const std::string kept = Kept();
  for (auto &c : cases) {
    SCOPED_TRACE(c.status);
    for (int k = 0; k < NCUES; k++) Fill(k, k);
    const std::string before = ModelBytes();
    for (auto &e : c.edits) Edit(e.first, e.second);
    EXPECT_EQ(Status(), c.status);
    const std::string now = Model(), after = ModelBytes();
    for (int k = 0; k < NCUES; k++) Fill(k, c.was(k));
    if (c.edits[0].first == PROPAGATE)
      for (int k = 0; k < NCUES; k++) snprintf(CueNameBuffer[k], sizeof CueNameBuffer[k], "Cue %d", k);
    EXPECT_EQ(Changed(now), "");
    EXPECT_TRUE(Kept() == kept);
    SetModelImage(after);
    for (size_t i = 0; i < c.edits.size(); i++) Undo();
    EXPECT_TRUE(ModelBytes() == before);
  }
  Edit(REMOVE, 3);  // the window shows the edited cue
  EXPECT_EQ(GuiMsec->value(), 6);
  Edit(INSERT, 1);
  EXPECT_EQ(Values({vol1, A2, IndexActive}), "0 0 0");  // the empty cue
}

TEST_F(FadersCuesTest, TimeAndActiveAreIndependent) {
  Fill(3, -1);
  Set(TimeIndex, 4);
  GuiMin->value(1), GuiSec->value(30.5), Fire(GuiSec);
  EXPECT_EQ(Floats({IndexMin[3], IndexSec[3], (float)IndexActiveArray[3]}), Floats({1, 30.5, 0}));
  SetStatus("x");
  Set(IndexActive, 1);
  EXPECT_EQ(Floats({IndexSec[3], (float)IndexActiveArray[3]}), Floats({30.5, 1}));
  EXPECT_EQ(Status(), "");
}
