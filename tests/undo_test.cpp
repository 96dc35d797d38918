// Undo and redo of every kind of edit, random sequences, and the history's bounds.
#include <functional>
#include <random>

#include "testutil.h"
#include "undo/undo.h"
#include "where/where.h"

namespace {

class UndoTest : public ConsoleTest {
 protected:
  void SetUp() override { ConsoleTest::SetUp(), StartJournal(); }
};

void Pick(const Fl_Menu_Item *menu, const char *label) {
  for (const Fl_Menu_Item *m = menu; m->label(); m++)
    if (strcmp(m->label(), label) == 0) return m->do_callback(nullptr);
  FAIL() << label;
}

struct Edit {
  const char *name;
  std::function<void()> prepare;  // before the history starts
  std::function<void()> run;      // the step
  const char *undone;             // the status after its undo
};
const std::function<void()> none = [] {};

// One edit of every kind, each made at bank 2, time index 5.
const Edit Edits[] = {
    {"volume", none, [] { Set(vol3, -6.5); }, "Undone: volume of channel 13 at time index 5"},
    {"ramp", none, [] { Set(ramp13, 3); }, "Undone: ramp of the master at time index 5"},
    {"pan", none, [] { Set(pan4, -40); }, "Undone: pan of channel 14"},
    {"auto", none, [] { Set(A2, 1); }, "Undone: entry of channel 12 at time index 5"},
    {"solo", none, [] { Set(solo12, 1); }, "Undone: solo of VCA 2"},
    {"name", none, [] { Set(name6, "Kick"); }, "Undone: name of channel 16"},
    {"cue name", none, [] { Set(CueName, "Verse"); }, "Undone: cue name of time index 5"},
    {"cue time", none, [] { GuiSec->value(12.5), Fire(GuiSec); }, "Undone: sec/beat of time index 5"},
    {"insert", [] { Set(vol1, -3); }, [] { Pick(menu_Edit, "Insert Index"); },
     "Undone: Insert Index"},
    {"remove", [] { Set(vol1, -3); }, [] { Pick(menu_Edit, "Remove Index"); },
     "Undone: Remove Index"},
    {"propagate", [] { Set(vol1, -3); }, [] { Pick(menu_Edit, "Propagate Index"); },
     "Undone: Propagate Index"},
    {"routing", [] { Set(SubBank, 3); }, [] { Set(sub_button_B2, 1); },
     "Undone: 2 changes"},  // the assignment and the submix in use
    {"effect", [] { ShowSubmix(3); }, [] { Set(comp0, 1), Set(comp2, -20); }, "Undone: 2 changes"},
    {"reverb", none, [] { Set(rev_width, 80); }, "Undone: reverb width"},
    {"preference", none, [] { Set(panlaw, 4.5); }, "Undone: Pan law"},
    {"mix name", none, [] { Set(MixNameInput, "Concert"); }, "Undone: mix name"},
    {"recall", none, [] {
       WriteFile("faders.txt", "Show\nindex\t1\nch 1\t-3.0\nend\n");
       WriteFile("tracks.txt", "1 Kick +\n2 Snare off\nend\n");
       WriteFile("prefs.txt", "pre\ton\ncolor\t12\nend\n");
       Pick(menu_Recall, "Recall All");
     }, "Undone: Recall All"},
};

TEST_F(UndoTest, EveryKindOfEditUndoesAndRedoesExactly) {
  for (const Edit &e : Edits) {
    SCOPED_TRACE(e.name);
    ShowBank(2, 5);
    e.prepare();
    StartJournal();
    std::string model[2] = {ModelBytes()}, shown[2];
    e.run(), RecordStep();
    model[1] = ModelBytes();
    ASSERT_NE(model[0], model[1]);
    // What the windows show, refreshed, at the cue and bank the undo and the redo go to.
    Undo(), UpdateGUI(), shown[0] = Shown();
    Redo(), UpdateGUI(), shown[1] = Shown();
    for (int redo : {0, 1}) {
      Scramble();
      redo ? Redo() : Undo();
      EXPECT_EQ(Status(), redo ? "Re" + std::string(e.undone + 2) : e.undone);
      EXPECT_EQ(ModelBytes(), model[redo]);
      EXPECT_TRUE(Shown() == shown[redo]);
    }
    Undo(), ClearInternalArrays(), UpdateGUI();
  }
}

TEST_F(UndoTest, StepsAndTheirEnds) {
  // A spinner clicked three times in a row is one step; another control starts a new one.
  ShowBank(1, 2);
  for (int k = 0; k < 3; k++) Fire(vol1->child(1)), RecordStep();
  Set(pan1, 20), RecordStep();
  EXPECT_EQ(UndoSteps(), 2);
  Undo(), Undo(), ShowBank(1, 1), Redo();
  EXPECT_EQ(TimeIndex->value(), 2);  // the redo shows the cue it touched
  EXPECT_FLOAT_EQ(Volume[Entry(1, 1)], 0.3f);
  // A new change after an undo drops what could be redone; one not yet recorded is undone first.
  Set(mute1, 1), Set(mute2, 1);
  Redo();
  EXPECT_EQ(Status(), "Nothing to redo");
  Undo();
  EXPECT_EQ(MuteArray[1] + MuteArray[2], 0);
}

// A few hundred edits and commands from fixed seeds, undone to the start and redone to the end.
TEST_F(UndoTest, RandomSequencesUndoToTheStartAndRedoToTheEnd) {
  const std::function<void(std::mt19937 &)> actions[] = {
      [](std::mt19937 &r) { ShowBank(r() % 12 + 1, r() % 8 + 1); },
      [](std::mt19937 &r) { Set(vol1, -(double)(r() % 1440) / 10); },
      [](std::mt19937 &r) { Set(pan13, (int)(r() % 201) - 100); },
      [](std::mt19937 &r) { Set(name5, std::to_string(r()).c_str()); },
      [](std::mt19937 &r) { Set(IndexActive, r() % 2); },
      [](std::mt19937 &) { InsertIndex(); },
      [](std::mt19937 &) { RemoveIndex(); },
      [](std::mt19937 &) { Propagate(); },
      [](std::mt19937 &r) { Set(sub_button_A1, r() % 2); },
      [](std::mt19937 &) { SaveAll(); },
      [](std::mt19937 &) { RecallAll(); },
      [](std::mt19937 &) { StageReadFromFile(); },
  };
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    TearDown(), SetUp();
    std::string start = ModelBytes();
    std::mt19937 r(seed);
    for (int k = 0; k < 300; k++) actions[r() % (sizeof actions / sizeof actions[0])](r), RecordStep();
    std::string end = ModelBytes();
    int steps = UndoSteps();
    for (int k = 0; k < steps; k++) Undo();
    EXPECT_EQ(ModelBytes(), start);
    for (int k = 0; k < steps; k++) Redo();
    EXPECT_EQ(ModelBytes(), end);
  }
}

// 1,000 inserts at the largest mix, the first ones over 1 MiB each: the oldest steps go first.
TEST_F(UndoTest, HistoryKeepsItsBounds) {
  for (int i = 0; i < NSLOTS * NCUES; i++)
    Volume[i] = -0.01f * i, Offset[i] = Ramp[i] = Shape[i] = (float)i, ChanActive[i] = i;
  UpdateGUI(), StartJournal();
  std::vector<size_t> after;  // the model after each insert
  for (int k = 0; k < 1000; k++) {
    InsertIndex(), Volume[0] = k, RecordStep();
    ASSERT_LE(HistoryBytes(), MAX_HISTORY_BYTES);
    after.push_back(std::hash<std::string>()(ModelBytes()));
    if (k == 100) { EXPECT_LT(UndoSteps(), 60); }
  }
  int kept = UndoSteps();
  EXPECT_GE(kept, 20);
  for (int k = 0; k < kept; k++) Undo();
  EXPECT_EQ(std::hash<std::string>()(ModelBytes()), after[1000 - kept - 1]);
  Undo();
  EXPECT_EQ(Status(), "Nothing to undo");
}

TEST_F(UndoTest, TheBottomLineSaysWhereAndWhatIsUnstored) {
  EXPECT_EQ(WhereText("/home/ann/mixes", "/home/ann", false, ""), "~/mixes");
  EXPECT_EQ(WhereText("/home/anna", "/home/ann", true, "a note"), "/home/anna, unstored changes, a note");

  const struct {
    const char *what;
    std::function<void()> run;
    bool unstored;
  } steps[] = {
      {"start", none, false},
      {"edit", [] { Set(vol1, -3); }, true},
      {"store", SaveAll, false},
      {"undo", Undo, true},  // a store is no step: the undo takes back the edit before it
      {"redo", Redo, false},
      {"edit", [] { Set(pan1, 10); }, true},
      {"recall", RecallAll, false},
      {"a preference", [] { Set(panlaw, 4.5); }, true},
      {"the fader file alone", [] { Pick(menu_Store, "Store Faders / Effects"); }, true},
      {"the preferences", [] { Pick(menu_Store, "Store Preferences"); }, false},
  };
  for (const auto &s : steps) {
    SCOPED_TRACE(s.what);
    s.run();
    AfterEvent();
    if (!strcmp(s.what, "undo")) {
      EXPECT_EQ(Status(), "Undone: volume of channel 1 at time index 1");
    }
    EXPECT_EQ(UnstoredChanges(), s.unstored);
    EXPECT_EQ(std::string(WhereLine->label()).find("unstored changes") != std::string::npos, s.unstored);
  }
}

}  // namespace
