// What the windows show: the faders window's fields where a strip has no
// automation point, the status texts in the Messages window, cue times, window places.
#include "testutil.h"

#include "faders/strip.h"
#include "messageswindow/messageswindow.h"
#include "places/places.h"

using SeenTest = ConsoleTest;

// At time index 5 of bank 2: channel 13 (strip 3) has entries at time indexes 2
// (in use) and 3 (not in use), channel 14 (strip 4) one at 5, the master none.
TEST_F(SeenTest, FieldsWithoutAnAutomationPointAreDimmedAndSaySo) {
  IndexActiveArray[1] = 1, ChanActive[Entry(13, 1)] = 1, Volume[Entry(13, 1)] = -6;
  ChanActive[Entry(13, 2)] = 1, ChanActive[Entry(14, 4)] = 1;
  ShowBank(2, 5);
  const struct { int strip; const char *tip, *slot; } strips[] = {
      {3, "No automation point here: -6.0 dB is in force, from time index 2", "channel 13"},
      {4, nullptr, nullptr}, {13, "No automation point here, nor at an earlier time index in use", "the master"}};
  for (auto &s : strips) {
    Fl_Spinner *vol = *VolCol[s.strip];
    EXPECT_EQ(vol->textcolor() == FL_FOREGROUND_COLOR, !s.tip) << s.strip;
    EXPECT_STREQ(vol->tooltip(), s.tip);
    for (int i = 0; i < 3; i++) {  // volume, offset and ramp
      std::string before = Model();
      i ? Set(*(i == 1 ? OfsCol : RampCol)[s.strip], 0.5) : Set(vol, 0.5);  // stored all the same
      EXPECT_NE(Changed(before), "");
      EXPECT_EQ(Status(), s.slot ? s.slot + std::string(" has no automation point at time index 5: switch "
                                                        "auto on to keep it") : "");
    }
  }
  Set(A3, 1);  // auto on: plain again
  EXPECT_EQ(ramp3->textcolor(), FL_FOREGROUND_COLOR);
}

// Every text the status line shows is listed with its time, in order among the
// messages, and counts as none of a recall's messages.
TEST_F(SeenTest, TheMessagesWindowListsEveryStatusText) {
  ClearMessages();
  WriteFile("faders.txt", "Mix\nsub\t9\t1\nend\n");
  SetStatus("Save Complete"), SetStatus("Save Complete");  // each set anew
  Printed(StageReadFromFile);
  UpdateGUI(), ClearStatus();  // shown again, and cleared: nothing new
  ShowMessages();
  std::string rows;
  for (int i = 1; i <= MessageList->size(); i++) rows += std::string(MessageList->text(i)).substr(8) + "\n";
  EXPECT_EQ(rows, "\tstatus line\t \tSave Complete\t\n\tstatus line\t \tSave Complete\t\n"
                  "\tstatus line\t \tRead 16 bytes from faders.txt\t\n"
                  "\tfaders.txt\t2\tSubmix number out of range!\tsub 9 1\n");
  EXPECT_EQ(MessagesNote(), "1 message from the last recall: Ctrl+L");
}

// Cue times as the three fields read, nothing carried into the minutes; window
// places remembered as text, a line that does not read passed over, and a new
// window beside the control window as far as the screen allows.
TEST(Seen, CueTimesAndWindowPlaces) {
  EXPECT_EQ(CueTimeText(1, 30, 250) + " " + CueTimeText(0, 12.5, 250) + " " + CueTimeText(2, 75, 7),
            "1:30.250 0:12.750 2:75.007");
  EXPECT_EQ(PlacesText(ReadPlacesText("# note\n10 20 620 575 Faders\n5 6 7 Map\n1 2 0 4 Map\nx 2 3 4 Map\n")),
            "# Corvessa's windows: x y width height title\n10 20 620 575 Faders\n");
  const Place screen = {0, 0, 1280, 1024}, left = PlaceBeside({700, 600, 390, 175}, screen, 620, 575),
              least = PlaceBeside({0, 300, 1280, 400}, screen, 900, 640);  // nowhere: covering it least
  EXPECT_EQ(Ints({left.x, left.y, least.x, least.y}), Ints({76, 449, 0, 384}));  // held on the screen
}
