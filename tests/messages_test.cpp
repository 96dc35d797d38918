// What the readers report: standard output as before, and the message list with
// the file, line number and line each message is about.
#include "filetest.h"

namespace {

class MessagesTest : public FilesTest {};

std::string lines(const std::string &line, int n) {
  std::string s;
  while (n--) s += line;
  return s;
}

}  // namespace

TEST_F(MessagesTest, EachKindNamesItsFileLineAndLine) {
  // printed: the message goes to standard output as it did before the list.
  const struct { const char *file; std::string text; long line; const char *shown; bool printed; const char *message; }
  cases[] = {
      {"faders.txt", "Mix\ncomp\t200\t1\t2\t3\t4\n", 2, "comp 200 1 2 3 4", true,
       ">>Channel number out of range or not specified!"},
      {"faders.txt", "Mix\n\r\nsub\t9\t1\r\n", 3, "sub 9 1", true, "Submix number out of range!"},
      {"faders.txt", "Mix\nvcaname\t1\tx@y\nVCA:\t2\t1,300\n", 3, "VCA: 2 1,300", true,
       "Channel assigned to VCA 1 is out of range!"},
      {"faders.txt", "Mix\nt\t0\n", 2, "t 0", true, ">>Too few fields in a \"t\" record; skipped"},
      {"faders.txt", "Mix\nt\t0\t0\t0\nv\t3\tloud\tly\n", 3, "v 3 loud ly", false,
       "line 3 of faders.txt: \"loud ly\" is not a number; the \"v\" record reads it as 0"},
      {"faders.txt", "Mix\np\tx\t5\n", 2, "p x 5", false,
       "line 2 of faders.txt: \"x\" is not a number; the \"p\" record is not read"},
      {"faders.txt", "Mix\ncue\tIntro\nshape\t2\n", 3, "shape 2", false,
       "line 3 of faders.txt: the \"shape\" record before the first \"t\" record is not read"},
      {"faders.txt", "Mix\n" + lines("t\t0\t0\t0\n", 512) + "inc\t1\n", 514, "inc 1", false,
       "line 514 of faders.txt: the \"inc\" record past the 512th cue is not read"},
      {"prefs.txt", "pre\ton\nstart\t1\t\t3\n", 2, "start 1  3", false,
       "line 2 of prefs.txt: a field is empty; the \"start\" record reads it as 0"},
      {"tracks.txt", lines("1 Kick +\n", 127) + "\n128 Snare +\n", 129, "128 Snare +", false,
       "line 129 of tracks.txt is past the last channel, 127; it is not read"},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.message);
    ClearMessages();
    EXPECT_EQ(Recall(c.file, c.text), c.printed ? c.message + std::string("\n") : "");
    ASSERT_EQ(MessageCount(), 1);
    const MessageEntry &m = MessageAt(0);
    EXPECT_STREQ(m.file, c.file);
    EXPECT_EQ(m.line, c.line);
    EXPECT_EQ(m.text, c.shown);
    EXPECT_EQ(m.message, c.message);
  }
}

TEST_F(MessagesTest, SpacesForTabsHintEveryRecordKind) {
  // Each keyword typed with spaces, in both files: the file it belongs to hints once.
  for (std::string k : FileKeywords) {
    if (k == "mono") continue;  // a record without values
    ClearMessages();
    for (const char *file : {"faders.txt", "prefs.txt"})
      EXPECT_EQ(Recall(file, std::string(*file == 'f' ? "Mix\n" : "") + k + (k == "pre" ? " on\n" : " 1 2\n")), "");
    ASSERT_EQ(MessageCount(), 1) << k;
    const MessageEntry &m = MessageAt(0);
    EXPECT_EQ(m.message, (*m.file == 'f' ? "line 2 of faders.txt" : "line 1 of prefs.txt") + std::string(" looks like a \"") +
                             k + "\" record written with spaces; it is kept as a comment line");
  }
  // No hint for comments, a word that is no value, a leading space, or track names.
  const char *none[][2] = {{"faders.txt", "Mix\nvocals are loud\nv is loud\n v 1 2\nt\t0\t0\t0\nv\t1\t-3 dB\n"},
                           {"prefs.txt", "pan the drums left\npre later\n"},
                           {"tracks.txt", "1 v +\n2 comp bus ++\n3 sub 1 off\nend\n"}};
  for (auto &n : none) {
    ClearMessages();
    Recall(n[0], n[1]);
    EXPECT_EQ(MessageCount(), 0) << n[1];
  }
}
