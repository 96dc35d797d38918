// The control window and the top-level commands.
#include "testutil.h"

using AppTest = ConsoleTest;

TEST_F(AppTest, ShowHideEscapeAndClose) {
  struct {
    void (*show)(), (*hide)();
    Fl_Double_Window *w;
  } pairs[] = {{ShowFaders, HideFaders, FadersWindow},   {ShowEffects, HideEffects, EffectsWindow},
               {ShowPrefs, HidePrefs, PrefsWindow},      {ShowSubs, HideSubs, SubWindow},
               {ShowVCAs, HideVCAs, VCAWindow},          {ShowReverb, HideReverb, ReverbWindow}};
  for (auto &p : pairs) {
    SCOPED_TRACE(p.w->label());
    p.show(), p.show();  // already shown: raised, still shown
    Fl::e_keysym = FL_Escape;
    Fl::handle(FL_SHORTCUT, p.w);  // Escape closes no window
    EXPECT_TRUE(p.w->visible());
    p.hide(), p.hide();
    EXPECT_FALSE(p.w->visible());
    p.show();
    Fl::handle(FL_CLOSE, p.w);  // the window manager's close still hides it
    EXPECT_FALSE(p.w->visible());
  }
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
  EXPECT_EQ(Volume[Entry(3, 0)], -6.0f);
}
