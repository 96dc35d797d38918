// The whole road: edits in every window, "Store All", a model reset, "Recall All":
// every window shows again what the three files carry, and a second "Store All"
// writes the same three files.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Slider.H>

#include "app/app.h"
#include "effects/effects.h"
#include "faders/faders.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "testutil.h"

namespace {

void set(Fl_Spinner *w, double v) { w->value(v), Fire(w); }
void set(Fl_Value_Input *w, double v) { w->value(v), Fire(w); }
void set(Fl_Value_Slider *w, double v) { w->value(v), Fire(w); }
void set(Fl_Button *w, int v) { w->value(v), Fire(w); }
void set(Fl_Input *w, const char *v) { w->value(v), Fire(w); }

// A mix made through the windows, as an engineer would.
void editEveryWindow() {
  // Faders: bank 2, time index 5: channel 13 at -6 dB with a ramp, named, panned, soloed.
  set(Bank, 2);
  set(TimeIndex, 5);
  set(IndexActive, 1);
  set(GuiSec, 12.5);
  set(CueName, "chorus");
  set(A3, 1);
  set(vol3, -6);
  set(ramp3, 0.25);
  set(pan3, -40);
  set(name3, "Lead Vox");
  set(solo3, 1);
  set(name11, "Drums");  // submix 2
  set(mute11, 1);
  set(A13, 1);  // the master at this cue
  set(vol13, -1.5);
  set(MixNameInput, "Sunday Mix");
  // Effects: a compressor on channel 13, a reverb send on submix 2.
  set(RegularNum, 13);
  set(comp1, -12);
  set(comp0, 1);
  set(SelectGroupChannel, 1);
  set(GroupNum, 2);
  set(rev_send, -9);
  set(rev_state, 1);
  // Reverb: width and the high-pass.
  set(rev_width, 80);
  set(Rev_HP1, 200);
  set(Rev_HP0, 1);
  // Routing: channel 13 to submix 2 and VCA 1.
  set(SubBank, 3);
  set(sub_button_C2, 1);
  set(VcaBank, 3);
  set(vca_button_C1, 1);
  // Preferences.
  set(PreOn, 1);
  set(Preview_Length, 30);
  set(outbits16button, 1);
  set(monobutton, 1);
  set(PathDisplay, "/opt/engine/");
  set(bgcolor, 120);
}

// What every window shows of that mix.
void expectWindowsShowTheMix() {
  EXPECT_EQ(vol3->value(), -6);
  EXPECT_EQ(A3->value(), 1);
  EXPECT_EQ(ramp3->value(), 0.25);
  EXPECT_EQ(pan3->value(), -40);
  EXPECT_STREQ(name3->value(), "Lead Vox");
  EXPECT_EQ(solo3->value(), 1);
  EXPECT_STREQ(name11->value(), "Drums");
  EXPECT_EQ(mute11->value(), 1);
  EXPECT_EQ(vol13->value(), -1.5);
  EXPECT_EQ(IndexActive->value(), 1);
  EXPECT_EQ(GuiSec->value(), 12.5);
  EXPECT_STREQ(CueName->value(), "chorus");
  EXPECT_STREQ(MixNameInput->value(), "Sunday Mix");
  EXPECT_EQ(rev_state->value(), 1);  // submix 2 is still the shown slot
  EXPECT_EQ(rev_send->value(), -9);
  EXPECT_STREQ(NameInEffects->value(), "Drums");
  EXPECT_EQ(rev_width->value(), 80);
  EXPECT_EQ(Rev_HP0->value(), 1);
  EXPECT_EQ(Rev_HP1->value(), 200);
  EXPECT_EQ(sub_button_C2->value(), 1);
  EXPECT_EQ(vca_button_C1->value(), 1);
  EXPECT_STREQ(sub_text_C->value(), "Lead Vox");
  EXPECT_EQ(PreOn->value(), 1);
  EXPECT_EQ(PreOff->value(), 0);
  EXPECT_EQ(Preview_Length->value(), 30);
  EXPECT_EQ(outbits16button->value(), 1);
  EXPECT_EQ(monobutton->value(), 1);
  EXPECT_STREQ(PathDisplay->value(), "/opt/engine/");
  EXPECT_EQ(bgcolor->value(), 120);
  EXPECT_EQ(FadersWindow->color(), 120u);
}

}  // namespace

class WholeMixTest : public ConsoleTest {};

TEST_F(WholeMixTest, StoreResetRecallShowsTheMixEverywhere) {
  editEveryWindow();
  SaveAll();
  EXPECT_EQ(Status(), "Save Complete");
  const std::string faders = ReadFile("faders.txt"), prefs = ReadFile("prefs.txt"),
                    tracks = ReadFile("tracks.txt");
  EXPECT_NE(faders.find("\nt\t0\t12.500\t0\nv\t13\t-6.00\nrmp\t0.250\nv\tM\t-1.50\n"),
            std::string::npos);
  EXPECT_NE(faders.find("subname\t2\tDrums\nsub\t2\t13\n"), std::string::npos);
  EXPECT_NE(faders.find("comp\t13\t-12.0\t10.0\t100.0\t1.5\n"), std::string::npos);
  EXPECT_NE(tracks.find("13 Lead Vox ++\n"), std::string::npos);

  ClearInternalArrays();
  Fire(GroupNum);  // the effects window still shows submix 2
  UpdateGUI();
  RecallAll();
  set(TimeIndex, 2);  // cues come back in file order: cue 4 was the second in use
  expectWindowsShowTheMix();
  EXPECT_EQ(Status(), "Read " + std::to_string(prefs.size()) + " bytes from prefs.txt");

  SaveAll();
  EXPECT_EQ(ReadFile("faders.txt"), faders);
  EXPECT_EQ(ReadFile("prefs.txt"), prefs);
  EXPECT_EQ(ReadFile("tracks.txt"), tracks);
}
