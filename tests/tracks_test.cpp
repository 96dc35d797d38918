// tracks.txt as text: which channels the writer lists and how, and what the reader takes.
#include "filetest.h"

namespace {

class TracksTest : public FilesTest {};

void name(int c, const char *text) { strcpy(NameBuffer[c], text); }

}  // namespace

TEST_F(TracksTest, WritesUpToTheLastNamedUnmutedChannel) {
  name(1, "Kick"), name(3, "Snare"), name(4, "Vox"), name(6, "Bass"), name(10, "Keys");
  MuteArray[3] = MuteArray[4] = MuteArray[10] = 1;  // Keys named but muted: left out
  SoloArray[4] = 1;                                 // soloed and muted is "++"
  const std::string model = ModelBytes();
  const std::string text = TracksText();
  EXPECT_EQ(text, "1 Kick +\n2 ---- off\n3 Snare off\n4 Vox ++\n5 ---- off\n6 Bass +\nend\n");
  EXPECT_TRUE(ModelBytes() == model);  // the console keeps its unnamed channels as they are
  // Read back, the placeholder is no name and no mute: the same bytes again, and
  // a channel named since is written plain.
  StartUpModel();
  ReadTracksText(text);
  EXPECT_EQ(TracksText(), text);
  EXPECT_EQ(Ints({NameBuffer[2][0], MuteArray[2], MuteArray[3]}), Ints({0, 0, 1}));
  name(2, "Hat");
  EXPECT_EQ(TracksText().substr(0, 17), "1 Kick +\n2 Hat +\n");
  StartUpModel();
  name(5, "Muted"), MuteArray[5] = 1;
  EXPECT_EQ(TracksText(), "1 ---- off\nend\n");
}

TEST_F(TracksTest, ReaderTakesRecordsInOrder) {
  MuteArray[6] = 1, SoloArray[7] = 1;
  ReadTracksText("Tracks of the mix begin\r\n5 Kick +\n 2  Lead Vox  ++\n\n3 Snare off\r\n"
                 "4 Hat\n9 +\n6 end +\n7 beginner +\nend\n8 Late +\n");
  // Record n names channel n whatever its number; a lone word is a name unless it
  // is a status; "++" solos and mutes nothing; flags are only ever set.
  std::string names;
  for (int c = 1; c <= 8; c++) names += NameBuffer[c] + std::string("|");
  EXPECT_EQ(names, "Kick|Lead Vox|Snare|Hat||end|beginner||");
  EXPECT_EQ(Ints(SoloArray + 1, SoloArray + 8), Ints({0, 1, 0, 0, 0, 0, 1}));
  EXPECT_EQ(Ints(MuteArray + 1, MuteArray + 8), Ints({0, 0, 1, 0, 0, 1, 0}));
  std::string text;  // more records than channels
  for (int c = 1; c < FIRST_VCA; c++) text += std::to_string(c) + " T off\n";
  ReadTracksText(text);
  EXPECT_STREQ(NameBuffer[SubSlot(1)], "Submix 1");
  EXPECT_EQ(MuteArray[SubSlot(1)], 0);
}
