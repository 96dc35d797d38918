// The fader text: what each record sets and what the reader refuses; the keyword
// table and the lines a store carries over from the old file.
#include "filetest.h"

using FaderReaderTest = FilesTest;

// Lays text over the model; returns what the reader printed.
static std::string recall(const std::string &text) { return Recall("faders.txt", text); }

// Which entry each record sets: the round-trip test.
TEST_F(FaderReaderTest, CueBlocksLoadInFileOrder) {
  IndexActiveArray[5] = ChanActive[Entry(2, 5)] = 1;
  CopyName(CueNameBuffer[5], "keep", 64);
  EXPECT_EQ(recall("My Mix\n\ncue\tIntro\nt\t0\t1.500\t0\nv\t3\t-6.00\nofs\t0.5\nv\tG\t2\t-1\nrmp\t2\n"
                   "inc\t2.25\ncue\tinc\nt\t1\t0\t250\ncue\tend\nt\t2\t0\t0\nend\nv\t4\t-9\n"),
            "");
  // Block 1 from "inc", 2.25 seconds after the last time; names equal to keywords or
  // "end" are names; a modifier belongs to the entry before it; nothing after "end".
  EXPECT_EQ(CueNameBuffer[0] + std::string("|") + CueNameBuffer[2] + "|" + CueNameBuffer[3], "Intro|inc|end");
  EXPECT_EQ(Floats({IndexSec[1], (float)IndexActiveArray[1], Offset[Entry(3, 0)], Ramp[Entry(3, 0)],
                    Ramp[Entry(SubSlot(2), 0)], (float)ChanActive[Entry(4, 3)]}),
            Floats({3.75f, 1, 0.5f, 0, 2, 0}));
  // A cue the file does not reach keeps what it held.
  EXPECT_EQ(Ints({IndexActiveArray[5], ChanActive[Entry(2, 5)]}), Ints({1, 1}));
  EXPECT_STREQ(CueNameBuffer[5], "keep");
}

TEST_F(FaderReaderTest, EffectsSendsAndReverbSettings) {
  Pcomp[5 * NGROUPS] = 1, Prev[7 * NGROUPS] = 1, Pan[9] = 30;
  Prlp[0] = 1, Prlp[1] = 5000;
  recall(
      "Mix\nrhp\t200\nrhp\t300\nwidth\t40\nwidth\t60\ncomp\t3\t-20\t4\t50\t1.5\n"
      "comp\t3\t-10\t2\t10\t2\ntrev\tG\t1\t-4\npos\t1\t2\t3\np\tM\t-5\n");
  // A reverb filter takes its first record; any other record its last.
  EXPECT_EQ(Floats({Prhp[0], Prhp[1], Prev_width, Prev_position[2], Prlp[1], Pan[9], Pan[0]}),
            Floats({1, 200, 60, 3, 5000, 30, -5}));
  // A record sets its flag and all its columns; a flag the file does not name is cleared.
  EXPECT_EQ(Row(Pcomp + 3 * NGROUPS, 5), Floats({1, -10, 2, 10, 2}));
  EXPECT_EQ(Floats({Pcomp[5 * NGROUPS], Prev[7 * NGROUPS]}), Floats({0, 0}));
  EXPECT_EQ(Row(Ptrev + SubSlot(1) * NGROUPS, 2), Floats({1, -4}));
}

TEST_F(FaderReaderTest, MixNameLine) {
  const struct {
    const char *text, *name;
    float records;  // the comp flag and the high-pass it sets: records, not names
  } cases[] = {{"abc\n", "abc", 0},
               {"abcd\r\n", "abcd", 0},
               {"\n\nLate Name\n", "Late Name", 0},
               {"\ncomp\t3\t1\t2\t3\t4\n", "MixFilename", 1},
               {"comp\nrhp\t100\n", "MixFilename", 100},
               {"end\n# mine\nrhp\t100\n", "MixFilename", 100}};
  for (auto &c : cases) {
    CopyName(MixName, "MixFilename", sizeof MixName);
    Prhp[1] = 0;
    recall(c.text);
    EXPECT_STREQ(MixName, c.name) << c.text;
    EXPECT_EQ(Pcomp[3 * NGROUPS] + Prhp[1], c.records) << c.text;
  }
}

TEST_F(FaderReaderTest, RoutingAndNames) {
  std::string out = recall(
      "Mix\n# note\tcomp\t3\t1\t2\t3\t4\nsubname\t2\tend\nsub\t2\t4\nsubname\t3\t\nsub\t3\t\n"
      "vcaname\t1\tV\nVCA:\t1\t1,0,128,x,,127\nsubmu\t2\nsubso\t3\n");
  EXPECT_EQ(out,
            "Channel assigned to VCA 0 is out of range!\nChannel assigned to VCA 0 is out of range!\n"
            "Channel assigned to VCA 0 is out of range!\n");
  EXPECT_EQ(Pcomp[3 * NGROUPS], 0);
  EXPECT_EQ(NameBuffer[SubSlot(2)] + std::string("|") + NameBuffer[SubSlot(3)], "end|");
  EXPECT_EQ(Ints({SubOn[1], SubAsn[3 * NGROUPS + 1], SubOn[2], VcaAsn[0], VcaAsn[126 * NGROUPS],
                  MuteArray[SubSlot(2)], SoloArray[SubSlot(3)]}),
            Ints(7, 1));
}

TEST_F(FaderReaderTest, BadRecordsAreSkipped) {
  Pcomp[SubSlot(8) * NGROUPS] = 0, Pcomp[0] = 0;
  std::string out = recall(
      "Mix\ncomp\t200\t1\t2\t3\t4\ncomp\tG\t9\t1\t2\t3\t4\ncomp\tx\t1\t2\t3\t4\ncomp\t4\t1\t2\n"
      "hp\tM\t90\np\t144\t50\np\tG\t9\t50\nrev\t150\t-3\nsub\t9\t1,2\nVCA:\t0\t1\nsubmu\t9\n"
      "v\t1\t-1\nt\t0\t0\t0\nv\t200\t-5\nofs\t0.5\nvca\t9\t-1\nt\t0\nv\tG\n");
  const char *slot = ">>Channel number out of range or not specified!\n";
  EXPECT_EQ(out, std::string(slot) + slot + slot + ">>Too few fields in a \"comp\" record; skipped\n" +
                     slot + "Submix number out of range!\nVCA number out of range!\n" +
                     "Submix number out of range!\n" + slot + slot +
                     ">>Too few fields in a \"t\" record; skipped\n");
  EXPECT_EQ(Floats({Pcomp[SubSlot(8) * NGROUPS], Pcomp[0], Pcomp[4 * NGROUPS], Php[1], Pan[MASTER],
                    Pan[VcaSlot(1)], Pan[VcaSlot(8)]}),
            Floats({0, 0, 0, 90, 0, 0, 0}));
  EXPECT_EQ(Ints({SubOn[0], SubOn[1], VcaOn[0], IndexActiveArray[1]}), Ints(4, 0));
  for (int s = 0; s < NSLOTS; s++)
    EXPECT_TRUE(ChanActive[Entry(s, 0)] == 0 && Offset[Entry(s, 0)] == 0) << s;
}

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
  std::string big = "end\n", want = "New Name\n", line(3000, 'a');
  for (int i = 0; i < 6000; i++) big += i % 1000 ? "v\t1\t0.00\n" : line + "\n";
  for (int i = 0; i < 6; i++) want += line + "\n";
  big += "last";
  ScrubEffects(big);
  EXPECT_EQ(big, want + "last\n");
}
