// The preferences window: the two-way switches, the status line, the colour and
// the directory choosers (its stores and refresh: the whole-mix test).
#include "testutil.h"

using PrefsWindowTest = ConsoleTest;

namespace {

// The chooser reports a pick of dir, as it does when the user selects it.
void pick(Fl_File_Chooser *c, const std::string &dir) {
  c->directory(dir.c_str());
  Set_Directory(c, c->user_data());
}

}  // namespace

TEST_F(PrefsWindowTest, SwitchesStatusLineAndColour) {
  for (int on : {1, 0}) {  // clicking the member that is on flips both too
    Set(PreOn, !PreOn->value());
    EXPECT_EQ(PreviewOn, on);
    EXPECT_EQ(Values({PreOn, PreOff}), on ? "1 0" : "0 1");
  }
  Set(outbits24button, !outbits24button->value());
  EXPECT_EQ(OutbitsStore, 16);
  EXPECT_EQ(Values({outbits16button, outbits24button}), "1 0");
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

TEST_F(PrefsWindowTest, EachPickGoesToTheFieldWhoseButtonOpenedItsChooser) {
  mkdir("engine", 0755);
  Fire(browseD1);
  Fl_File_Chooser *forPath = CH;
  EXPECT_EQ(CH->type(), Fl_File_Chooser::DIRECTORY);
  Fire(browseD2);
  Fl_File_Chooser *forWav = CH;
  Fire(browseD3);
  pick(forPath, dir + "/engine");
  EXPECT_EQ(Path, dir + "/engine/");  // a prefix of the engine's file name
  EXPECT_EQ(PathDisplay->value(), dir + "/engine/");
  pick(forWav, dir + "/engine/");
  EXPECT_EQ(WavDirName, dir + "/engine");
  pick(CH, "/");
  EXPECT_STREQ(MixDirName, "/");
  pick(forPath, "/");
  EXPECT_STREQ(Path, "/");
  forPath->hide(), forWav->hide(), CH->hide();
  Fire(browseD2);  // closed choosers are freed; the new one works alike
  pick(CH, dir);
  EXPECT_EQ(WavDirName, dir);
  CH->hide();
}
