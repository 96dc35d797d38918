// Unstored changes offered back at start-up, versions laid over the console, and
// the Compare window following the console.
#include <FL/Fl_Box.H>

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
