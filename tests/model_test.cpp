#include <gtest/gtest.h>

#include <cstring>

#include "model/model.h"

TEST(Model, DefaultsAfterReset) {
  memset(Volume, 0x55, sizeof Volume);
  ClearInternalArrays();
  EXPECT_STREQ(NameBuffer[0], "Master");
  EXPECT_STREQ(NameBuffer[1], "");
  EXPECT_STREQ(NameBuffer[127], "");
  EXPECT_STREQ(NameBuffer[128], "Submix 1");
  EXPECT_STREQ(NameBuffer[135], "Submix 8");
  EXPECT_STREQ(NameBuffer[136], "VCA 1");
  EXPECT_STREQ(NameBuffer[143], "VCA 8");
  EXPECT_STREQ(MixName, "MixFilename");
  EXPECT_STREQ(DeviceName, "default");
  EXPECT_EQ(IndexActiveArray[0], 1);
  for (int k = 1; k < NCUES; k++) ASSERT_EQ(IndexActiveArray[k], 0);
  for (int i = 0; i < NSLOTS * NCUES; i++) {
    ASSERT_EQ(Shape[i], 1.0f);
    ASSERT_EQ(Volume[i] + Offset[i] + Ramp[i] + ChanActive[i], 0);
  }
  EXPECT_EQ(Prtn[1], 150);
  EXPECT_EQ(Ptrtn[2], 5);
  EXPECT_EQ(Prlp[1], 7000);
  EXPECT_EQ(Prev_width, 50);
  EXPECT_EQ(Prev_position[2], 43);
  EXPECT_EQ(OutbitsStore, 24);
  EXPECT_EQ(PanlawStore, 3.0f);
  EXPECT_EQ(DitherBits, 1);
  EXPECT_EQ(color, 97);
  EXPECT_EQ(CNL, 1);
  EXPECT_STREQ(tbuffer, "Corvessa 1.065");
}

TEST(Model, EffectDefaultsOnEveryRow) {
  ClearInternalArrays();
  for (int s = 0; s < NSLOTS; s++) {
    const float *c = Pcomp + s * NGROUPS;
    ASSERT_EQ(c[0], 0);
    ASSERT_EQ(c[2], 10);
    ASSERT_EQ(c[3], 100);
    ASSERT_EQ(c[4], 1.5f);
    ASSERT_EQ(Php[s * NGROUPS + 1], 100);
    ASSERT_EQ(Pband2[s * NGROUPS + 1], 2500);
    ASSERT_EQ(Phshelf[s * NGROUPS + 3], 1);
    ASSERT_EQ(Php[s * NGROUPS + 2], 0);
  }
}

TEST(Model, CopyNameCutsAndReplacesSeparators) {
  char row[8];
  CopyName(row, "a\tb\nc\rd%s", sizeof row);
  EXPECT_STREQ(row, "a b c d");
  CopyName(row, "", sizeof row);
  EXPECT_STREQ(row, "");
  CopyName(row, "abcdef\xc3\xa9", sizeof row);  // "é" would be cut in two
  EXPECT_STREQ(row, "abcdef");
  CopyName(row, "abcd\xc3\xa9xy", sizeof row);  // "é" fits whole
  EXPECT_STREQ(row, "abcd\xc3\xa9x");
}
