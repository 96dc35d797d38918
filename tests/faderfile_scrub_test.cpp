// The keyword table and the lines a store carries over from the old file.
#include "filetest.h"

TEST(CheckForKey, ExactWordsOnly) {
  for (const char *k : {"t", "VCA:", "subname", "launch"}) EXPECT_EQ(CheckForKey(k), 1) << k;
  for (const char *w : {"end", "G", "M", "", "Comp", "vca:", "comps", "co", "t ", "subnames"})
    EXPECT_EQ(CheckForKey(w), 0) << w;
}

// Which lines a store keeps is tested through the store; here: any number of lines,
// of any length, and a last line without a newline.
TEST(ScrubEffects, KeepsManyLongLines) {
  ClearInternalArrays();
  CopyName(MixName, "New Name", sizeof MixName);
  std::string big = "name\n", want = "New Name\n", line(3000, 'a');
  for (int i = 0; i < 6000; i++) big += i % 1000 ? "v\t1\t0.00\n" : line + "\n";
  for (int i = 0; i < 6; i++) want += line + "\n";
  big += "last";
  ScrubEffects(big);
  EXPECT_EQ(big, want + "last\n");
}
