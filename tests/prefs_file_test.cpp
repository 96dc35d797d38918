// prefs.txt as text: the records the writer leaves out, the lines it keeps, and the reader.
#include "filetest.h"

using PrefsFileTest = FilesTest;

static const std::string startUp =
    "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\npan\t3.0\noutbits\t24\ndither\t1\ncolor\t97\n";

// Every record written and read back: the whole-mix test.
TEST_F(PrefsFileTest, WritesRecordsUnderTheirConditionsAndKeepsOtherLines) {
  EXPECT_EQ(PrefsText(""), startUp + "end\n");
  // One-character path and command, pan law 0 and 6.2 are left out; 6.1 read passes;
  // a kept line break and tab in the command are spaces, a fraction of bits is cut.
  ReadPrefsText("path\t/\nlaunch\tx\noutbits\t16.9\n");
  PanlawStore = 0;
  EXPECT_EQ(PrefsText(""), "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\noutbits\t16\ndither\t1\ncolor\t97\nend\n");
  ReadPrefsText("pan\t6.2\nlaunch\tplay -q\t--now\r\n");
  EXPECT_EQ(PrefsText(""), "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\noutbits\t16\ndither\t1\ncolor\t97\n"
                           "launch\tplay -q --now\nend\n");
  ReadPrefsText("pan\t6.1\n");
  EXPECT_NE(PrefsText("").find("\npan\t6.1\n"), std::string::npos);

  // Lines that are not records are kept, before the end line, store after store.
  StartUpModel();
  const std::string want = startUp + "# my notes\nrig\tmono\nlast\tline\nend\n";
  EXPECT_EQ(PrefsText("# my notes\r\npre\ton\nrig\tmono\ndevice\thw:1\n\nlast\tline\nend\nafter\n"), want);
  EXPECT_EQ(PrefsText(want), want);
}

TEST_F(PrefsFileTest, ReaderTakesRecordsAtLineStarts) {
  monoOn = PreviewOn = 1;
  ReadPrefsText("oname\tFinal Mix\ndevice\t" + std::string(40, 'd') +
           "\npre\tmaybe\nstart\tsoon\t2x\t 3\nrig\tmono\nlaunch\tdither\nnote\tend\ncolor\t300\nend\ndither\t5\n");
  EXPECT_STREQ(MixName, "Final Mix");
  EXPECT_EQ(DeviceName, std::string(31, 'd'));  // cut to fit
  // "pre maybe" is neither on nor off, no file clears mono, dither is after the end
  // line; the colour is clamped by the window's refresh, not by the reader.
  EXPECT_EQ(Ints({PreviewOn, monoOn, DitherBits, color}), Ints({1, 1, 1, 300}));
  EXPECT_EQ(Row(PreviewArray, 3), Floats({0, 0, 0}));  // a value that is no number takes its record
  EXPECT_STREQ(LaunchCommand, "dither");
}
