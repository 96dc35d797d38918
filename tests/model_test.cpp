#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/model.h"

// Values that the start-up files and the window tests do not already show.
TEST(Model, ResetSetsEveryEntry) {
  memset(Volume, 0x55, sizeof Volume);
  memset(NameBuffer, 'x', sizeof NameBuffer);
  ClearInternalArrays();
  for (int s = 0; s < NSLOTS; s++) {
    std::string name = s == 0      ? "Master"
                       : s < 128   ? ""
                       : s < 136   ? "Submix " + std::to_string(s - 127)
                                   : "VCA " + std::to_string(s - 135);
    ASSERT_EQ(NameBuffer[s], name) << s;
  }
  EXPECT_STREQ(MixName, "MixFilename");
  EXPECT_STREQ(DeviceName, "default");
  for (int k = 0; k < NCUES; k++) ASSERT_EQ(IndexActiveArray[k], k == 0);
  for (int i = 0; i < NSLOTS * NCUES; i++) {
    ASSERT_EQ(Shape[i], 1.0f);
    ASSERT_EQ(Volume[i] + Offset[i] + Ramp[i] + ChanActive[i], 0);
  }
  EXPECT_STREQ(tbuffer, "Corvessa 1.065");
}

TEST(Model, EffectDefaultsOnEveryRow) {
  ClearInternalArrays();
  for (int s = 0; s < NSLOTS; s++) {
    const float *c = Pcomp + s * NGROUPS;
    ASSERT_TRUE(c[0] == 0 && c[2] == 10 && c[3] == 100 && c[4] == 1.5f) << s;
    ASSERT_TRUE(Php[s * NGROUPS + 1] == 100 && Php[s * NGROUPS + 2] == 0) << s;
    ASSERT_EQ(Pband2[s * NGROUPS + 1], 2500) << s;
    ASSERT_EQ(Phshelf[s * NGROUPS + 3], 1) << s;
  }
}

TEST(Model, CopyNameCutsAndReplacesSeparators) {
  const char *cases[][2] = {{"a\tb\nc\rd%s", "a b c d"},
                            {"", ""},
                            {"abcdef\xc3\xa9", "abcdef"},  // "é" would be cut in two
                            {"abcd\xc3\xa9xy", "abcd\xc3\xa9x"}};  // "é" fits whole
  for (auto &c : cases) {
    char row[8];
    CopyName(row, c[0], sizeof row);
    EXPECT_STREQ(row, c[1]);
  }
}
