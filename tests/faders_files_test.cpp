// Edits made on the faders window, through faders.txt and back.
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include <string>

#include "app/app.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "faders/faders.h"
#include "model/model.h"
#include "testutil.h"

namespace {

class FadersFilesTest : public ConsoleTest {
 protected:
  void Show(int bank, int timeIndex) {
    Bank->value(bank);
    TimeIndex->value(timeIndex);
    Fire(Bank);
  }

  template <class W>
  static void Set(W *w, double v) {
    w->value(v);
    Fire(w);
  }

  static void Type(Fl_Input *field, const char *text) {
    field->value(text);
    Fire(field);
  }

  // A session edited on the window only. Cue blocks come back in the order they
  // were written, so the edits use cues 0 and 1.
  void Edit() {
    Type(MixNameInput, "Session\t7");
    SubOn[0] = 1;  // submix 1 in use, so that its name is written
    Show(1, 1);
    Type(name11, "Drums");
    Set(pan11, 20);
    Set(mute11, 1);
    Set(pan13, 10);

    Show(2, 2);
    Set(IndexActive, 1);
    Type(CueName, "Chorus");
    GuiMin->value(1);
    GuiSec->value(30.5);
    GuiMsec->value(250);
    Fire(GuiMsec);
    Set(A3, 1);
    Set(vol3, -6);
    Set(ofs3, 0.25);
    Set(ramp3, 2);
    Set(shape3, 0.5);
    Set(pan3, -30);
    Set(vol4, -9);  // auto off: stays in the model, not in the file
    Set(A13, 1);
    Set(vol13, -3.5);

    Show(2, 4);  // an inactive cue: not in the file
    Set(A3, 1);
    Set(vol3, -12);
  }
};

const char Written[] =
    "Session 7\n"
    "\n"
    "subname\t1\tDrums\n"
    "sub\t1\t\n"
    "\n\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "p\t13\t-30\n"
    "p\tG\t1\t20\n"
    "p\tM\t10\n"
    "\n"
    "\n\nt\t0\t0.000\t0\n"
    "\n\ncue\tChorus\n\nt\t1\t30.500\t250\n"
    "v\t13\t-6.00\nofs\t0.250\nrmp\t2.000\nshape\t0.500\n"
    "v\tM\t-3.50\n"
    "\n"
    "submu\t1\n"
    "end\n";

}  // namespace

TEST_F(FadersFilesTest, EditsReachTheFaderFileAndComeBack) {
  WriteFile("faders.txt", "old name\n# my notes\n");
  Edit();
  StageWriteToFile();
  std::string want = Written;
  want.insert(want.find('\n') + 1, "# my notes\n");
  EXPECT_EQ(ReadFile("faders.txt"), want);

  ClearInternalArrays();
  UpdateGUI();
  Show(1, 1);
  StageReadFromFile();
  EXPECT_STREQ(MixName, "Session 7");
  EXPECT_STREQ(NameBuffer[128], "Drums");
  EXPECT_EQ(Pan[128], 20);
  EXPECT_EQ(MuteArray[128], 1);
  EXPECT_EQ(Pan[13], -30);
  EXPECT_EQ(Pan[0], 10);
  EXPECT_EQ(IndexActiveArray[1], 1);
  EXPECT_STREQ(CueNameBuffer[1], "Chorus");
  EXPECT_EQ(IndexSec[1], 30.5f);
  int e = 13 * NCUES + 1;
  EXPECT_EQ(ChanActive[e], 1);
  EXPECT_EQ(Volume[e], -6);
  EXPECT_EQ(Offset[e], 0.25f);
  EXPECT_EQ(Ramp[e], 2);
  EXPECT_EQ(Shape[e], 0.5f);
  EXPECT_EQ(Volume[14 * NCUES + 1], 0) << "an entry with auto off was not written";
  EXPECT_EQ(Volume[13 * NCUES + 3], 0) << "an inactive cue was not written";

  // and the window shows them
  Show(2, 2);
  EXPECT_TRUE(IndexActive->value());
  EXPECT_STREQ(CueName->value(), "Chorus");
  EXPECT_TRUE(A3->value());
  EXPECT_EQ(vol3->value(), -6);
  EXPECT_EQ(shape3->value(), 0.5);
  EXPECT_EQ(pan3->value(), -30);
  EXPECT_EQ(vol13->value(), -3.5);
  EXPECT_EQ(GuiMsec->value(), 250);
  EXPECT_STREQ(MixNameInput->value(), "Session 7");

  // storing again writes the same bytes
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), want);
}
