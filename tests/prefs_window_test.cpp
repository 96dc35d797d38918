// The preferences window: the two-way switches, the status line, the colour and
// the directory choosers (its stores and refresh: the whole-mix test).
#include "testutil.h"

using PrefsWindowTest = ConsoleTest;

TEST_F(PrefsWindowTest, SwitchesStatusLineAndColour) {
  for (int on : {1, 0}) {  // clicking the member that is on flips both too
    Set(PreOn, !PreOn->value());
    EXPECT_EQ(Values({PreOn, PreOff}), on ? "1 0" : "0 1");
  }
  EXPECT_EQ(PreviewOn, 0);
  Set(outbits24button, !outbits24button->value());
  EXPECT_EQ(OutbitsStore, 16);
  OutbitsStore = 20;  // neither: the toggles stay as they are
  UpdatePreferences();
  EXPECT_EQ(Values({outbits16button, outbits24button}), "1 0");
  for (int i = 0; i < PrefsWindow->children(); i++) {
    Fl_Widget *w = PrefsWindow->child(i);
    if (w == MixButton || w == browseD1 || w == browseD2 || w == browseD3) continue;
    SetStatus("kept");
    Fire(w);
    EXPECT_EQ(Status(), w == dither || dynamic_cast<Fl_Input *>(w) ? "kept" : "") << i;
  }
  Set(bgcolor, -3);
  EXPECT_EQ(color, 0);
}

// Each pick goes to the field whose button opened its chooser; the engine path
// ends in a slash, the other directories do not.
TEST_F(PrefsWindowTest, DirectoryChoosers) {
  Fire(browseD1);
  Fl_File_Chooser *forPath = CH;
  Fire(browseD2);
  for (Fl_File_Chooser *c : {forPath, CH}) c->directory((dir + "/").c_str()), Set_Directory(c, c->user_data());
  EXPECT_EQ(Path, dir + "/");
  EXPECT_EQ(PathDisplay->value(), dir + "/");
  EXPECT_EQ(WavDirName, dir);
  forPath->hide(), CH->hide();
}
