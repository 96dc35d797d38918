// The keyword table and the lines a store carries over from the old file.
#include "testutil.h"

TEST(CheckForKey, ExactWordsOnly) {
  for (const char *k : {"hp", "comp", "t", "p", "v", "VCA:", "subname", "vcaname", "oname",
                        "outbits", "dither", "launch", "shape", "inc"})
    EXPECT_EQ(CheckForKey(k), 1) << k;
  for (const char *w : {"end", "G", "M", "", "Comp", "vca:", "comps", "co", "t ", "subnames"})
    EXPECT_EQ(CheckForKey(w), 0) << w;
}

TEST(ScrubEffects, KeepsForeignLinesAfterTheMixName) {
  ClearInternalArrays();
  CopyName(MixName, "New Name", sizeof MixName);
  std::string text =
      "old name\n# a note\r\ncomp\t1\t2\n\t\t\n\n\r\nendless\tcomp\n\tv\t1\n  \nrev\nend\tx\n"
      "after\n";
  ScrubEffects(text);
  EXPECT_EQ(text, "New Name\n# a note\nendless\tcomp\n\tv\t1\n  \n");

  // Any number of lines, of any length; a last line without a newline counts.
  std::string big = "name\n", want = "New Name\n", line(3000, 'a');
  for (int i = 0; i < 6000; i++) big += i % 1000 ? "v\t1\t0.00\n" : line + "\n";
  for (int i = 0; i < 6; i++) want += line + "\n";
  big += "last";
  ScrubEffects(big);
  EXPECT_EQ(big, want + "last\n");

  text = "";
  ScrubEffects(text);
  EXPECT_EQ(text, "New Name\n");
}

TEST(ScrubPrefs, KeepsOnlyForeignLines) {
  std::string text = "# my settings\npre\toff\ndevice\thw:1\nmy line\nend\nmixdir\tx\n";
  ScrubPrefs(text);
  EXPECT_EQ(text, "# my settings\nmy line\n");
}
