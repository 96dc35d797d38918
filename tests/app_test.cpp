// The control window and the top-level commands.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Input.H>

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

class AppTest : public ConsoleTest {};

TEST_F(AppTest, StartUpShowsOnlyTheControlWindow) {
  EXPECT_STREQ(ControlWindow->label(), "Corvessa");
  EXPECT_EQ(ControlWindow->w(), 390);
  EXPECT_EQ(ControlWindow->h(), 175);
  EXPECT_TRUE(ControlWindow->shown());
  Fl_Double_Window *others[] = {EffectsWindow, FadersWindow, PrefsWindow,
                                SubWindow,     VCAWindow,    ReverbWindow};
  for (Fl_Double_Window *w : others) EXPECT_FALSE(w->visible()) << w->label();
  EXPECT_EQ(Status(), "Corvessa 1.065");
}

TEST_F(AppTest, WindowTitlesAndSizes) {
  struct {
    Fl_Double_Window *w;
    const char *title;
    int width, height;
  } want[] = {{EffectsWindow, "Effects", 520, 620},  {FadersWindow, "Faders", 620, 575},
              {PrefsWindow, "Preferences", 430, 375}, {SubWindow, "Submix Matrix", 460, 280},
              {VCAWindow, "VCA Matrix", 460, 280},    {ReverbWindow, "Reverb", 410, 255}};
  for (auto &x : want) {
    EXPECT_STREQ(x.w->label(), x.title);
    EXPECT_EQ(x.w->w(), x.width);
    EXPECT_EQ(x.w->h(), x.height);
  }
}

TEST_F(AppTest, ControlWindowButtonsAndShortcuts) {
  struct {
    int x, y;
    const char *label;
    int key;
  } want[] = {{295, 50, "Mix", FL_CTRL + 'm'},
              {8, 71, "Show", FL_CTRL + 'f'},
              {50, 71, "Hide", FL_CTRL + FL_SHIFT + 'f'},
              {103, 127, "Show", FL_CTRL + 'v'},
              {145, 127, "Hide", FL_CTRL + FL_SHIFT + 'v'},
              {240, 71, "Hide", FL_CTRL + FL_SHIFT + 'r'},
              {336, 140, "Quit", FL_CTRL + 'q'}};
  for (auto &x : want) {
    Fl_Button *found = nullptr;
    for (int i = 0; i < ControlWindow->children(); i++) {
      Fl_Widget *c = ControlWindow->child(i);
      if (c->x() == x.x && c->y() == x.y) found = dynamic_cast<Fl_Button *>(c);
    }
    ASSERT_NE(found, nullptr) << x.label;
    EXPECT_STREQ(found->label(), x.label);
    EXPECT_EQ(found->shortcut(), x.key);
  }
  EXPECT_EQ(ControlWindow->child(5), (Fl_Widget *)TextResponse);
}

TEST_F(AppTest, MenusHoldTheirItems) {
  const char *recall[] = {"Recall Faders / Effects", "Recall Track Names", "Recall Preferences",
                          "Recall All"};
  const char *store[] = {"Store Faders / Effects", "Store Track Names", "Store Preferences",
                         "Store All"};
  for (int i = 0; i < 4; i++) {
    EXPECT_STREQ(menu_Recall[i].label(), recall[i]);
    EXPECT_STREQ(menu_Store[i].label(), store[i]);
    EXPECT_EQ(menu_Store[i].labelsize(), 14);
  }
  EXPECT_EQ(menu_Store[3].shortcut(), FL_CTRL + 's');
  EXPECT_EQ(menu_Recall[4].label(), nullptr);
}

TEST_F(AppTest, ShowAndHide) {
  ShowReverb();
  EXPECT_TRUE(ReverbWindow->visible());
  ShowReverb();  // already shown: raised, still shown
  EXPECT_TRUE(ReverbWindow->visible());
  HideReverb();
  EXPECT_FALSE(ReverbWindow->visible());
  HideReverb();
  EXPECT_FALSE(ReverbWindow->visible());
}

TEST_F(AppTest, EngineCommandIsPathFollowedByName) {
  char cmd[300];
  FormEngineCommand(cmd, sizeof cmd);
  EXPECT_STREQ(cmd, "tarnell4");
  strcpy(Path, "/opt/engine");
  FormEngineCommand(cmd, sizeof cmd);
  EXPECT_STREQ(cmd, "/opt/enginetarnell4");
  strcpy(Path, "/opt/engine/");
  FormEngineCommand(cmd, sizeof cmd);
  EXPECT_STREQ(cmd, "/opt/engine/tarnell4");
}

namespace {

// A fake engine in the test directory that records where it ran and exits with code.
void fakeEngine(const std::string &dir, int code, const char *extra = "") {
  WriteFile(dir + "/bin/tarnell4", std::string("#!/bin/sh\npwd > ran.txt\nls >> ran.txt\n") + extra +
                                       "exit " + std::to_string(code) + "\n");
  chmod((dir + "/bin/tarnell4").c_str(), 0755);
  snprintf(Path, sizeof Path, "%s/bin/", dir.c_str());
}

}  // namespace

TEST_F(AppTest, MixRunsTheEngineInTheWorkingDirectory) {
  mkdir("bin", 0755);
  fakeEngine(dir, 0);
  Mix();
  EXPECT_EQ(Status(), "Mix Complete");
  std::string ran = ReadFile("ran.txt");
  EXPECT_EQ(ran.substr(0, ran.find('\n')), dir);
}

TEST_F(AppTest, MixReportsEngineFailures) {
  mkdir("bin", 0755);
  fakeEngine(dir, 3);
  Mix();
  EXPECT_EQ(Status(), "Mix failed: the engine exited with status 3");
  fakeEngine(dir, 0, "kill -9 $$\n");
  Mix();
  EXPECT_EQ(Status(), "Mix failed: the engine was ended by signal 9");
  snprintf(Path, sizeof Path, "%s/nowhere/", dir.c_str());
  Mix();
  EXPECT_NE(Status().find("was not found"), std::string::npos) << Status();
}

TEST_F(AppTest, StoreErrorKeepsTheFirstFailure) {
  ClearStoreError();
  ReportStoreError("first %s", "failure");
  ReportStoreError("second");
  EXPECT_STREQ(StoreError, "first failure");
  EXPECT_EQ(Status(), "second");
}

TEST_F(AppTest, EscapeClosesNoWindow) {
  ShowFaders();
  Fl_Double_Window *windows[] = {FadersWindow, ControlWindow};
  for (Fl_Double_Window *w : windows) {
    Fl::e_keysym = FL_Escape;
    Fl::handle(FL_SHORTCUT, w);
    EXPECT_TRUE(w->visible()) << w->label();
  }
  Fl::handle(FL_CLOSE, FadersWindow);  // the window manager's close still hides it
  EXPECT_FALSE(FadersWindow->visible());
}

TEST_F(AppTest, StoresKeepTextStillBeingTyped) {
  ShowFaders();
  Bank->value(1);
  name3->take_focus();
  name3->value("Bass");  // typed, the field not yet left
  name3->set_changed();
  SaveAll();
  EXPECT_STREQ(NameBuffer[3], "Bass");
  EXPECT_EQ(ReadFile("tracks.txt"), "1 ---- off\n2 ---- off\n3 Bass +\nend\n");
  vol3->take_focus();
  Fl_Input_ *typed = static_cast<Fl_Input_ *>(vol3->child(0));
  typed->value("-6");
  typed->set_changed();
  menu_Store[0].do_callback(ControlWindow);  // "Store Faders / Effects"
  EXPECT_EQ(Volume[3 * NCUES], -6.0f);
}
