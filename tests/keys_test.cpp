// The keys: every shortcut from every window, none typed into a text field, and
// the faders window's own.
#include "testutil.h"

#include "cuemap/cuemap.h"
#include "keepwindows/keepwindows.h"
#include "messageswindow/messageswindow.h"

using KeysTest = ConsoleTest;

// Presses Ctrl+key (and Shift) in window w, as the event loop would.
static void Press(Fl_Window *w, int key, bool shift = false) {
  static char text[2];
  text[0] = (char)(key & 0x1f);  // what the keyboard gives with Ctrl: Ctrl+M is a carriage return
  Fl::e_keysym = key, Fl::e_state = FL_CTRL | (shift ? FL_SHIFT : 0), Fl::e_text = text, Fl::e_length = 1;
  Fl::handle(FL_KEYBOARD, w);
}

TEST_F(KeysTest, EveryShortcutWorksInEveryWindowAndIsNeverTyped) {
  StartKeys();
  Engine(dir + "/bin", "");
  // Ctrl+key shows a window and Ctrl+Shift+key hides it, or Ctrl+key runs a command.
  const struct { int key; Fl_Double_Window *shows; const char *status = nullptr; } keys[] = {
      {'f', FadersWindow}, {'e', EffectsWindow}, {'r', ReverbWindow}, {'g', SubWindow}, {'v', VCAWindow},
      {'p', PrefsWindow},  {'t', CueMapWindow},  {'l', MessagesWindow}, {'d', CompareWindow},
      {'h', HistoryWindow}, {'s', nullptr, "Save Complete"}, {'m', nullptr, "Mix Complete"}};
  for (Fl_Double_Window *from : {ControlWindow, FadersWindow, EffectsWindow, PrefsWindow, SubWindow, VCAWindow,
                                 ReverbWindow, MessagesWindow, CueMapWindow, CompareWindow, HistoryWindow})
    for (auto &k : keys) {
      SCOPED_TRACE(std::string(from->label()) + ", Ctrl+" + (char)k.key);
      Fl::focus(name3), name3->value("Bass"), name3->position(2), ClearStatus();  // a name being typed
      Press(from, k.key);
      EXPECT_EQ(k.shows ? k.shows->visible() != 0 : Status() == k.status, true);
      if (k.shows) Press(from, k.key, true);
      EXPECT_EQ(k.shows && k.shows->visible(), false);
      EXPECT_STREQ(name3->value(), "Bass");
    }
  // The cue map keeps its own edit keys while it has the focus: Ctrl+V pastes there.
  ShowCueMap(), Fl::focus(CueMap);
  Press(CueMapWindow, 'v');
  EXPECT_EQ(Status(), "Select cells in the cue map first");  // the map's answer, not the VCA matrix
}

// Ctrl+U switches "auto" of the strip whose control has the focus, Ctrl+I "Active".
TEST_F(KeysTest, TheFadersWindowSwitchesAutoAndActive) {
  StartKeys();
  ShowBank(2, 5);
  const struct { Fl_Widget *focus; int key, *flag; } cases[] = {  // the flag switched, or none
      {vol3->child(0), 'u', &ChanActive[Entry(13, 4)]}, {A12, 'u', &ChanActive[Entry(VcaSlot(2), 4)]},
      {CueName, 'u', nullptr}, {name1, 'i', &IndexActiveArray[4]}};
  for (auto &c : cases) {
    std::string before = (Fl::focus(c.focus), Model());
    Press(FadersWindow, c.key);
    EXPECT_TRUE(c.flag ? *c.flag == 1 : Changed(before).empty()) << &c - cases;
    Press(FadersWindow, c.key);  // and off again
    EXPECT_EQ(Changed(before), "");
  }
}
