// Unstored changes offered back at start-up, versions laid over the console, and
// the Compare window following the console.
#include <FL/Fl_Box.H>
#include <FL/Fl_Hold_Browser.H>

#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "testutil.h"
#include "undo/undo.h"

namespace {

class KeepWindowsTest : public ConsoleTest {
 protected:
  void SetUp() override { ConsoleTest::SetUp(), StartHistory(), StartJournal(); }
};

const char Recovered[] = ".corvessa/recovery/faders.txt";

// Another session begins in the folder: the start-up console, nothing read.
void StartAgain() {
  StartUpModel();
  UpdateGUI();
  ForgetFiles();
  StartJournal();
  OfferRecovery();
}

std::string Listed(Fl_Browser *b) {
  std::string all;
  for (int i = 1; i <= b->size(); i++) all += std::string(b->text(i)) + "\n";
  return all;
}

// The edits of a session that ends without a store; the console they leave.
std::string EditAndEnd() {
  ShowBank(2, 5);  // time index 5 is not in use: only the console holds its entry
  Set(A3, 1), Set(vol3, -6.5), Set(name4, "Kick"), Set(panlaw, 4.5);
  RecordStep();
  KeepUnstored();
  return ModelBytes();
}

TEST_F(KeepWindowsTest, UnstoredChangesAreOfferedBackAtStartUp) {
  StartAgain();
  EXPECT_FALSE(UnstoredWindow->shown());  // nothing kept, nothing offered
  const std::string kept = (EditAndEnd(), ReadFile(Recovered));
  StartAgain();
  ASSERT_TRUE(UnstoredWindow->shown());
  EXPECT_NE(std::string(UnstoredText->label()).find(": 4 differences from the stored files"), std::string::npos)
      << UnstoredText->label();
  SetAsideUnstored();  // moved into the history, and offered no more
  EXPECT_FALSE(FileExists(Recovered));
  ASSERT_EQ(ListHistory().size(), 3u);
  EXPECT_EQ(ReadFile(ListHistory()[2].path), kept);
  StartAgain();
  EXPECT_FALSE(UnstoredWindow->shown());
  const std::string edited = EditAndEnd();
  StartAgain();
  RestoreUnstored();
  RecordStep();
  EXPECT_TRUE(ModelBytes() == edited) << Changed(edited);
  EXPECT_TRUE(UnstoredChanges());
  EXPECT_FALSE(FileExists("faders.txt"));
  EXPECT_EQ(UndoSteps(), 1);
  SaveAll();
  KeepCheck();
  EXPECT_FALSE(FileExists(Recovered));
}

TEST_F(KeepWindowsTest, CompareListsTheChangesAndShowsWhereTheyAre) {
  ShowBank(2, 5);
  Set(A3, 1), RecordStep();
  Set(vol3, -6), RecordStep();
  ShowBank(1, 1);
  ShowCompare();
  EXPECT_EQ(std::string(CompareHeading->label()), "2 differences from the stored files to the console:");
  EXPECT_EQ(Listed(CompareLines), "faders.txt: 2 differences\n"
                                  "volume of channel 13 at time index 5: 0.00 -> -6.00\n"
                                  "entry of channel 13 at time index 5: off -> on\n");
  CompareLines->value(2);
  Fire(CompareLines);
  EXPECT_EQ(Values({TimeIndex, Bank}), "5 2");
  Undo();
  KeepCheck();
  EXPECT_EQ(Listed(CompareLines), "faders.txt: 1 difference\nentry of channel 13 at time index 5: off -> on\n");
}

TEST_F(KeepWindowsTest, AVersionIsComparedAndLaidOverTheConsole) {
  Pan[3] = 30;
  SaveAll();
  Pan[3] = 40;
  SaveAll();
  RecordStep();
  ShowHistory();
  ASSERT_EQ(HistoryList->size(), 1);  // prefs.txt and tracks.txt were stored unchanged
  HistoryList->value(1);
  CompareVersion();
  EXPECT_EQ(Listed(CompareLines), "faders.txt: 1 difference\npan of channel 3: 30 -> 40\n");
  RevertToVersion();
  RecordStep();
  EXPECT_EQ(Pan[3], 30);
  Undo();
  EXPECT_EQ(Pan[3], 40);
}

TEST_F(KeepWindowsTest, TheStatusLineSaysOnceThatNoHistoryIsKept) {
  WriteFile(".corvessa", "");
  SaveAll();
  for (const char *status : {"Save Complete; no history is kept: .corvessa: Not a directory", "Save Complete"}) {
    Pan[3] += 10;
    SaveAll();
    KeepCheck();
    EXPECT_EQ(Status(), status);
  }
}

}  // namespace
