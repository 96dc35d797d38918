// tracks.txt: which channels the writer lists and how, and what the reader takes
// from a file (a missing or unreadable one: with prefs.txt).
#include "testutil.h"

namespace {

class TracksTest : public ConsoleTest {};

void name(int c, const char *text) { strcpy(NameBuffer[c], text); }

std::string written() {
  WriteTracksFile();
  return ReadFile("tracks.txt");
}

void readFrom(const std::string &text) {
  WriteFile("tracks.txt", text);
  ReadTracksFile();
}

}  // namespace

TEST_F(TracksTest, WritesUpToTheLastNamedUnmutedChannel) {
  name(1, "Kick");
  name(3, "Snare");
  MuteArray[3] = 1;
  name(4, "Vox");
  SoloArray[4] = 1;
  std::string want = "1 Kick +\n2 ---- off\n3 Snare off\n4 Vox ++\nend\n";
  EXPECT_EQ(written(), want);
  EXPECT_EQ(Status(), "Wrote 45 bytes to tracks.txt");
  EXPECT_STREQ(NameBuffer[2], "----");  // the model itself changes
  EXPECT_EQ(MuteArray[2], 1);
  EXPECT_EQ(written(), want);

  name(10, "Keys");  // named but muted: left out
  MuteArray[10] = 1;
  MuteArray[4] = 1;  // soloed and muted is "++"
  name(6, "Bass");
  EXPECT_EQ(written(), "1 Kick +\n2 ---- off\n3 Snare off\n4 Vox ++\n5 ---- off\n6 Bass +\nend\n");

  ClearInternalArrays();
  name(5, "Muted");
  MuteArray[5] = 1;
  EXPECT_EQ(written(), "1 ---- off\nend\n");
  EXPECT_EQ(MuteArray[1], 1);
}

TEST_F(TracksTest, ReaderTakesRecordsInOrder) {
  MuteArray[6] = 1;
  SoloArray[7] = 1;
  readFrom("Tracks of the mix begin\r\n5 Kick +\n 2  Lead Vox  ++\n\n3 Snare off\r\n4 Hat\n"
           "9 +\n6 end +\n7 beginner +\nend\n8 Late +\n");
  EXPECT_EQ(Status(), "Read 109 bytes from tracks.txt");
  EXPECT_STREQ(NameBuffer[1], "Kick");  // record 1, whatever its number
  EXPECT_STREQ(NameBuffer[2], "Lead Vox");
  EXPECT_EQ(Ints({SoloArray[2], MuteArray[2]}), Ints({1, 0}));  // "++" solos and mutes nothing
  EXPECT_EQ(MuteArray[3], 1);
  EXPECT_STREQ(NameBuffer[4], "Hat");  // a lone word is a name...
  EXPECT_EQ(MuteArray[4], 0);
  EXPECT_STREQ(NameBuffer[5], "");  // ...unless it is a status
  EXPECT_STREQ(NameBuffer[6], "end");
  EXPECT_EQ(MuteArray[6], 1);  // flags are only ever set
  EXPECT_STREQ(NameBuffer[7], "beginner");
  EXPECT_EQ(SoloArray[7], 1);
  EXPECT_STREQ(NameBuffer[8], "");

  std::string text;  // more than 127 records
  for (int c = 1; c <= 135; c++) text += std::to_string(c) + " T off\n";
  readFrom(text);
  EXPECT_STREQ(NameBuffer[128], "Submix 1");
  EXPECT_EQ(MuteArray[128], 0);
}

// The same bytes again mean every name came back whole and no track was muted.
TEST_F(TracksTest, LongNamesWithSpacesRoundTrip) {
  for (int c = 1; c <= 127; c++)
    name(c, (std::to_string(c) + "  " + std::string(127, 'a' + c % 26)).substr(0, 127).c_str());
  std::string first = written();
  EXPECT_GT(first.size(), 16000u);
  ClearInternalArrays();
  ReadTracksFile();
  EXPECT_EQ(written(), first);
}

