// The message list: the file, line number and line each message is about, and
// the hint for a record typed with spaces (what the readers print: the reader
// test); "corvessa --check" and "--diff": what they print and their exit status.
#include <sys/stat.h>

#include "check/check.h"
#include "filetest.h"

namespace {

class MessagesTest : public FilesTest {};

// Channels 1 to n named "Kick".
std::string kicks(int n) {
  std::string s;
  for (int k = 1; k <= n; k++) s += std::to_string(k) + " Kick +\n";
  return s;
}

// A mix folder holding the given texts of faders.txt, tracks.txt and prefs.txt.
void mixFolder(const std::string &folder, const char *faders, const char *tracks, const char *prefs) {
  mkdir(folder.c_str(), 0755);
  WriteFile(folder + "/faders.txt", faders);
  WriteFile(folder + "/tracks.txt", tracks);
  WriteFile(folder + "/prefs.txt", prefs);
}

int diff(const std::string &a, const std::string &b, std::string &out) {
  const char *argv[] = {a.c_str(), b.c_str()};
  int status = 0;
  out = Printed([&] { status = DiffMixes(2, argv); });
  return status;
}

const char Faders[] = "Mix\n# a note\nsub\t2\t1\n\nt\t0\t0.000\t0\nv\t13\t-6.00\nend\n";
const char Tracks[] = "1 Kick +\n2 Hat off\nend\n";
const char Prefs[] = "pre\toff\npan\t3.0\nend\n";

}  // namespace

TEST_F(MessagesTest, EachKindNamesItsFileLineAndLine) {
  const struct { const char *file; std::string text; long line; const char *shown, *message; } cases[] = {
      {"faders.txt", "Mix\n\r\nsub\t9\t1\r\n", 3, "sub 9 1", "Submix number out of range!"},
      {"faders.txt", "Mix\nt\t0\t0\t0\nv\t3\tloud\tly\n", 3, "v 3 loud ly",
       "line 3 of faders.txt: \"loud ly\" is not a number; the \"v\" record is not read"},
      {"prefs.txt", "pre\ton\nstart\t1\t\t3\n", 2, "start 1  3",
       "line 2 of prefs.txt: a field is empty; the \"start\" record is not read"},
      {"tracks.txt", kicks(127) + "\n128 Snare +\n", 129, "128 Snare +",
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
  Recall("faders.txt", "Mix\nvocals are loud\nv is loud\n v 1 2\nt\t0\t0\t0\nv\t1\t-3 \n");
  Recall("prefs.txt", "pan the drums left\npre later\n");
  Recall("tracks.txt", "1 v +\n2 comp bus ++\n3 sub 1 off\nend\n");
  EXPECT_EQ(Listed(), "");
}

TEST_F(MessagesTest, DiffNamesEveryDifferenceWithBothValues) {
  mixFolder("a", Faders, Tracks, Prefs);
  mixFolder("b", "Mix\n# another note\nsub\t2\t1,5\n\nt\t0\t0.000\t0\nv\t13\t-4.00\nv\t14\t-4.00\nend\n",
            "1 Kick +\n2 Snare off\nend\n", "pre\toff\npan\t4.5\nend\n");
  std::string out;
  EXPECT_EQ(diff("a", "b", out), 1);
  EXPECT_EQ(out,
            "volume of channel 13 at time index 1: -6.00 -> -4.00\n"
            "volume of channel 14 at time index 1: 0.00 -> -4.00\n"
            "entry of channel 14 at time index 1: off -> on\n"
            "name of channel 2: \"Hat\" -> \"Snare\"\n"
            "submix 2 assignment of channel 5: off -> on\n"
            "Pan law: 3.0 -> 4.5\n"
            "removed line of faders.txt: \"# a note\"\n"
            "added line of faders.txt: \"# another note\"\n");
  // Two files of a kind; a missing one is trouble.
  EXPECT_EQ(diff("a/prefs.txt", "b/prefs.txt", out), 1);
  EXPECT_EQ(out, "Pan law: 3.0 -> 4.5\n");
  EXPECT_EQ(diff("a/faders.txt", "c/faders.txt", out), 2);
  // As git's external diff, configured as "corvessa --diff": the path, then the old and
  // the new file, each with its hash and mode; 0 also when they differ.
  const char *git[] = {"sub/faders.txt", "a/faders.txt", "1", "100644", "/dev/null", "0", "100644"};
  EXPECT_EQ(Printed([&] { EXPECT_EQ(DiffMixes(7, git), 0); }).substr(0, 102),
            "diff --corvessa a/sub/faders.txt b/sub/faders.txt\n"
            "volume of channel 13 at time index 1: -6.00 -> 0.00\n");
}
