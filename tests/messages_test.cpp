// The message list: the file, line number and line each message is about, and
// the hint for a record typed with spaces (what the readers print: the reader test).
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
  const struct { const char *file; std::string text; long line; const char *shown, *message; } cases[] = {
      {"faders.txt", "Mix\n\r\nsub\t9\t1\r\n", 3, "sub 9 1", "Submix number out of range!"},
      {"faders.txt", "Mix\nt\t0\t0\t0\nv\t3\tloud\tly\n", 3, "v 3 loud ly",
       "line 3 of faders.txt: \"loud ly\" is not a number; the \"v\" record reads it as 0"},
      {"faders.txt", "Mix\n" + lines("t\t0\t0\t0\n", 512) + "inc\t1\n", 514, "inc 1",
       "line 514 of faders.txt: the \"inc\" record past the 512th cue is not read"},
      {"prefs.txt", "pre\ton\nstart\t1\t\t3\n", 2, "start 1  3",
       "line 2 of prefs.txt: a field is empty; the \"start\" record reads it as 0"},
      {"tracks.txt", lines("1 Kick +\n", 127) + "\n128 Snare +\n", 129, "128 Snare +",
       "line 129 of tracks.txt is past the last channel, 127; it is not read"},
  };
  for (auto &c : cases) {
    ClearMessages();
    Recall(c.file, c.text);
    ASSERT_EQ(MessageCount(), 1) << c.message;
    const MessageEntry &m = MessageAt(0);
    EXPECT_EQ(m.file + (":" + std::to_string(m.line)) + " " + m.text + ": " + m.message,
              c.file + (":" + std::to_string(c.line)) + " " + c.shown + ": " + c.message);
  }
}

TEST_F(MessagesTest, SpacesForTabsHintEveryRecordKind) {
  // Each keyword typed with spaces, in both files: the file it belongs to hints once.
  for (std::string k : FileKeywords) {
    if (k == "mono") continue;  // a record without values
    ClearMessages();
    for (const char *file : {"faders.txt", "prefs.txt"})
      Recall(file, std::string(*file == 'f' ? "Mix\n" : "") + k + (k == "pre" ? " on\n" : " 1 2\n"));
    ASSERT_EQ(MessageCount(), 1) << k;
    EXPECT_EQ(MessageAt(0).message, (*MessageAt(0).file == 'f' ? "line 2 of faders.txt" : "line 1 of prefs.txt") +
                                        std::string(" looks like a \"") + k +
                                        "\" record written with spaces; it is kept as a comment line");
  }
  // No hint for comments, a word that is no value, a leading space, or track names.
  ClearMessages();
  Recall("faders.txt", "Mix\nvocals are loud\nv is loud\n v 1 2\nt\t0\t0\t0\nv\t1\t-3 dB\n");
  Recall("prefs.txt", "pan the drums left\npre later\n");
  Recall("tracks.txt", "1 v +\n2 comp bus ++\n3 sub 1 off\nend\n");
  EXPECT_EQ(Listed(), "");
}
