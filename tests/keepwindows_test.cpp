// Unstored changes offered back at start-up, versions laid over the console, and
// the Compare window following the console.
#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "testutil.h"

namespace {

class KeepWindowsTest : public ConsoleTest {
 protected:
  void SetUp() override { ConsoleTest::SetUp(), StartHistory(); }
};

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
