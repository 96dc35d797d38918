// "corvessa --check" and "--diff": what they print and their exit status.
#include <sys/stat.h>

#include "check/check.h"
#include "filetest.h"

namespace {

class CheckTest : public FilesTest {};

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

TEST_F(CheckTest, ListsWhatARecallSays) {
  mixFolder("clean", Faders, Tracks, Prefs);
  EXPECT_EQ(CheckFolder("clean"), 0);
  mixFolder("bad", "Mix\nt\t0\t0\t0\nv\t3\tloud\nv\t200\t-1\n", Tracks, Prefs);
  int status = -1;
  EXPECT_EQ(Printed([&] { status = CheckFolder("bad/"); }),
            "bad/faders.txt:3: line 3 of faders.txt: \"loud\" is not a number; the \"v\" record reads it as 0\n"
            "bad/faders.txt:4: >>Channel number out of range or not specified!\n");
  EXPECT_EQ(status, 1);
  mkdir("empty", 0755);
  EXPECT_EQ(CheckFolder("empty"), 2);
}

TEST_F(CheckTest, DiffNamesEveryDifferenceWithBothValues) {
  mixFolder("a", Faders, Tracks, Prefs);
  mixFolder("same", Faders, Tracks, Prefs);
  mixFolder("b", "Mix\n# another note\nsub\t2\t1,5\n\nt\t0\t0.000\t0\nv\t13\t-4.00\nv\t14\t-4.00\nend\n",
            "1 Kick +\n2 Snare off\nend\n", "pre\toff\npan\t4.5\nend\n");
  std::string out;
  EXPECT_EQ(diff("a", "same", out), 0);
  EXPECT_EQ(out, "");
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
