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
  EXPECT_STREQ(menu_Recall[3].label(), "Recall All");
  EXPECT_STREQ(menu_Store[3].label(), "Store All");
  EXPECT_EQ(menu_Store[3].shortcut(), FL_CTRL + 's');
  EXPECT_EQ(menu_Recall[4].label(), nullptr);
}

TEST_F(AppTest, ShowAndHide) {
  struct {
    void (*show)(), (*hide)();
    Fl_Double_Window *w;
  } pairs[] = {{ShowFaders, HideFaders, FadersWindow},   {ShowEffects, HideEffects, EffectsWindow},
               {ShowPrefs, HidePrefs, PrefsWindow},      {ShowSubs, HideSubs, SubWindow},
               {ShowVCAs, HideVCAs, VCAWindow},          {ShowReverb, HideReverb, ReverbWindow}};
  for (auto &p : pairs) {
    p.show();
    p.show();  // already shown: raised, still shown
    EXPECT_TRUE(p.w->visible()) << p.w->label();
    p.hide();
    p.hide();
    EXPECT_FALSE(p.w->visible()) << p.w->label();
  }
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
