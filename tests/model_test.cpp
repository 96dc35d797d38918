// The model's reset and how a name takes a text.
#include "filetest.h"

// A reset reaches every entry, the last ones included (the files show the rest).
TEST(Model, ResetSetsEveryEntry) {
  memset(Volume, 0x55, sizeof Volume), memset(Shape, 0x55, sizeof Shape), memset(NameBuffer, 'x', sizeof NameBuffer);
  ClearInternalArrays();
  EXPECT_TRUE(NameBuffer[1][0] == 0 && NameBuffer[NCHANNELS][0] == 0);
  EXPECT_STREQ(NameBuffer[NSLOTS - 1], "VCA 8");
  for (int k = 0; k < NCUES; k++) ASSERT_EQ(IndexActiveArray[k], k == 0);
  for (int i = 0; i < NSLOTS * NCUES; i++) ASSERT_TRUE(Shape[i] == 1 && Volume[i] == 0) << i;
}

// Verbatim, with blanks for the characters that would break a record, cut at a
// whole UTF-8 character.
TEST(Model, CopyName) {
  const std::string x300(300, 'x'), x61(61, 'x'), x62(62, 'x');
  const struct { std::string typed; int size; std::string stored; } cases[] = {
      {"100% %s %n", 128, "100% %s %n"},
      {"Bass\tDI\nleft\r", 128, "Bass DI left "},
      {x300, 128, std::string(127, 'x')},
      {x62 + "\xC3\xA4\xC3\xA4", 64, x62},
      {x61 + "\xC3\xA4\xC3\xA4", 64, x61 + "\xC3\xA4"}};
  for (auto &c : cases) {
    char row[128];
    CopyName(row, c.typed.c_str(), c.size);
    EXPECT_EQ(row, c.stored);
  }
}
