// Edits made on the faders window, through faders.txt and back.
#include "testutil.h"

using FadersFilesTest = ConsoleTest;

namespace {

// A session edited on the window only. Cue blocks come back in the order they
// were written, so the edits use cues 0 and 1.
void Edit() {
  Set(MixNameInput, "Session\t7");
  SubOn[0] = 1;  // submix 1 in use, so that its name is written
  ShowBank(1, 1);
  Set(name11, "Drums"), Set(pan11, 20), Set(mute11, 1), Set(pan13, 10);
  ShowBank(2, 2);
  Set(IndexActive, 1), Set(CueName, "Chorus");
  GuiMin->value(1), GuiSec->value(30.5), Set(GuiMsec, 250);
  Set(A3, 1), Set(vol3, -6), Set(ofs3, 0.25), Set(ramp3, 2), Set(shape3, 0.5), Set(pan3, -30);
  Set(vol4, -9);  // auto off: kept in the model, not written
  Set(A13, 1), Set(vol13, -3.5);
  ShowBank(2, 4);  // an inactive cue: not written
  Set(A3, 1), Set(vol3, -12);
}

const char Written[] =
    "Session 7\n# my notes\n"
    "\nsubname\t1\tDrums\nsub\t1\t\n\n\n\n\n\n\n\n\n"
    "p\t13\t-30\np\tG\t1\t20\np\tM\t10\n\n"
    "\n\nt\t0\t0.000\t0\n"
    "\n\ncue\tChorus\n\nt\t1\t30.500\t250\n"
    "v\t13\t-6.00\nofs\t0.250\nrmp\t2.000\nshape\t0.500\n"
    "v\tM\t-3.50\n"
    "\nsubmu\t1\nend\n";

// Banks 1 and 2 at the cues edited, as the window shows them.
std::string Views() {
  ShowBank(1, 1);
  std::string v = Shown();
  ShowBank(2, 2);
  return v + Shown();
}

}  // namespace

TEST_F(FadersFilesTest, EditsReachTheFaderFileAndComeBack) {
  WriteFile("faders.txt", "old name\n# my notes\n");
  Known("faders.txt");
  Edit();
  const std::string shown = Views();
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), Written);

  ClearInternalArrays();
  Scramble();
  StageReadFromFile();
  EXPECT_EQ(Volume[13 * NCUES + 3], 0);  // the inactive cue
  EXPECT_EQ(Volume[14 * NCUES + 1], 0);  // auto off
  ShowBank(2, 2), Set(vol4, -9);         // as it was, still with auto off
  EXPECT_EQ(Views(), shown);

  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), Written);
}
