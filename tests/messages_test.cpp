// What the readers report: standard output as before, and the message list with
// the file, line number and line each message is about.
#include <FL/Fl_Browser.H>

#include <set>

#include "messages/messages.h"
#include "testutil.h"
#include "where/where.h"

namespace {

class MessagesTest : public ConsoleTest {
  void SetUp() override {
    ConsoleTest::SetUp();
    ClearMessages();
  }
};

void (*readerOf(const std::string &file))() {
  return file == "faders.txt" ? StageReadFromFile
         : file == "prefs.txt" ? ReadPreferencesFile
                               : ReadTracksFile;
}

std::string lines(const std::string &line, int n) {
  std::string s;
  for (int i = 0; i < n; i++) s += line;
  return s;
}

}  // namespace

TEST_F(MessagesTest, EachKindNamesItsFileLineAndLine) {
  const std::string cues = "Mix\n" + lines("t\t0\t0\t0\n", 512);
  struct {
    const char *file;
    std::string text;
    bool printed;  // on standard output too, as before
    long line;
    const char *shown, *message;
  } cases[] = {
      {"faders.txt", "Mix\ncomp\t200\t1\t2\t3\t4\n", true, 2, "comp 200 1 2 3 4",
       ">>Channel number out of range or not specified!"},
      {"faders.txt", "Mix\n\r\nsub\t9\t1\r\n", true, 3, "sub 9 1", "Submix number out of range!"},
      {"faders.txt", "Mix\nvcaname\t1\tx@y\nVCA:\t2\t1,300\n", true, 3, "VCA: 2 1,300",
       "Channel assigned to VCA 1 is out of range!"},
      {"faders.txt", "Mix\nt\t0\n", true, 2, "t 0", ">>Too few fields in a \"t\" record; skipped"},
      {"faders.txt", "", true, 0, "", "faders.txt file is empty"},
      {"faders.txt", "Mix\n\nv 14 -3.00\n", false, 3, "v 14 -3.00",
       "line 3 of faders.txt looks like a \"v\" record written with spaces; it is kept as a "
       "comment line"},
      {"faders.txt", "Mix\nt\t0\t0\t0\nv\t3\tloud\tly\n", false, 3, "v 3 loud ly",
       "line 3 of faders.txt: \"loud ly\" is not a number; the \"v\" record reads it as 0"},
      {"faders.txt", "Mix\np\tx\t5\n", false, 2, "p x 5",
       "line 2 of faders.txt: \"x\" is not a number; the \"p\" record is not read"},
      {"faders.txt", "Mix\ncue\tIntro\nshape\t2\n", false, 3, "shape 2",
       "line 3 of faders.txt: the \"shape\" record before the first \"t\" record is not read"},
      {"faders.txt", cues + "inc\t1\n", false, 514, "inc 1",
       "line 514 of faders.txt: the \"inc\" record past the 512th cue is not read"},
      {"prefs.txt", "pre\ton\nstart\t1\t\t3\n", false, 2, "start 1  3",
       "line 2 of prefs.txt: a field is empty; the \"start\" record reads it as 0"},
      {"tracks.txt", lines("1 Kick +\n", 127) + "\n128 Snare +\n", false, 129, "128 Snare +",
       "line 129 of tracks.txt is past the last channel, 127; it is not read"},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    ClearMessages();
    WriteFile(c.file, c.text);
    EXPECT_EQ(Printed(readerOf(c.file)), c.printed ? c.message + std::string("\n") : "");
    EXPECT_EQ(Status(), "Read " + std::to_string(c.text.size()) + " bytes from " + c.file);
    ASSERT_EQ(MessageCount(), 1);
    const MessageEntry &m = MessageAt(0);
    EXPECT_EQ(m.file + (" " + std::to_string(m.line)), c.file + (" " + std::to_string(c.line)));
    EXPECT_EQ(m.text + ("|" + m.message), c.shown + ("|" + std::string(c.message)));
  }
}

TEST_F(MessagesTest, SpacesForTabsHintEveryRecordKind) {
  const std::set<std::string> prefs = {"pre",  "start", "length", "xin",    "xout",   "head",   "tail",
                                       "oname", "path", "color", "pan",   "mono",   "play",   "device",
                                       "wavdir", "mixdir", "launch", "dither", "outbits"};
  std::string text[2] = {"Mix\n", ""};  // faders.txt, prefs.txt
  std::vector<std::string> keys[2];
  for (const char *k : FileKeywords) {
    int which = prefs.count(k);
    if (std::string(k) == "mono") continue;  // a record without values
    keys[which].push_back(k);
    text[which] += std::string(k) + (std::string(k) == "pre" ? " on\n" : " 1 2\n");
  }
  // Lines no hint is about: comments, a word that is no value, a leading space.
  text[0] += "vocals are loud\nv is loud\n v 1 2\nt\t0\t0\t0\nv\t1\t-3 dB\n";
  text[1] += "pan the drums left\npre later\n";
  const char *files[] = {"faders.txt", "prefs.txt"};
  for (int which = 0; which < 2; which++) {
    ClearMessages();
    WriteFile(files[which], text[which]);
    EXPECT_EQ(Printed(readerOf(files[which])), "");
    ASSERT_EQ(MessageCount(), (int)keys[which].size());
    for (int i = 0; i < MessageCount(); i++)
      EXPECT_EQ(MessageAt(i).message, "line " + std::to_string(i + 1 + !which) + " of " +
                                          files[which] + " looks like a \"" + keys[which][i] +
                                          "\" record written with spaces; it is kept as a "
                                          "comment line");
  }
  // Track names are words after a number: whatever they say, no hint.
  ClearMessages();
  WriteFile("tracks.txt", "1 v +\n2 comp bus ++\n3 sub 1 off\nend\n");
  ReadTracksFile();
  EXPECT_EQ(MessageCount(), 0);
}

TEST_F(MessagesTest, ListIsCappedAndTheNoteCountsTheLastCommand) {
  int n = MaxMessages + 100;
  WriteFile("faders.txt", "Mix\n" + lines("sub\t9\t1\n", n));
  EXPECT_EQ(Printed(StageReadFromFile), lines("Submix number out of range!\n", n));
  EXPECT_EQ(MessageCount(), (int)MaxMessages);
  EXPECT_EQ(MessageAt(0).line, 102);  // the oldest are gone
  EXPECT_EQ(MessageAt(MaxMessages - 1).line, n + 1);
  EXPECT_EQ(MessagesNote(), std::to_string(n) + " messages from the last recall: Ctrl+L");
  EXPECT_EQ(WhereNote, MessagesNote());

  struct {
    void (*command)();
    const char *faders, *note;
  } steps[] = {
      {StageReadFromFile, "Mix\nv 1 2\n", "1 message from the last recall: Ctrl+L"},
      {RecallAll, "Mix\nv 1 2\nsub\t0\t1\n", "2 messages from the last recall: Ctrl+L"},
      {SaveAll, "", "1 message from the last store: Ctrl+L"},  // "faders.txt file is empty"
      {SaveAll, nullptr, ""},
      {RecallAll, nullptr, ""},
  };
  for (auto &s : steps) {
    if (s.faders) WriteFile("faders.txt", s.faders);
    Printed(s.command);
    EXPECT_EQ(MessagesNote(), s.note);
    EXPECT_EQ(WhereNote, s.note);
  }
}

TEST_F(MessagesTest, WindowListsNewestLastAndClears) {
  WriteFile("faders.txt", "Mix\nsub\t9\t1\nsubname\t1\tA@B\nVCA:\t1\t0\n");
  Printed(StageReadFromFile);
  ShowMessages();
  ASSERT_EQ(MessageList->size(), 2);
  std::string last = MessageList->text(2);
  EXPECT_EQ(last.substr(8), "\tfaders.txt\t4\tChannel assigned to VCA 0 is out of range!\tVCA: 1 0");
  Fl_Button *clear = nullptr;
  for (int i = 0; i < MessagesWindow->children(); i++)
    if (Fl_Button *b = dynamic_cast<Fl_Button *>(MessagesWindow->child(i))) clear = b;
  ASSERT_TRUE(clear);
  Fire(clear);
  EXPECT_EQ(MessageList->size(), 0);
  EXPECT_EQ(MessageCount(), 0);
  HideMessages();
}
