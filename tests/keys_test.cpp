// The keys: every shortcut from every window, none typed into a text field, and
// the faders window's own.
#include "testutil.h"

#include "cuemap/cuemap.h"
#include "messageswindow/messageswindow.h"

namespace {

using KeysTest = ConsoleTest;

// Presses Ctrl+key (and Shift) in window w, as the event loop would.
void Press(Fl_Window *w, int key, bool shift = false) {
  static char text[2];
  text[0] = (char)(key & 0x1f);  // what the keyboard gives with Ctrl: Ctrl+M is a carriage return
  Fl::e_keysym = key, Fl::e_state = FL_CTRL | (shift ? FL_SHIFT : 0), Fl::e_text = text, Fl::e_length = 1;
  Fl::handle(FL_KEYBOARD, w);
}

int Runs() { return (int)ReadFile("runs").size(); }

}  // namespace

TEST_F(KeysTest, EveryShortcutWorksInEveryWindowAndIsNeverTyped) {
  StartKeys();
  Engine(dir + "/bin", "echo >> runs\n");
  Fl_Double_Window *windows[] = {ControlWindow, FadersWindow, EffectsWindow, PrefsWindow, SubWindow,
                                 VCAWindow,     ReverbWindow, MessagesWindow, CueMapWindow};
  const struct {
    int key;
    Fl_Double_Window *shows;  // shown by Ctrl+key, hidden by Ctrl+Shift+key; none: the command
  } keys[] = {{'f', FadersWindow}, {'e', EffectsWindow}, {'r', ReverbWindow}, {'g', SubWindow},
              {'v', VCAWindow},    {'p', PrefsWindow},   {'t', CueMapWindow}, {'l', MessagesWindow},
              {'s', nullptr},      {'m', nullptr}};
  // From each window, and from a name field being typed into: the name stays as typed.
  for (Fl_Double_Window *from : windows) {
    SCOPED_TRACE(from->label());
    bool typing = from == FadersWindow;
    for (auto &k : keys) {
      SCOPED_TRACE(std::string(1, (char)k.key));
      if (typing) Fl::focus(name3), name3->value("Bass"), name3->set_changed(), name3->position(2);
      if (k.shows) {
        Press(from, k.key);
        EXPECT_TRUE(k.shows->visible());
        Press(from, k.key, true);
        EXPECT_FALSE(k.shows->visible());
      } else {
        int runs = Runs();
        Press(from, k.key);
        EXPECT_EQ(Status(), k.key == 's' ? "Save Complete" : "Mix Complete");
        EXPECT_EQ(Runs(), runs + (k.key == 'm'));
      }
      if (typing) { EXPECT_STREQ(name3->value(), "Bass"); }
    }
  }
  EXPECT_STREQ(NameBuffer[3], "Bass");  // stored by the stores that ran meanwhile
  // The cue map keeps its own edit keys while it has the focus: Ctrl+V pastes there.
  ShowCueMap(), Fl::focus(CueMap);
  Press(CueMapWindow, 'v');
  EXPECT_FALSE(VCAWindow->visible());
  EXPECT_EQ(Status(), "Select cells in the cue map first");  // the map's answer
  Press(CueMapWindow, 'f');
  EXPECT_TRUE(FadersWindow->visible());
}

// Ctrl+U switches "auto" of the strip whose control has the focus, Ctrl+I "Active".
TEST_F(KeysTest, TheFadersWindowSwitchesAutoAndActive) {
  StartKeys();
  ShowBank(2, 5);
  const struct {
    Fl_Widget *focus;
    int key;
    int *flag;  // switched, or none
  } cases[] = {{ofs3, 'u', &ChanActive[Entry(13, 4)]},        {vol3->child(0), 'u', &ChanActive[Entry(13, 4)]},
               {pan13, 'u', &ChanActive[Entry(MASTER, 4)]},   {A12, 'u', &ChanActive[Entry(VcaSlot(2), 4)]},
               {CueName, 'u', nullptr},                       {CueName, 'i', &IndexActiveArray[4]},
               {name1, 'i', &IndexActiveArray[4]}};
  for (auto &c : cases) {
    SCOPED_TRACE(&c - cases);
    Fl::focus(c.focus);
    std::string before = Model();
    for (int on : {1, 0}) {
      Press(FadersWindow, c.key);
      if (c.flag) { EXPECT_EQ(*c.flag, on); }
    }
    EXPECT_EQ(Changed(before), "");
  }
  Fl::focus(name1);
  Press(ControlWindow, 'i');  // the faders window's own keys
  EXPECT_EQ(IndexActiveArray[4], 0);
}
