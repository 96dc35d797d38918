// prefs.txt: the writer's bytes, the lines it keeps, the reader, and failed stores.
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>

#include <clocale>
#include <cstring>
#include <dirent.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/app.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "testutil.h"

namespace {

class PrefsFileTest : public ConsoleTest {
  // Head, tail and colour keep their values across a model reset.
  void SetUp() override {
    ConsoleTest::SetUp();
    HeadTailArray[0] = HeadTailArray[1] = 0;
    color = 97;
  }
};

const char *const startUp =
    "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\npan\t3.0\noutbits\t24\ndither\t1\ncolor\t97\n";

std::string written() {
  WritePreferencesFile();
  return ReadFile("prefs.txt");
}

void readFrom(const std::string &text) {
  WriteFile("prefs.txt", text);
  ReadPreferencesFile();
}

std::set<std::string> entries() {
  std::set<std::string> names;
  DIR *d = opendir(".");
  while (dirent *e = readdir(d))
    if (strcmp(e->d_name, ".") && strcmp(e->d_name, "..")) names.insert(e->d_name);
  closedir(d);
  return names;
}

}  // namespace

TEST_F(PrefsFileTest, StartUpModel) {
  std::string want = std::string(startUp) + "end\n";
  EXPECT_EQ(written(), want);
  EXPECT_EQ(Status(), "Wrote " + std::to_string(want.size()) + " bytes to prefs.txt");
  EXPECT_EQ(written(), want);  // twice: the same file
}

TEST_F(PrefsFileTest, EveryRecordInOrder) {
  PreviewOn = 1;
  float preview[] = {1, 2.5f, 250, 30};
  memcpy(PreviewArray, preview, sizeof preview);
  XinArray[2] = 1;
  XoutArray[0] = 2;
  HeadTailArray[0] = 0.5f;
  HeadTailArray[1] = 1.25f;
  strcpy(Path, "/opt/t4/");
  strcpy(MixDirName, "m");
  strcpy(WavDirName, "/wav");
  PanlawStore = 6;
  OutbitsStore = 16;
  DitherBits = 0;
  monoOn = 1;
  color = 4;
  strcpy(LaunchCommand, "aplay -q");
  EXPECT_EQ(written(),
            "pre\ton\nstart\t1.000\t2.500\t250\nlength\t30.000\n"
            "xin\t0.000\t0.000\t1.000\nxout\t2.000\t0.000\t0.000\nhead\t0.500\ntail\t1.250\n"
            "path\t/opt/t4/\nmixdir\tm\nwavdir\t/wav\npan\t6.0\noutbits\t16\ndither\t0\nmono\n"
            "color\t4\nlaunch\taplay -q\nend\n");
}

TEST_F(PrefsFileTest, ThresholdsLeaveRecordsOut) {
  strcpy(Path, "/");          // one character: not written
  strcpy(LaunchCommand, "x");  // likewise
  PanlawStore = 0;
  EXPECT_EQ(written(), "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\noutbits\t24\ndither\t1\n"
                       "color\t97\nend\n");

  // Pan law bounds: 6.2 can only come from a file; 6.1 read from a file passes.
  PanlawStore = 3;
  readFrom("pan\t6.2\n");
  EXPECT_EQ(written().find("pan\t"), std::string::npos);
  readFrom("pan\t6.1\n");
  EXPECT_NE(written().find("\npan\t6.1\n"), std::string::npos);
  PanlawStore = -1;
  EXPECT_EQ(written().find("pan\t"), std::string::npos);
}

TEST_F(PrefsFileTest, KeepsLinesItDoesNotOwn) {
  WriteFile("prefs.txt",
            "# my notes\r\npre\ton\nrig\tmono\ndevice\thw:1\noname\tOld\n\nlast\tline\nend\n"
            "after\tend\n");
  std::string want = std::string(startUp) + "# my notes\nrig\tmono\nlast\tline\nend\n";
  EXPECT_EQ(written(), want);
  EXPECT_EQ(written(), want);
  EXPECT_STREQ(DeviceName, "default");  // never read, so its value is gone
  EXPECT_EQ(monoOn, 0);

  std::string longLine(20000, 'x');
  WriteFile("prefs.txt", longLine + "\nend\n");
  EXPECT_EQ(written(), std::string(startUp) + longLine + "\nend\n");
}

TEST_F(PrefsFileTest, ReadsEveryKeyword) {
  std::string text =
      "pre\ton\nstart\t1\t2.5\t250\nlength\t30\nxin\t1\t2\t3\nxout\t4\t5\t6\r\nhead\t0.25\n"
      "tail\t0.75\npath\t/opt/t4/\nwavdir\t/my wavs\nmixdir\t/mix\noname\tFinal Mix\n"
      "pan\t4.5\noutbits\t16.9\ndevice\thw:1,0\nplay\t2\nmono\ncolor\t12\n"
      "launch\tplay -q\t--now\r\ndither\t3\n";
  readFrom(text);
  EXPECT_EQ(Status(), "Read " + std::to_string(text.size()) + " bytes from prefs.txt");
  EXPECT_EQ(PreviewOn, 1);
  float preview[] = {1, 2.5f, 250, 30}, xin[] = {1, 2, 3}, xout[] = {4, 5, 6};
  for (int i = 0; i < 4; i++) EXPECT_EQ(PreviewArray[i], preview[i]);
  for (int i = 0; i < 3; i++) EXPECT_EQ(XinArray[i], xin[i]);
  for (int i = 0; i < 3; i++) EXPECT_EQ(XoutArray[i], xout[i]);
  EXPECT_EQ(HeadTailArray[0], 0.25f);
  EXPECT_EQ(HeadTailArray[1], 0.75f);
  EXPECT_STREQ(Path, "/opt/t4/");
  EXPECT_STREQ(WavDirName, "/my wavs");
  EXPECT_STREQ(MixDirName, "/mix");
  EXPECT_STREQ(MixName, "Final Mix");
  EXPECT_EQ(PanlawStore, 4.5f);
  EXPECT_EQ(OutbitsStore, 16);
  EXPECT_STREQ(DeviceName, "hw:1,0");
  EXPECT_EQ(PlayMode, 2);
  EXPECT_EQ(monoOn, 1);
  EXPECT_EQ(color, 12);
  EXPECT_STREQ(LaunchCommand, "play -q --now");
  EXPECT_EQ(DitherBits, 3);
  // ...and the window shows them.
  EXPECT_TRUE(PreOn->value());
  EXPECT_STREQ(PathDisplay->value(), "/opt/t4/");

  // Read back, the program's own file gives the same model and the same bytes.
  std::string first = written();
  ClearInternalArrays();
  ReadPreferencesFile();
  EXPECT_EQ(written(), first);
}

TEST_F(PrefsFileTest, ValuesTheReaderRefusesOrLeaves) {
  monoOn = 1;
  PreviewOn = 1;
  color = 300;
  readFrom("pre\tmaybe\nstart\tsoon\t2x\t 3\nplay\t99999999999\n");
  EXPECT_EQ(PreviewOn, 1);  // neither on nor off
  EXPECT_EQ(PreviewArray[0], 0);
  EXPECT_EQ(PreviewArray[1], 2);
  EXPECT_EQ(PreviewArray[2], 3);
  EXPECT_EQ(PlayMode, 2147483647);
  EXPECT_EQ(monoOn, 1);  // no file can clear it

  readFrom("color\t300\n");
  EXPECT_EQ(color, 255);  // clamped by the refresh
  EXPECT_NE(written().find("\ncolor\t255\n"), std::string::npos);

  // Text longer than its row is cut to fit.
  readFrom("device\t" + std::string(100, 'd') + "\n");
  EXPECT_EQ(strlen(DeviceName), 31u);
}

TEST_F(PrefsFileTest, RecordsOnlyAtALineStart) {
  readFrom("rig\tmono\nlaunch\tdither\nnote\tend\npath\tend\nx\tpre\ton\npre\ton\n");
  EXPECT_EQ(monoOn, 0);
  EXPECT_STREQ(LaunchCommand, "dither");
  EXPECT_EQ(DitherBits, 1);
  EXPECT_STREQ(Path, "end");
  EXPECT_EQ(PreviewOn, 1);  // read past the "end" that was not first

  // An early end line ends the reading; a keyword without a value changes nothing.
  readFrom("color\t5\nend\ncolor\t6\n");
  EXPECT_EQ(color, 5);
  readFrom("path\ncolor\t \ndither");
  EXPECT_STREQ(Path, "end");
  EXPECT_EQ(color, 5);
  EXPECT_EQ(DitherBits, 1);
}

TEST_F(PrefsFileTest, MissingOrUnreadableFileChangesNothing) {
  SetStatus("kept");
  color = 12;
  ReadPreferencesFile();
  EXPECT_EQ(Status(), "kept");
  EXPECT_EQ(color, 12);
  EXPECT_FALSE(FileExists("prefs.txt"));

  mkdir("prefs.txt", 0755);
  ReadPreferencesFile();
  EXPECT_EQ(Status(), "Could not read prefs.txt");
  EXPECT_EQ(color, 12);
}

TEST_F(PrefsFileTest, DecimalPointWhateverTheLocale) {
  if (!setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
  PanlawStore = 4.5f;
  std::string text = written();
  readFrom("head\t0.25\n");
  setlocale(LC_ALL, "C");
  EXPECT_NE(text.find("\npan\t4.5\n"), std::string::npos);
  EXPECT_EQ(HeadTailArray[0], 0.25f);
}

TEST_F(PrefsFileTest, LongPathsWholeBothWays) {
  std::string path = "/" + std::string(253, 'p') + "/";
  strcpy(Path, path.c_str());
  strcpy(LaunchCommand, std::string(255, 'l').c_str());
  WritePreferencesFile();
  ClearInternalArrays();
  ReadPreferencesFile();
  EXPECT_EQ(Path, path);
  EXPECT_EQ(LaunchCommand, std::string(255, 'l'));
}

TEST_F(PrefsFileTest, AFailedStoreKeepsTheOldFile) {
  // A directory where the file should be.
  mkdir("prefs.txt", 0755);
  WriteFile("prefs.txt/inside", "mine");
  WritePreferencesFile();
  EXPECT_NE(Status().find("prefs.txt"), std::string::npos) << Status();
  EXPECT_EQ(ReadFile("prefs.txt/inside"), "mine");
  EXPECT_EQ(entries(), std::set<std::string>{"prefs.txt"});
  ASSERT_EQ(system("rm -rf prefs.txt"), 0);

  // A short write: the file-size limit stops the new text half way.
  std::string old = "mine\tkeep\n" + std::string(startUp) + "end\n";
  WriteFile("prefs.txt", old);
  PreviewOn = 1;
  ClearStoreError();
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 20;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  WritePreferencesFile();
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(ReadFile("prefs.txt"), old);
  EXPECT_EQ(entries(), std::set<std::string>{"prefs.txt"});
  EXPECT_NE(std::string(StoreError).find("prefs.txt"), std::string::npos) << StoreError;
  EXPECT_EQ(Status(), StoreError);
}

TEST_F(PrefsFileTest, StoreAllKeepsTheFailure) {
  mkdir("prefs.txt", 0755);
  SaveAll();
  EXPECT_NE(Status().find("prefs.txt"), std::string::npos) << Status();
  EXPECT_EQ(Status().find("Save Complete"), std::string::npos);
  EXPECT_EQ(ReadFile("tracks.txt"), "1 ---- off\nend\n");  // the other stores still ran
}
