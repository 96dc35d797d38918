// Hostile files: whatever faders.txt, prefs.txt and tracks.txt hold, a recall
// neither crashes nor writes outside the tables, and the next store keeps the
// lines of the user's own.
#include <unistd.h>

#include <functional>

#include "testutil.h"

namespace {

class HostileTest : public ConsoleTest {};

using namespace std::string_literals;

std::string missingFields() {
  std::string s;
  for (const char *k : FileKeywords) s += k + "\n"s + k + "\t1\n" + k + "\tG\n" + k + "\tM\t\n";
  return s + "1\n2 \n3 Name\n" + FileKeywords[0];  // and a keyword as the text's last bytes
}

std::string numbers() {
  std::string s = "t\t0\t0\t0\n";
  for (const char *n : {"nan", "inf", "-inf", "1e40", "-0", "-1e40", "0x1p99"})
    for (const char *k :
         {"v\t1\t",  "v\tM\t",    "ofs\t",    "rmp\t",  "shape\t", "p\t2\t",  "width\t",
          "inc\t",   "comp\t3\t", "rev\t4\t", "rtn\t",  "t\t",     "start\t", "pan\t",
          "color\t", "outbits\t", "dither\t", "play\t", "xin\t",   "head\t"})
      s += k + (n + "\t"s) + n + "\t" + n + "\t" + n + "\n";
  return s;
}

std::string slots() {
  std::string s = "t\t0\t0\t0\n";
  for (const char *n :
       {"0", "-1", "136", "144", "2147483648", "-2147483649", "99999999999999999999"})
    for (const char *k : {"comp\t", "comp\tG\t", "p\t", "p\tG\t", "rev\t", "trev\tG\t", "v\t",
                          "v\tG\t", "vca\t", "submu\t", "subso\t", "sub\t", "subname\t", "VCA:\t",
                          "vcaname\t", "sub\t1\t1,", "VCA:\t8\t"})
      s += k + (n + "\t1\t1\t1\t1\n"s);
  for (const char *n : {"0", "-1", "136", "2147483648"}) s += n + " Name +\n"s;
  return s;
}

std::string longNames() {
  std::string name(200, 'n'), longer(300, 'l');
  return "subname\t1\t" + name + "\nvcaname\t8\t" + name + "\ncue\t" + name + "\nt\t0\t0\t0\n" +
         "path\t" + longer + "\noname\t" + name + "\ndevice\t" + name + "\nlaunch\t" + longer +
         "\n1 " + name + " +\n2 " + name + " " + name + " off\n";
}

struct Case {
  const char *what;
  std::string text;
  std::function<void()> check;  // what this input must do besides
};

// The model holds only what it can: flags 0 or 1, texts ended inside their rows.
void expectSaneModel() {
  for (const Table &t : {Table(ChanActive), Table(IndexActiveArray), Table(MuteArray),
                         Table(SoloArray), Table(SubAsn), Table(VcaAsn)})
    for (size_t i = 0; i < t.n / sizeof(int); i++) ASSERT_EQ(((const int *)t.p)[i] & ~1, 0) << i;
  for (const char *t : CueNameBuffer) ASSERT_LT(strnlen(t, 64), 64u);
  for (const char *t : NameBuffer) ASSERT_LT(strnlen(t, 128), 128u);
  for (const char *t : {Path, WavDirName, MixDirName, LaunchCommand}) ASSERT_LT(strnlen(t, 256), 256u);
  ASSERT_LT(strnlen(MixName, 128), 128u);
  ASSERT_LT(strnlen(DeviceName, 32), 32u);
  ASSERT_LE(color, 255);
}

TEST_F(HostileTest, NoInputCrashesOrLosesTheUsersLines) {
  const Case cases[] = {
      {"NUL bytes", "t\t0\t0\t0\nv\t3\0junk\t-6\ncomp\0x\t5\t1\t2\t3\t4\nmono\0\n\0\n"s,
       [] {
         // A NUL is an ordinary character: it ends no field, and a first field
         // holding one is no keyword, so that line is the user's and is kept.
         EXPECT_EQ(Volume[3 * NCUES], -6.0f);
         EXPECT_EQ(Pcomp[5 * 8], 0.0f);
         EXPECT_EQ(monoOn, 0);
         SaveAll();
         EXPECT_NE(ReadFile("faders.txt").find("\ncomp\0x\t5\t1\t2\t3\t4\nmono\0\n\0\n"s),
                   std::string::npos);
         EXPECT_NE(ReadFile("prefs.txt").find("\ncomp\0x\t5\t1\t2\t3\t4\nmono\0\n\0\n"s),
                   std::string::npos);
       }},
      {"invalid UTF-8",
       "\xff\xfe\xc3(\nsubname\t1\t\xc3\ncue\t\xe2\x82\nt\t0\t0\t0\noname\t\xc0\xaf\n1 "
       "\xed\xa0\x80 +\n",
       [] { EXPECT_STREQ(NameBuffer[128], "\xc3"); }},
      {"a 10 MiB line", std::string(10 << 20, 'x') + "\n", nullptr},
      {"a million empty lines", std::string(1 << 20, '\n') + "p\t1\t7\n",
       [] { EXPECT_EQ(Pan[1], 7.0f); }},
      {"records with missing fields", missingFields(), nullptr},
      {"numbers nan, inf, 1e40, -0", numbers(), nullptr},
      {"slot numbers out of range", slots(), nullptr},
      {"names of 200 characters", longNames(),
       [] {
         EXPECT_EQ(strlen(NameBuffer[128]), 127u);
         EXPECT_EQ(strlen(CueNameBuffer[0]), 63u);
         EXPECT_EQ(strlen(Path), 255u);
       }},
      {"a file cut mid-record", "t\t1\t2", nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    ClearInternalArrays();
    WriteFile("faders.txt", "Hostile\n# mine\n" + c.text);
    WriteFile("prefs.txt", "# mine\n" + c.text);
    WriteFile("tracks.txt", c.text);
    Printed(RecallAll);
    expectSaneModel();
    if (c.check) c.check();
    SaveAll();
    EXPECT_EQ(Status(), "Save Complete");
    for (const char *name : {"faders.txt", "prefs.txt"}) {
      std::string text = "\n" + ReadFile(name);
      EXPECT_NE(text.find("\n# mine\n"), std::string::npos) << name;
    }
  }
}

TEST_F(HostileTest, AFileJustOverTheSizeLimitIsNeitherReadNorReplaced) {
  for (const char *name : {"faders.txt", "prefs.txt", "tracks.txt"}) {
    WriteFile(name, "# mine\n");
    ASSERT_EQ(truncate(name, MaxFileSize + 1), 0);
  }
  CopyName(NameBuffer[1], "Kick", 128);
  RecallAll();
  EXPECT_STREQ(NameBuffer[1], "Kick");
  EXPECT_STREQ(MixName, "MixFilename");
  SaveAll();
  EXPECT_NE(Status(), "Save Complete");
  struct stat st;
  for (const char *name : {"faders.txt", "prefs.txt"}) {
    ASSERT_EQ(stat(name, &st), 0);
    EXPECT_EQ((size_t)st.st_size, MaxFileSize + 1) << name;
  }
  EXPECT_EQ(ReadFile("tracks.txt"), "1 Kick +\nend\n");  // keeps nothing of the old one
}

}  // namespace
