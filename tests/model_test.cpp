#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/model.h"

// A reset reaches every entry, the last ones included (the files show the rest).
TEST(Model, ResetSetsEveryEntry) {
  memset(Volume, 0x55, sizeof Volume), memset(Shape, 0x55, sizeof Shape);
  memset(NameBuffer, 'x', sizeof NameBuffer);
  ClearInternalArrays();
  for (int s = 0; s < NSLOTS; s++)
    ASSERT_EQ(NameBuffer[s], s == MASTER            ? "Master"
                             : s <= NCHANNELS       ? ""
                             : s < FIRST_VCA        ? "Submix " + std::to_string(s - FIRST_SUB + 1)
                                                    : "VCA " + std::to_string(s - FIRST_VCA + 1));
  for (int k = 0; k < NCUES; k++) ASSERT_EQ(IndexActiveArray[k], k == 0);
  for (int i = 0; i < NSLOTS * NCUES; i++) ASSERT_TRUE(Shape[i] == 1 && Volume[i] == 0) << i;
  EXPECT_STREQ(tbuffer, "Corvessa 1.065");
}
