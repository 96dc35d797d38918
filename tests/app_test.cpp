// The control window and the top-level commands.
#include "testutil.h"

using AppTest = ConsoleTest;

TEST_F(AppTest, StartUpShowsOnlyTheControlWindow) {
  struct {
    Fl_Double_Window *w;
    const char *title;
    int width, height;
  } want[] = {{ControlWindow, "Corvessa", 390, 175},  {EffectsWindow, "Effects", 520, 620},
              {FadersWindow, "Faders", 620, 575},     {PrefsWindow, "Preferences", 430, 375},
              {SubWindow, "Submix Matrix", 460, 280}, {VCAWindow, "VCA Matrix", 460, 280},
              {ReverbWindow, "Reverb", 410, 255}};
  for (auto &x : want) {
    EXPECT_STREQ(x.w->label(), x.title);
    EXPECT_TRUE(x.w->w() == x.width && x.w->h() == x.height) << x.title;
    EXPECT_EQ(x.w->visible() != 0, x.w == ControlWindow) << x.title;
  }
  EXPECT_EQ(Status(), "Corvessa 1.065");
}

TEST_F(AppTest, ControlWindowShortcuts) {
  auto press = [](int key) {
    Fl::e_keysym = key & FL_KEY_MASK;
    Fl::e_state = key & ~FL_KEY_MASK;
    Fl::handle(FL_SHORTCUT, ControlWindow);
  };
  struct {
    int key;
    Fl_Double_Window *w;
    bool shown;
  } cases[] = {{FL_CTRL + 'f', FadersWindow, true}, {FL_CTRL + FL_SHIFT + 'f', FadersWindow, false},
               {FL_CTRL + 'v', VCAWindow, true},    {FL_CTRL + FL_SHIFT + 'v', VCAWindow, false},
               {FL_CTRL + FL_SHIFT + 'r', ReverbWindow, false}};
  ShowReverb();
  for (auto &c : cases) {
    press(c.key);
    EXPECT_EQ(c.w->visible() != 0, c.shown) << c.w->label() << " " << c.key;
  }
  press(FL_CTRL + 's');  // Store All
  EXPECT_EQ(Status(), "Save Complete");
  strcpy(Path, "/nowhere/");
  press(FL_CTRL + 'm');  // Mix
  EXPECT_NE(Status().find("was not found"), std::string::npos) << Status();
  EXPECT_EXIT(press(FL_CTRL + 'q'), ::testing::ExitedWithCode(0), "");
  Fl::e_state = 0;
  EXPECT_EQ(ControlWindow->child(5), (Fl_Widget *)TextResponse);
}

TEST_F(AppTest, ShowHideEscapeAndClose) {
  struct {
    void (*show)(), (*hide)();
    Fl_Double_Window *w;
  } pairs[] = {{ShowFaders, HideFaders, FadersWindow},   {ShowEffects, HideEffects, EffectsWindow},
               {ShowPrefs, HidePrefs, PrefsWindow},      {ShowSubs, HideSubs, SubWindow},
               {ShowVCAs, HideVCAs, VCAWindow},          {ShowReverb, HideReverb, ReverbWindow}};
  for (auto &p : pairs) {
    SCOPED_TRACE(p.w->label());
    p.show();
    p.show();  // already shown: raised, still shown
    Fl::e_keysym = FL_Escape;
    Fl::handle(FL_SHORTCUT, p.w);  // Escape closes no window
    EXPECT_TRUE(p.w->visible());
    p.hide();
    p.hide();
    EXPECT_FALSE(p.w->visible());
    p.show();
    Fl::handle(FL_CLOSE, p.w);  // the window manager's close still hides it
    EXPECT_FALSE(p.w->visible());
  }
  Fl::handle(FL_SHORTCUT, ControlWindow);
  EXPECT_TRUE(ControlWindow->visible());
}

TEST_F(AppTest, EngineCommandIsPathFollowedByName) {
  const char *cases[][2] = {{"", "tarnell4"},
                            {"/opt/engine", "/opt/enginetarnell4"},
                            {"/opt/engine/", "/opt/engine/tarnell4"}};
  for (auto &c : cases) {
    char cmd[300];
    strcpy(Path, c[0]);
    FormEngineCommand(cmd, sizeof cmd);
    EXPECT_STREQ(cmd, c[1]);
  }
}

namespace {

// A fake engine in the test directory that lists where it ran and exits with code.
void fakeEngine(const std::string &dir, int code, const char *extra = "") {
  WriteFile(dir + "/bin/tarnell4", std::string("#!/bin/sh\npwd > ran.txt\nls >> ran.txt\n") + extra +
                                       "exit " + std::to_string(code) + "\n");
  chmod((dir + "/bin/tarnell4").c_str(), 0755);
  snprintf(Path, sizeof Path, "%s/bin/", dir.c_str());
}

}  // namespace

TEST_F(AppTest, MixStoresAndRunsTheEngineInTheWorkingDirectory) {
  mkdir("bin", 0755);
  fakeEngine(dir, 0);
  Mix();
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_EQ(ReadFile("ran.txt"), dir + "\nbin\nfaders.txt\nprefs.txt\nran.txt\ntracks.txt\n");
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
