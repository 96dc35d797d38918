// prefs.txt: the writer's bytes, the lines it keeps, the reader; and both readers of
// the settings files on a missing or unreadable file.
#include "testutil.h"

namespace {

class PrefsFileTest : public ConsoleTest {};

const std::string startUp =
    "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\npan\t3.0\noutbits\t24\ndither\t1\ncolor\t97\n";

std::string written() {
  WritePreferencesFile();
  return ReadFile("prefs.txt");
}

void readFrom(const std::string &text) {
  WriteFile("prefs.txt", text);
  ReadPreferencesFile();
}

}  // namespace

// Every record written and read back: the whole-mix test.
TEST_F(PrefsFileTest, WritesRecordsUnderTheirConditions) {
  EXPECT_EQ(written(), startUp + "end\n");
  EXPECT_EQ(Status(), "Wrote " + std::to_string(startUp.size() + 4) + " bytes to prefs.txt");
  // One-character path and command, pan law 0 and 6.2 are left out; 6.1 read passes;
  // a kept line break and tab in the command are spaces, a fraction of bits is cut.
  readFrom("path\t/\nlaunch\tx\noutbits\t16.9\n");
  PanlawStore = 0;
  EXPECT_EQ(written(), "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\noutbits\t16\ndither\t1\ncolor\t97\nend\n");
  readFrom("pan\t6.2\nlaunch\tplay -q\t--now\r\n");
  EXPECT_EQ(written().find("pan"), std::string::npos);
  EXPECT_NE(written().find("\nlaunch\tplay -q --now\n"), std::string::npos);
  readFrom("pan\t6.1\n");
  EXPECT_NE(written().find("\npan\t6.1\n"), std::string::npos);
}

TEST_F(PrefsFileTest, KeepsLinesItDoesNotOwn) {
  WriteFile("prefs.txt", "# my notes\r\npre\ton\nrig\tmono\ndevice\thw:1\n\nlast\tline\nend\nafter\n");
  Known("prefs.txt");
  const std::string want = startUp + "# my notes\nrig\tmono\nlast\tline\nend\n";
  EXPECT_EQ(written(), want);
  EXPECT_EQ(written(), want);
}

TEST_F(PrefsFileTest, ReaderTakesRecordsAtLineStarts) {
  monoOn = PreviewOn = 1;
  std::string text =
      "oname\tFinal Mix\ndevice\t" + std::string(40, 'd') + "\npre\tmaybe\n"
      "start\tsoon\t2x\t 3\nrig\tmono\nlaunch\tdither\nnote\tend\ncolor\t300\nend\ndither\t5\n";
  readFrom(text);
  EXPECT_EQ(Status(), "Read " + std::to_string(text.size()) + " bytes from prefs.txt");
  EXPECT_STREQ(MixName, "Final Mix");
  EXPECT_EQ(DeviceName, std::string(31, 'd'));  // cut to fit
  // "pre maybe" is neither on nor off, no file clears mono, dither is after the end
  // line, the colour is clamped by the refresh.
  EXPECT_EQ(Ints({PreviewOn, monoOn, DitherBits, color}), Ints({1, 1, 1, 255}));
  EXPECT_EQ(Row(PreviewArray, 3), Floats({0, 2, 3}));
  EXPECT_STREQ(LaunchCommand, "dither");
  EXPECT_NE(written().find("\ncolor\t255\n"), std::string::npos);

  monoOn = 0;
  strcpy(Path, "/keep/");
  readFrom("rig\tmono\npath\ncolor\t \ndither");  // keywords without values change nothing
  EXPECT_EQ(Ints({monoOn, color, DitherBits}), Ints({0, 255, 1}));
  EXPECT_STREQ(Path, "/keep/");
}

TEST_F(PrefsFileTest, MissingOrUnreadableFilesChangeNothing) {
  const struct { const char *name; void (*read)(); } files[] = {
      {"prefs.txt", ReadPreferencesFile}, {"tracks.txt", ReadTracksFile}};
  strcpy(NameBuffer[1], "Kick");
  for (auto &f : files) {
    SetStatus("kept");
    f.read();
    EXPECT_EQ(Status(), "kept");
    mkdir(f.name, 0755);
    f.read();
    EXPECT_EQ(Status(), std::string("Could not read ") + f.name);
  }
  EXPECT_STREQ(NameBuffer[1], "Kick");
}

