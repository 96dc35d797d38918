// Files from other hands: what the readers take, refuse and hint at, and what a
// store writes back of it.
#include "filetest.h"

using namespace std::string_literals;

namespace {

class HandWrittenTest : public FilesTest {};

const char F[] = "faders.txt", P[] = "prefs.txt", T[] = "tracks.txt";

}  // namespace

TEST_F(HandWrittenTest, RecordsRefusedKeptAndHinted) {
  const struct { const char *file; std::string text, changed, listed; } cases[] = {
      {F, "MixFilename\nt\t0\t0\t0\nv\t13\tinf\nv\t14\t1e39\n", "",
       "3: line 3 of faders.txt: \"inf\" is not a number; the \"v\" record is not read\n"
       "4: line 4 of faders.txt: \"1e39\" is too large for a value; the \"v\" record is not read\n"},
      {P, "outbits\t1e300\nstart\t1\t\t3\nhead\tnan\noutbits\t-inf\npath\ncolor\t \npre\tmaybe\n", "",
       "1: line 1 of prefs.txt: \"1e300\" is too large for the \"outbits\" record, which is not read\n"
       "2: line 2 of prefs.txt: a field is empty; the \"start\" record is not read\n"
       "3: line 3 of prefs.txt: \"nan\" is not a number; the \"head\" record is not read\n"
       "4: line 4 of prefs.txt: \"-inf\" is not a number; the \"outbits\" record is not read\n"
       "5: line 5 of prefs.txt: the \"path\" record holds no value; it is not read\n"
       "6: line 6 of prefs.txt: the \"color\" record holds no value; it is not read\n"
       "7: line 7 of prefs.txt: \"maybe\" is neither on nor off; the \"pre\" record is not read\n"},
      {F, "MixFilename\np\t3\t150\nt\t-1\t0\t0\nv\t3\t-1e38\nlshelf\t3\t500\t0\t1\n",
       "volume of channel 3 at time index 1, entry of channel 3 at time index 1, min/meas of time index 1, pan of channel 3, "
       "EQ: Low Shelf of channel 3",
       "2: line 2 of faders.txt: a pan of 150 is kept as read, though the faders window takes -100 to 100\n"
       "3: line 3 of faders.txt: a time of -1 is kept as read, though the faders window takes 0 and more\n"
       "4: line 4 of faders.txt: a volume of -1e+38 is kept as read, though the faders window takes -144 to 12\n"
       "5: line 5 of faders.txt: an EQ: Low Shelf value of 500 is kept as read, though the effects window takes 30 to 300\n"},
      {F, "MixFilename\nt\t0\t0\t0\nv\t140\t-3.00\nv\t2\t-7,5dB\nv\t2\t-1\n",
       "volume of channel 2 at time index 1, volume of VCA 5 at time index 1, entry of channel 2 at time index 1, "
       "entry of VCA 5 at time index 1",
       "3: line 3 of faders.txt: slot 140 is VCA 5; a store writes it as \"vca 5\"\n"
       "4: line 4 of faders.txt: \"-7,5dB\" is read as -7\n"
       "5: line 5 of faders.txt: another \"v\" record for channel 2 in this cue; the later one counts\n"},
      {F, "MixFilename\ncomp\t4\t0\t10\t100\t1.5\tv\t3\nhp\t4\t90\thp\t5\t80\ncomp\t4\t0\t10\t100\t1.5\n",
       "EQ: High Pass of channel 4, EQ: High Pass of channel 4, Peak Comp of channel 4",
       "4: line 4 of faders.txt: another \"comp\" record for channel 4; the later one counts\n"
       "2: line 2 of faders.txt holds more than one record; only the first is read (so does 1 more line)\n"},
      {F, "MixFilename\nsubname\t2\tDr\0ums\nt\t0\t5\t0\nt\t0\t2\t0\nt\t0\t1\t0\n"s,
       "sec/beat of time index 1, sec/beat of time index 2, sec/beat of time index 3, Active of time index 2, "
       "Active of time index 3, name of submix 2",
       "4: line 4 of faders.txt: this cue's time is earlier than the one before it (so is 1 more cue)\n"},
      {T, "5 Kick +\n# my tracks\n3 Bass Drum\n",
       "mute of channel 2, mute of channel 3, name of channel 1, name of channel 2, name of channel 3",
       "1: line 1 of tracks.txt carries the number 5; it names channel 1\n"
       "2: line 2 of tracks.txt looks like a comment; it names channel 2\n"
       "3: line 3 of tracks.txt: \"Drum\" is no status: it mutes channel 3, named \"Bass\"\n"},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.text);
    StartUpModel(), ClearMessages();
    const std::string before = Model();
    Recall(c.file, c.text);
    EXPECT_EQ(Changed(before), c.changed);
    EXPECT_EQ(Listed(), c.listed);
  }
  ReadFaderText("MixFilename\nsubname\t2\tDr\0ums bus\n"s);
  EXPECT_STREQ(NameBuffer[SubSlot(2)], "Dr ums bus");  // a NUL byte in a name is a space
  std::string past = "MixFilename\n";  // blocks past the last cue: one message, and the text not read whole
  for (int k = 0; k < 600; k++) past += "t\t0\t" + std::to_string(k) + "\t0\nv\t1\t-1\n";
  ClearMessages();
  ReadFaderText(past);
  EXPECT_EQ(Listed(), "0: faders.txt holds 600 cues; Corvessa holds 512: cues 513 to 600 were not read\n");
  EXPECT_EQ(CuesNotRead, 88);
  EXPECT_TRUE(ChanActive[Entry(1, 511)] == 1 && IndexSec[511] == 511);
  ReadPrefsText("device\thw:1\nplay\t2\n");  // written back by a store
  EXPECT_NE(PrefsText("").find("color\t97\ndevice\thw:1\nplay\t2\nend\n"), std::string::npos);
}

