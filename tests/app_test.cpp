// The control window, the top-level commands and the Messages window.
#include <FL/Fl_Browser.H>

#include "messageswindow/messageswindow.h"
#include "testutil.h"
#include "undo/undo.h"
#include "where/where.h"

using AppTest = ConsoleTest;

TEST_F(AppTest, StoresKeepTextStillBeingTyped) {
  ShowFaders();
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

// The list keeps the newest messages, which the window shows newest last; the
// bottom line notes what the last recall or store said.
TEST_F(AppTest, MessagesWindowAndBottomLineNote) {
  const int n = MaxMessages + 100;
  std::string text = "Mix\n";
  for (int i = 0; i < n; i++) text += "sub\t9\t1\n";
  WriteFile("faders.txt", text);
  Printed(StageReadFromFile);
  EXPECT_EQ(MessageCount(), (int)MaxMessages);
  AfterEvent();
  const std::string note = std::to_string(n) + " messages from the last recall: Ctrl+L";
  EXPECT_NE(std::string(WhereLine->label()).find(note), std::string::npos);
  ShowMessages();
  ASSERT_EQ(MessageList->size(), (int)MaxMessages + StatusCount());  // the status texts among them
  EXPECT_EQ(std::string(MessageList->text(MessageList->size())).substr(8),
            "\tfaders.txt\t" + std::to_string(n + 1) + "\tSubmix number out of range!\tsub 9 1");
  HideMessages();
  WriteFile("faders.txt", ""), Known("faders.txt");
  Printed(SaveAll);
  EXPECT_EQ(MessagesNote(), "1 message from the last store: Ctrl+L");  // "faders.txt file is empty"
  SaveAll();
  EXPECT_EQ(MessagesNote(), "");
  // What the files cannot keep: listed, and counted apart on the bottom line.
  PanlawStore = 0, strcpy(Path, "/"), strcpy(CueNameBuffer[0], "A"), strcpy(NameBuffer[SubSlot(3)], "Drums");
  Pan[VcaSlot(1)] = 20, MuteArray[VcaSlot(2)] = 1, SoloArray[MASTER] = 1;
  ClearMessages();
  SaveAll();
  EXPECT_EQ(Status(), "Save Complete");
  EXPECT_EQ(MessagesNote(), "7 settings not kept by the files: Ctrl+L");
  ASSERT_EQ(MessageCount(), 7);
  EXPECT_EQ(MessageAt(0).message, "cue name of time index 1: \"A\" is not kept by the files; a recall gives \"\"");
  EXPECT_EQ(MessageAt(6).message, "Pan law: 0.0 is not kept by the files; a recall gives 3.0");
}
