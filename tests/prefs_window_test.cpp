// The preferences window: its layout, the stores of its controls, the status
// line, the refresh, the colour and the directory choosers.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include <cstring>
#include <string>
#include <sys/stat.h>

#include "app/app.h"
#include "effects/effects.h"
#include "faders/faders.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "testutil.h"

namespace {

class PrefsWindowTest : public ConsoleTest {};

// Types into a value input as the user would, then leaves it.
void type(Fl_Value_Input *v, const char *text) {
  v->input.value(text);
  v->input.do_callback();
}

// Clicks a toggle: it changes state, then its callback runs.
void click(Fl_Button *b) {
  b->value(!b->value());
  Fire(b);
}

// The chooser reports a pick of dir, as it does when the user selects it.
void pick(Fl_File_Chooser *c, const std::string &dir) {
  c->directory(dir.c_str());
  Set_Directory(c, c->user_data());
}

}  // namespace

TEST_F(PrefsWindowTest, LayoutInCreationOrder) {
  struct {
    Fl_Widget *w;
    const char *label;
    int x, y, w_, h;
  } want[] = {{PreOn, "Preview Mode On", 59, 26, 70, 15},
              {PreOff, "Preview Mode Off", 282, 26, 70, 15},
              {Preview_Min, "Start", 60, 57, 30, 20},
              {Preview_Length, "Length", 60, 87, 40, 20},
              {Preview_Sec, nullptr, 100, 57, 50, 20},
              {Preview_Msec, nullptr, 160, 57, 30, 20},
              {Xin_Min, "Xin", 283, 57, 30, 20},
              {Xin_Sec, nullptr, 323, 57, 40, 20},
              {Xin_Msec, nullptr, 374, 57, 40, 20},
              {Xout_Min, "Xout", 283, 87, 30, 20},
              {Xout_Sec, nullptr, 323, 87, 40, 20},
              {Xout_Msec, nullptr, 374, 87, 40, 20},
              {head, "Head", 283, 118, 47, 20},
              {tail, "Tail", 283, 149, 47, 20},
              {MixButton, "Mix", 16, 316, 100, 28},
              {PathDisplay, "Path to Tarnell4", 17, 140, 193, 18},
              {outbits16button, "16 bit output", 280, 195, 70, 15},
              {outbits24button, "24 bit output", 280, 217, 70, 15},
              {panlaw, "Pan law", 334, 306, 30, 20},
              {WavDirDisplay, "Wavefile Directory", 17, 228, 193, 18},
              {MixDirDisplay, "Mix Directory", 17, 274, 193, 18},
              {monobutton, "mono output", 280, 240, 70, 15},
              {LaunchDisplay, "Launch Command", 17, 184, 207, 18},
              {browseD1, "*", 212, 141, 14, 18},
              {browseD2, "*", 212, 229, 14, 18},
              {browseD3, "*", 212, 275, 14, 18},
              {dither, "Dither", 334, 271, 40, 20},
              {bgcolor, "Color", 334, 341, 40, 20}};
  ASSERT_EQ(PrefsWindow->children(), 28);
  for (int i = 0; i < 28; i++) {
    Fl_Widget *w = PrefsWindow->child(i);
    EXPECT_EQ(w, want[i].w) << i;
    EXPECT_STREQ(w->label(), want[i].label) << i;
    EXPECT_EQ(w->x(), want[i].x) << i;
    EXPECT_EQ(w->y(), want[i].y) << i;
    EXPECT_EQ(w->w(), want[i].w_) << i;
    EXPECT_EQ(w->h(), want[i].h) << i;
    if (w != MixButton && w != browseD1 && w != browseD2 && w != browseD3) {
      EXPECT_EQ(w->labelsize(), 12) << i;
      EXPECT_EQ(w->labelcolor(), 215u) << i;
    }
  }
  EXPECT_EQ(PrefsWindow->color(), 97u);
  EXPECT_EQ(PrefsWindow->resizable(), nullptr);

  Fl_Round_Button *toggles[] = {PreOn, PreOff, outbits16button, outbits24button, monobutton};
  for (Fl_Round_Button *b : toggles) EXPECT_EQ(b->down_box(), FL_DOWN_BOX);
  EXPECT_EQ(outbits16button->color(), 7u);
  EXPECT_EQ(monobutton->color(), 7u);
  EXPECT_EQ(MixButton->box(), FL_ROUND_UP_BOX);
  EXPECT_EQ(MixButton->shortcut(), FL_CTRL + 'm');
  EXPECT_EQ(PathDisplay->align(), 5);
  EXPECT_EQ(Preview_Sec->maximum(), 9999);
  EXPECT_EQ(Preview_Sec->step(), 0.01);
  EXPECT_EQ(head->step(), 0.001);
  EXPECT_EQ(panlaw->maximum(), 6);
  EXPECT_EQ(dither->maximum(), 8);
  EXPECT_EQ(bgcolor->maximum(), 255);
}

TEST_F(PrefsWindowTest, ControlsStoreTheirFields) {
  type(Preview_Min, "2");
  type(Preview_Sec, "75");  // not carried into the minutes
  type(Preview_Msec, "500");
  type(Preview_Length, "30");
  EXPECT_EQ(PreviewArray[0], 2);
  EXPECT_EQ(PreviewArray[1], 75);
  EXPECT_EQ(PreviewArray[2], 500);
  EXPECT_EQ(PreviewArray[3], 30);
  type(Xin_Msec, "7");
  type(Xout_Min, "1");
  type(tail, "0.125");
  EXPECT_EQ(XinArray[2], 7);
  EXPECT_EQ(XoutArray[0], 1);
  EXPECT_EQ(HeadTailArray[1], 0.125f);
  type(panlaw, "4.5");
  EXPECT_EQ(PanlawStore, 4.5f);
  dither->value(3);
  Fire(dither);
  EXPECT_EQ(DitherBits, 3);
  click(monobutton);
  EXPECT_EQ(monoOn, 1);

  PathDisplay->value("/opt/\tengine/");
  Fire(PathDisplay);
  EXPECT_STREQ(Path, "/opt/ engine/");
  EXPECT_STREQ(PathDisplay->value(), "/opt/ engine/");
  LaunchDisplay->value(std::string(300, 'x').c_str());
  Fire(LaunchDisplay);
  EXPECT_EQ(strlen(LaunchCommand), 255u);
  WavDirDisplay->value("/wav");
  Fire(WavDirDisplay);
  MixDirDisplay->value("/mix");
  Fire(MixDirDisplay);
  EXPECT_STREQ(WavDirName, "/wav");
  EXPECT_STREQ(MixDirName, "/mix");
}

TEST_F(PrefsWindowTest, TwoWaySwitchesFlipBoth) {
  click(PreOn);
  EXPECT_EQ(PreviewOn, 1);
  EXPECT_FALSE(PreOff->value());
  click(PreOn);  // the member that is on
  EXPECT_EQ(PreviewOn, 0);
  EXPECT_TRUE(PreOff->value());
  click(PreOff);
  EXPECT_EQ(PreviewOn, 1);
  EXPECT_TRUE(PreOn->value());

  click(outbits24button);
  EXPECT_EQ(OutbitsStore, 16);
  EXPECT_TRUE(outbits16button->value());
  click(outbits16button);
  EXPECT_EQ(OutbitsStore, 24);
  EXPECT_TRUE(outbits24button->value());
}

TEST_F(PrefsWindowTest, WhichControlsClearTheStatusLine) {
  Fl_Widget *keep[] = {dither, PathDisplay, WavDirDisplay, MixDirDisplay, LaunchDisplay};
  for (Fl_Widget *w : keep) {
    SetStatus("kept");
    Fire(w);
    EXPECT_EQ(Status(), "kept") << w->label();
  }
  Fl_Widget *clear[] = {PreOn,   PreOff,  Preview_Min, Preview_Length, Preview_Sec,
                        Preview_Msec, Xin_Min, Xin_Sec, Xin_Msec, Xout_Min,
                        Xout_Sec, Xout_Msec, head, tail, outbits16button,
                        outbits24button, panlaw, monobutton, bgcolor};
  for (Fl_Widget *w : clear) {
    SetStatus("kept");
    Fire(w);
    EXPECT_EQ(Status(), "") << w->label();
  }
}

TEST_F(PrefsWindowTest, ColourRecoloursEveryWindow) {
  Fl_Double_Window *windows[] = {FadersWindow,  PrefsWindow, SubWindow,   EffectsWindow,
                                 ControlWindow, VCAWindow,   ReverbWindow};
  bgcolor->value(5);
  Fire(bgcolor);
  EXPECT_EQ(color, 5);
  for (Fl_Double_Window *w : windows) EXPECT_EQ(w->color(), 5u) << w->label();
  bgcolor->value(300);
  Fire(bgcolor);
  EXPECT_EQ(color, 255);
  EXPECT_EQ(bgcolor->value(), 255);
  for (Fl_Double_Window *w : windows) EXPECT_EQ(w->color(), 255u) << w->label();
  bgcolor->value(-3);
  Fire(bgcolor);
  EXPECT_EQ(color, 0);
}

TEST_F(PrefsWindowTest, RefreshShowsTheModel) {
  PreviewOn = 1;
  PreviewArray[1] = 75;
  XoutArray[2] = 9;
  HeadTailArray[0] = 1.5f;
  strcpy(Path, "/t4/");
  strcpy(LaunchCommand, "go");
  OutbitsStore = 16;
  monoOn = 1;
  PanlawStore = 7;  // out of range: shown as it is
  DitherBits = 4;
  color = 300;
  ShowPrefs();  // refreshes first
  EXPECT_TRUE(PrefsWindow->visible());
  EXPECT_TRUE(PreOn->value());
  EXPECT_FALSE(PreOff->value());
  EXPECT_EQ(Preview_Sec->value(), 75);
  EXPECT_EQ(Xout_Msec->value(), 9);
  EXPECT_EQ(head->value(), 1.5);
  EXPECT_STREQ(PathDisplay->value(), "/t4/");
  EXPECT_STREQ(LaunchDisplay->value(), "go");
  EXPECT_TRUE(outbits16button->value());
  EXPECT_FALSE(outbits24button->value());
  EXPECT_TRUE(monobutton->value());
  EXPECT_EQ(panlaw->value(), 7);
  EXPECT_EQ(dither->value(), 4);
  EXPECT_EQ(color, 255);
  EXPECT_EQ(FadersWindow->color(), 255u);
  HidePrefs();

  OutbitsStore = 20;  // neither: the toggles stay as they are
  UpdatePreferences();
  EXPECT_TRUE(outbits16button->value());
  EXPECT_FALSE(outbits24button->value());
}

TEST_F(PrefsWindowTest, DirectoryChoosers) {
  mkdir("engine", 0755);
  mkdir("wavs", 0755);
  SetStatus("kept");
  Fire(browseD1);
  EXPECT_EQ(BrowseNumber, 1);
  ASSERT_NE(CH, nullptr);
  EXPECT_TRUE(CH->shown());
  EXPECT_EQ(CH->type(), Fl_File_Chooser::DIRECTORY);
  Fl_File_Chooser *forPath = CH;
  Fire(browseD2);
  Fl_File_Chooser *forWav = CH;
  Fire(browseD3);
  Fl_File_Chooser *forMix = CH;
  EXPECT_EQ(BrowseNumber, 3);

  // Each pick goes to the field whose "*" opened its chooser.
  pick(forPath, dir + "/engine");
  EXPECT_EQ(Path, dir + "/engine/");  // a prefix of the engine's file name
  EXPECT_EQ(PathDisplay->value(), dir + "/engine/");
  pick(forWav, dir + "/wavs/");
  EXPECT_EQ(WavDirName, dir + "/wavs");
  EXPECT_EQ(WavDirDisplay->value(), dir + "/wavs");
  pick(forMix, dir);
  EXPECT_EQ(MixDirName, dir);
  pick(forPath, "/");
  EXPECT_STREQ(Path, "/");
  EXPECT_EQ(Status(), "kept");

  forPath->hide();
  forWav->hide();
  forMix->hide();
  Fire(browseD2);  // closed choosers are freed; the new one works alike
  pick(CH, dir + "/engine");
  EXPECT_EQ(WavDirName, dir + "/engine");
  CH->hide();
}
