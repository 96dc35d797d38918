// The preferences window: its layout, the stores of its controls, the status
// line, the refresh, the colour and the directory choosers.
#include "testutil.h"

using PrefsWindowTest = ConsoleTest;

namespace {

// Types into a value input as the user would, then leaves it.
void type(Fl_Value_Input *v, const char *text) {
  v->input.value(text);
  v->input.do_callback();
}

// Clicks a toggle: it changes state, then its callback runs.
void click(Fl_Button *b) { Set(b, !b->value()); }

// The chooser reports a pick of dir, as it does when the user selects it.
void pick(Fl_File_Chooser *c, const std::string &dir) {
  c->directory(dir.c_str());
  Set_Directory(c, c->user_data());
}

}  // namespace

TEST_F(PrefsWindowTest, FocusFollowsCreationOrder) {
  Fl_Widget *order[] = {PreOn, PreOff, Preview_Min, Preview_Length, Preview_Sec, Preview_Msec,
                        Xin_Min, Xin_Sec, Xin_Msec, Xout_Min, Xout_Sec, Xout_Msec, head, tail,
                        MixButton, PathDisplay, outbits16button, outbits24button, panlaw,
                        WavDirDisplay, MixDirDisplay, monobutton, LaunchDisplay, browseD1,
                        browseD2, browseD3, dither, bgcolor};
  ASSERT_EQ(PrefsWindow->children(), 28);
  for (int i = 0; i < 28; i++) EXPECT_EQ(PrefsWindow->child(i), order[i]) << i;
}

TEST_F(PrefsWindowTest, ControlsStoreTheirFields) {
  type(Preview_Min, "2");
  type(Preview_Sec, "75");  // not carried into the minutes
  type(Xout_Msec, "7");
  type(tail, "0.125");
  type(panlaw, "4.5");
  EXPECT_EQ(PreviewArray[0], 2);
  EXPECT_EQ(PreviewArray[1], 75);
  EXPECT_EQ(XoutArray[2], 7);
  EXPECT_EQ(HeadTailArray[1], 0.125f);
  EXPECT_EQ(PanlawStore, 4.5f);
  Set(dither, 3);
  click(monobutton);
  EXPECT_EQ(DitherBits, 3);
  EXPECT_EQ(monoOn, 1);
  Set(PathDisplay, "/opt/\tengine/");
  EXPECT_STREQ(Path, "/opt/ engine/");
  EXPECT_STREQ(PathDisplay->value(), "/opt/ engine/");
}

TEST_F(PrefsWindowTest, TwoWaySwitchesFlipBoth) {
  click(PreOn);
  EXPECT_EQ(PreviewOn, 1);
  EXPECT_EQ(Values({PreOn, PreOff}), "1 0");
  click(PreOn);  // the member that is on
  EXPECT_EQ(PreviewOn, 0);
  EXPECT_EQ(Values({PreOn, PreOff}), "0 1");
  click(outbits24button);
  EXPECT_EQ(OutbitsStore, 16);
  EXPECT_EQ(Values({outbits16button, outbits24button}), "1 0");
}

TEST_F(PrefsWindowTest, WhichControlsClearTheStatusLine) {
  for (int i = 0; i < PrefsWindow->children(); i++) {
    Fl_Widget *w = PrefsWindow->child(i);
    if (w == MixButton || w == browseD1 || w == browseD2 || w == browseD3) continue;
    bool keeps = w == dither || dynamic_cast<Fl_Input *>(w);
    SetStatus("kept");
    Fire(w);
    EXPECT_EQ(Status(), keeps ? "kept" : "") << i;
  }
}

TEST_F(PrefsWindowTest, RefreshAndColour) {
  PreviewOn = 1;
  PreviewArray[1] = 75;
  strcpy(Path, "/t4/");
  OutbitsStore = 16;
  PanlawStore = 7;  // out of range: shown as it is
  color = 300;
  ShowPrefs();  // refreshes first
  EXPECT_EQ(Values({PreOn, PreOff, Preview_Sec, PathDisplay, outbits16button, outbits24button,
                    panlaw}),
            "1 0 75 /t4/ 1 0 7");
  EXPECT_EQ(color, 255);
  HidePrefs();
  OutbitsStore = 20;  // neither: the toggles stay as they are
  UpdatePreferences();
  EXPECT_EQ(Values({outbits16button, outbits24button}), "1 0");

  Fl_Double_Window *windows[] = {FadersWindow,  PrefsWindow, SubWindow,   EffectsWindow,
                                 ControlWindow, VCAWindow,   ReverbWindow};
  Set(bgcolor, 5);
  EXPECT_EQ(color, 5);
  for (Fl_Double_Window *w : windows) EXPECT_EQ(w->color(), 5u) << w->label();
  Set(bgcolor, -3);
  EXPECT_EQ(color, 0);
}

// A refresh that changes nothing on screen must not redraw the shown windows:
// every recall and cue change refreshes, and a whole-window redraw costs more
// than the refresh itself. A new colour still redraws them.
TEST_F(PrefsWindowTest, RefreshRedrawsOnlyWhatChanged) {
  ShowFaders();
  for (int i = 0; i < 300 && (FadersWindow->damage() || ControlWindow->damage()); i++)
    Fl::wait(0.01);  // mapped and drawn
  ASSERT_EQ(FadersWindow->damage() | ControlWindow->damage(), 0);
  UpdateGUI();
  EXPECT_EQ(FadersWindow->damage(), 0);
  EXPECT_EQ(ControlWindow->damage(), 0);
  color = 5;
  UpdateGUI();
  EXPECT_NE(FadersWindow->damage(), 0);
  EXPECT_NE(ControlWindow->damage(), 0);
  Fl::flush();
  HideFaders();
}

TEST_F(PrefsWindowTest, DirectoryChoosers) {
  mkdir("engine", 0755);
  Fire(browseD1);
  ASSERT_NE(CH, nullptr);
  EXPECT_TRUE(CH->shown());
  EXPECT_EQ(CH->type(), Fl_File_Chooser::DIRECTORY);
  Fl_File_Chooser *forPath = CH;
  Fire(browseD2);
  Fl_File_Chooser *forWav = CH;
  Fire(browseD3);
  EXPECT_EQ(BrowseNumber, 3);

  // Each pick goes to the field whose "*" opened its chooser.
  pick(forPath, dir + "/engine");
  EXPECT_EQ(Path, dir + "/engine/");  // a prefix of the engine's file name
  EXPECT_EQ(PathDisplay->value(), dir + "/engine/");
  pick(forWav, dir + "/engine/");
  EXPECT_EQ(WavDirName, dir + "/engine");
  pick(CH, "/");
  EXPECT_STREQ(MixDirName, "/");
  pick(forPath, "/");
  EXPECT_STREQ(Path, "/");

  forPath->hide();
  forWav->hide();
  CH->hide();
  Fire(browseD2);  // closed choosers are freed; the new one works alike
  pick(CH, dir);
  EXPECT_EQ(WavDirName, dir);
  CH->hide();
}
