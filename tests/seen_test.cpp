// What the windows show: cue times, the faders window's fields where a strip has
// no automation point, and the status texts in the Messages window.
#include "testutil.h"

#include "faders/strip.h"
#include "messageswindow/messageswindow.h"
#include "places/places.h"

TEST(Seen, CueTimesReadAsTheThreeFields) {
  const struct {
    float min, sec, msec;
    const char *text;
  } cases[] = {{0, 15, 0, "0:15.000"}, {1, 30, 250, "1:30.250"}, {0, 12.5f, 250, "0:12.750"},
               {2, 5, 7, "2:05.007"},  {0, 75, 0, "0:75.000"}};  // nothing carried into the minutes
  for (auto &c : cases) EXPECT_EQ(CueTimeText(c.min, c.sec, c.msec), c.text);
}

using SeenTest = ConsoleTest;

// At time index 5 of bank 2: channel 13 (strip 3) has entries at time indexes 2
// (in use) and 3 (not in use), channel 14 (strip 4) one at 5, channel 15 none.
TEST_F(SeenTest, FieldsWithoutAnAutomationPointAreDimmedAndSaySo) {
  IndexActiveArray[1] = 1, ChanActive[Entry(13, 1)] = 1, Volume[Entry(13, 1)] = -6;
  ChanActive[Entry(13, 2)] = 1, Volume[Entry(13, 2)] = -9;
  ChanActive[Entry(14, 4)] = 1;
  ShowBank(2, 5);
  const char *none = "channel %i has no automation point at time index 5: switch auto on to keep it";
  const struct {
    int strip;
    const char *tip, *status;
  } strips[] = {{3, "No automation point here: -6.0 dB is in force, from time index 2", none},
                {4, nullptr, ""},
                {5, "No automation point here, nor at an earlier time index in use", none}};
  for (auto &s : strips) {
    SCOPED_TRACE(s.strip);
    Fl_Widget *fields[] = {*VolCol[s.strip], *OfsCol[s.strip], *RampCol[s.strip], *ShapeCol[s.strip]};
    for (Fl_Widget *f : fields) {
      auto *spinner = dynamic_cast<Fl_Spinner *>(f);
      Fl_Color text = spinner ? spinner->textcolor() : ((Fl_Value_Input *)f)->textcolor();
      EXPECT_EQ(text == FL_FOREGROUND_COLOR, s.tip == nullptr);
      std::string before = Model();
      spinner ? Set(spinner, 0.5) : Set((Fl_Valuator *)f, 0.5);  // stored all the same
      EXPECT_NE(Changed(before), "");
      char status[128];
      snprintf(status, sizeof status, s.status, 10 + s.strip);
      EXPECT_EQ(Status(), status);
    }
    EXPECT_STREQ(fields[0]->tooltip(), s.tip);
  }
  Set(A3, 1);  // auto on: plain again
  EXPECT_EQ(vol3->textcolor(), FL_FOREGROUND_COLOR);
  EXPECT_EQ(ramp3->textcolor(), FL_FOREGROUND_COLOR);
  EXPECT_EQ(vol3->tooltip(), nullptr);
  Set(pan13, 10);  // pan is the slot's, at every cue
  EXPECT_EQ(Status(), "");
  Set(vol13, -1);
  EXPECT_EQ(Status(), "the master has no automation point at time index 5: switch auto on to keep it");
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
  EXPECT_EQ(rows,
            "\tstatus line\t \tSave Complete\t\n"
            "\tstatus line\t \tSave Complete\t\n"
            "\tstatus line\t \tRead 16 bytes from faders.txt\t\n"
            "\tfaders.txt\t2\tSubmix number out of range!\tsub 9 1\n");
  EXPECT_EQ(MessagesNote(), "1 message from the last recall: Ctrl+L");
  HideMessages();
}

// Window places: remembered as text, lines that do not read passed over; a new
// window beside the control window, as far as the screen allows.
TEST(Seen, WindowPlaces) {
  Places places = ReadPlacesText("# a comment\n10 20 620 575 Faders\n5 6 7 Cue Map\n1 2 0 4 Effects\n"
                                 "x 2 3 4 Reverb\n-30 40 900 640 Cue Map\n1 2 3 4\n\xff\xfe\n");
  EXPECT_EQ(PlacesText(places),
            "# Corvessa's windows: x y width height title\n-30 40 900 640 Cue Map\n10 20 620 575 Faders\n");
  EXPECT_EQ(PlacesText(ReadPlacesText(PlacesText(places))), PlacesText(places));
  const Place screen = {0, 0, 1280, 1024};
  const struct {
    Place control;
    int w, h;
    Place at;
  } cases[] = {
      {{0, 0, 390, 175}, 620, 575, {394, 0, 620, 575}},        // right of it
      {{700, 600, 390, 175}, 620, 575, {76, 449, 620, 575}},   // left, held on the screen
      {{100, 0, 1000, 175}, 620, 575, {100, 179, 620, 575}},   // below
      {{100, 800, 1000, 224}, 620, 575, {100, 221, 620, 575}}, // above
      {{0, 300, 1280, 400}, 900, 640, {0, 384, 900, 640}},     // nowhere: covering it least
  };
  for (auto &c : cases) {
    Place p = PlaceBeside(c.control, screen, c.w, c.h);
    EXPECT_EQ(std::vector<int>({p.x, p.y, p.w, p.h}), std::vector<int>({c.at.x, c.at.y, c.at.w, c.at.h}));
  }
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(PlacesFile(), "/cfg/corvessa/windows");
  setenv("XDG_CONFIG_HOME", "relative", 1), setenv("HOME", "/home/ann", 1);
  EXPECT_EQ(PlacesFile(), "/home/ann/.config/corvessa/windows");
}
