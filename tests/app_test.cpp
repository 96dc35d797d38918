// The control window, the top-level commands and the Messages window.
#include <FL/Fl_Browser.H>

#include "messageswindow/messageswindow.h"
#include "testutil.h"
#include "undo/undo.h"
#include "where/where.h"

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

// The list keeps the newest messages, which the window shows newest last until its
// button clears them; the bottom line notes what the last recall or store said.
TEST_F(AppTest, MessagesWindowAndBottomLineNote) {
  const int n = MaxMessages + 100;
  std::string text = "Mix\n", printed;
  for (int i = 0; i < n; i++) text += "sub\t9\t1\n", printed += "Submix number out of range!\n";
  WriteFile("faders.txt", text);
  EXPECT_EQ(Printed(StageReadFromFile), printed);
  EXPECT_EQ(MessageCount(), (int)MaxMessages);
  EXPECT_EQ(MessageAt(0).line, 102);  // the oldest are gone
  EXPECT_EQ(MessagesNote(), std::to_string(n) + " messages from the last recall: Ctrl+L");
  ShowMessages();
  ASSERT_EQ(MessageList->size(), (int)MaxMessages);
  EXPECT_EQ(std::string(MessageList->text(MaxMessages)).substr(8),
            "\tfaders.txt\t" + std::to_string(n + 1) + "\tSubmix number out of range!\tsub 9 1");
  Fl_Button *clear = nullptr;
  for (int i = 0; i < MessagesWindow->children(); i++)
    if (Fl_Button *b = dynamic_cast<Fl_Button *>(MessagesWindow->child(i))) clear = b;
  ASSERT_TRUE(clear);
  Fire(clear);
  EXPECT_EQ(MessageList->size(), 0);
  EXPECT_EQ(MessageCount(), 0);
  HideMessages();

  const struct { void (*command)(); const char *faders, *note; } steps[] = {
      {StageReadFromFile, "Mix\nv 1 2\n", "1 message from the last recall: Ctrl+L"},
      {RecallAll, "Mix\nv 1 2\nsub\t0\t1\n", "2 messages from the last recall: Ctrl+L"},
      {SaveAll, "", "1 message from the last store: Ctrl+L"},  // "faders.txt file is empty"
      {SaveAll, nullptr, ""},
      {RecallAll, nullptr, ""},
  };
  for (auto &s : steps) {
    if (s.faders) WriteFile("faders.txt", s.faders), Known("faders.txt");
    Printed(s.command);
    EXPECT_EQ(MessagesNote(), s.note);
    AfterEvent();
    EXPECT_EQ(WhereLine->label(), WhereText(dir, getenv("HOME"), UnstoredChanges(), s.note));
  }
}
