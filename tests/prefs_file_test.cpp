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

TEST_F(PrefsFileTest, WritesRecordsUnderTheirConditions) {
  EXPECT_EQ(written(), startUp + "end\n");
  EXPECT_EQ(Status(), "Wrote " + std::to_string(startUp.size() + 4) + " bytes to prefs.txt");
  EXPECT_EQ(written(), startUp + "end\n");

  readFrom("pre\ton\nstart\t1\t2.5\t250\nlength\t30\nxin\t0\t0\t1\nxout\t2\t0\t0\nhead\t0.5\n"
           "tail\t1.25\npath\t/opt/t4/\nwavdir\t/my wavs\nmixdir\tm\npan\t6\noutbits\t16.9\n"
           "mono\ncolor\t4\nlaunch\tplay -q\t--now\r\ndither\t0\n");
  const char *all =
      "pre\ton\nstart\t1.000\t2.500\t250\nlength\t30.000\nxin\t0.000\t0.000\t1.000\n"
      "xout\t2.000\t0.000\t0.000\nhead\t0.500\ntail\t1.250\npath\t/opt/t4/\nmixdir\tm\n"
      "wavdir\t/my wavs\npan\t6.0\noutbits\t16\ndither\t0\nmono\ncolor\t4\nlaunch\tplay -q --now\nend\n";
  EXPECT_EQ(written(), all);
  ClearInternalArrays();
  ReadPreferencesFile();
  EXPECT_EQ(written(), all);

  // One-character path and command, pan law 0 and 6.2 are left out; 6.1 read passes.
  strcpy(Path, "/");
  strcpy(LaunchCommand, "x");
  PanlawStore = 0;
  EXPECT_EQ(written(), "pre\ton\nstart\t1.000\t2.500\t250\nlength\t30.000\nxin\t0.000\t0.000\t1.000\n"
                      "xout\t2.000\t0.000\t0.000\nhead\t0.500\ntail\t1.250\nmixdir\tm\n"
                      "wavdir\t/my wavs\noutbits\t16\ndither\t0\nmono\ncolor\t4\nend\n");
  readFrom("pan\t6.2\n");
  EXPECT_EQ(written().find("pan"), std::string::npos);
  readFrom("pan\t6.1\n");
  EXPECT_NE(written().find("\npan\t6.1\n"), std::string::npos);
}

TEST_F(PrefsFileTest, KeepsLinesItDoesNotOwn) {
  WriteFile("prefs.txt", "# my notes\r\npre\ton\nrig\tmono\ndevice\thw:1\n\nlast\tline\nend\nafter\n");
  Known("prefs.txt");
  std::string want = startUp + "# my notes\nrig\tmono\nlast\tline\nend\n";
  EXPECT_EQ(written(), want);
  EXPECT_EQ(written(), want);
  std::string longLine(20000, 'x');
  WriteFile("prefs.txt", longLine + "\nend\n");
  Known("prefs.txt");
  EXPECT_EQ(written(), startUp + longLine + "\nend\n");
}

TEST_F(PrefsFileTest, ReaderTakesRecordsAtLineStarts) {
  monoOn = 1;
  PreviewOn = 1;
  std::string text =
      "oname\tFinal Mix\ndevice\t" + std::string(40, 'd') + "\nplay\t99999999999\npre\tmaybe\n"
      "start\tsoon\t2x\t 3\nrig\tmono\nlaunch\tdither\nnote\tend\ncolor\t300\nend\ndither\t5\n";
  readFrom(text);
  EXPECT_EQ(Status(), "Read " + std::to_string(text.size()) + " bytes from prefs.txt");
  EXPECT_STREQ(MixName, "Final Mix");
  EXPECT_EQ(DeviceName, std::string(31, 'd'));  // cut to fit
  EXPECT_EQ(PlayMode, 2147483647);
  EXPECT_EQ(PreviewOn, 1);  // neither on nor off
  EXPECT_EQ(Row(PreviewArray, 3), Floats({0, 2, 3}));
  EXPECT_EQ(monoOn, 1);  // no file clears it
  EXPECT_STREQ(LaunchCommand, "dither");
  EXPECT_EQ(DitherBits, 1);  // after the end line
  EXPECT_EQ(color, 255);     // clamped by the refresh
  EXPECT_NE(written().find("\ncolor\t255\n"), std::string::npos);

  monoOn = 0;
  strcpy(Path, "/keep/");
  readFrom("rig\tmono\npath\ncolor\t \ndither");  // keywords without values change nothing
  EXPECT_EQ(monoOn, 0);
  EXPECT_STREQ(Path, "/keep/");
  EXPECT_EQ(color, 255);
  EXPECT_EQ(DitherBits, 1);
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

