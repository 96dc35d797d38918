// Storing faders.txt: the bytes of every record, the lines it keeps, and failures.
#include <sys/stat.h>

#include "testutil.h"

namespace {

class FaderWriterTest : public ConsoleTest {};

const char StartUpFile[] = "MixFilename\n\n\n\n\n\n\n\n\n\n\n\n\nt\t0\t0.000\t0\n\nend\n";

// Every kind of record, switched on in an order unlike the file's.
void everyRecordModel() {
  CopyName(MixName, "Test Mix", sizeof MixName);
  SubOn[0] = SubOn[2] = 1;
  for (int row : {126, 0, 1}) SubAsn[row * 8 + 0] = 1;
  NameBuffer[130][0] = 0;
  VcaOn[7] = 1;
  VcaAsn[4 * 8 + 7] = 1;
  float comp[] = {1, -20, 4, 50, 1.5};
  memcpy(Pcomp + 3 * 8, comp, sizeof comp);
  Php[3 * 8] = 1, Php[3 * 8 + 1] = 80;
  Prev[3 * 8] = 1, Prev[3 * 8 + 1] = -10;
  Pfxg[127 * 8] = 1, Pfxg[127 * 8 + 1] = 2.5;
  Pnlc[129 * 8] = 1;
  Ptrev[129 * 8] = 1, Ptrev[129 * 8 + 1] = -3;
  Prev[0] = 1, Prev[1] = -6;
  Pfxg[0] = 1, Pfxg[1] = 1;
  Plim[0] = 1, Plim[1] = -0.1f;
  Pband1[0] = 1, Pband1[2] = 3;
  Pcomp[5 * 8 + 1] = -30;  // off: not written
  Prlp[0] = 1;
  Prev_width = 100;
  Pan[3] = -25, Pan[128] = 10, Pan[0] = 5, Pan[140] = 20;
  Volume[3 * 512] = -6, ChanActive[3 * 512] = 1;
  Volume[128 * 512] = -1.5f, ChanActive[128 * 512] = 1;
  Volume[143 * 512] = -3, Offset[143 * 512] = 0.5f, Ramp[143 * 512] = 1.25f;
  ChanActive[143 * 512] = 1;
  ChanActive[0] = 1, Shape[0] = 2;
  IndexActiveArray[3] = 1, IndexMin[3] = 1, IndexSec[3] = 2.5f, IndexMsec[3] = 250;
  CopyName(CueNameBuffer[3], "A", 64);
  IndexActiveArray[7] = 1;
  CopyName(CueNameBuffer[7], "Go", 64);
  MuteArray[129] = 1, SoloArray[128] = SoloArray[135] = 1;
  MuteArray[5] = 1;  // channel mutes belong to tracks.txt
}

const char EveryRecordFile[] =
    "Test Mix\n\n"
    "subname\t1\tSubmix 1\nsub\t1\t1,2,127\nsubname\t3\t\nsub\t3\t\n\n\n"
    "vcaname\t8\tVCA 8\nVCA:\t8\t5\n\n"
    "hp\t3\t80.0\ncomp\t3\t-20.0\t4.0\t50.0\t1.5\nrev\t3\t-10.0\nfxg\t127\t2.5\n\n"
    "nlc\tG\t2\t0.0\t300.0\t2.0\ntrev\tG\t2\t-3.0\n\n"
    "lim\tM\t-0.1\nband1\tM\t500.0\t3.0\t1.0\nfxg\tM\t1.0\nrev\tM\t-6.0\n\n"
    "rtn\t0.0\t150.0\ntrtn\t0.0\t150.0\t5.0\nrlp\t7000\nwidth\t100\npos\t37\t39\t43\n\n"
    "\np\t3\t-25\np\tG\t1\t10\np\tM\t5\n\n"
    "\n\nt\t0\t0.000\t0\nv\t3\t-6.00\nv\tG\t1\t-1.50\nvca\t8\t-3.00\nofs\t0.500\nrmp\t1.250\n"
    "v\tM\t0.00\nshape\t2.000\n"
    "\n\nt\t1\t2.500\t250\n"
    "\n\ncue\tGo\n\nt\t0\t0.000\t0\n"
    "\nsubmu\t2\nsubso\t1\nsubso\t8\nend\n";

// Every slot with an entry and all three modifiers at every cue, every effect on,
// every routing, long names everywhere.
void maximalModel() {
  std::string longName(200, 'n');
  CopyName(MixName, longName.c_str(), sizeof MixName);
  for (int s = 0; s < NSLOTS; s++) {
    CopyName(NameBuffer[s], longName.c_str(), 128);
    Pan[s] = s < 136 ? s - 70 : 0;
    for (float *t : {Pcomp, Prms, Pnlc, Plim, Pfxg, Php, Plshelf, Pband1, Pband2, Phshelf, Prev,
                     Ptrev})
      for (int c = 0; c < 8; c++) t[s * 8 + c] = c == 0 ? 1 : c < 5 ? s + c * 0.5f : 0;
  }
  for (int i = 0; i < NROWS * NGROUPS; i++) SubAsn[i] = VcaAsn[i] = i < 127 * 8;
  for (int g = 0; g < NGROUPS; g++) SubOn[g] = VcaOn[g] = 1;
  for (int k = 0; k < NCUES; k++) {
    IndexActiveArray[k] = 1;
    IndexMin[k] = k, IndexSec[k] = 1.5f, IndexMsec[k] = 250;
    CopyName(CueNameBuffer[k], longName.c_str(), 64);
  }
  for (int e = 0; e < NSLOTS * NCUES; e++) {
    ChanActive[e] = 1;
    Volume[e] = -(e % 97) * 0.25f, Offset[e] = 0.125f, Ramp[e] = 1.5f, Shape[e] = 2;
  }
  Prhp[0] = Prlp[0] = 1;
}

}  // namespace

TEST_F(FaderWriterTest, StartUpModel) {
  WriteFile("faders.txt", "anything\n");
  Known("faders.txt");
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), StartUpFile);
  EXPECT_EQ(Status(), "Wrote 41 bytes to faders.txt");
  EXPECT_EQ(reserve_fbuff, StartUpFile);

  // No file: it is created, and starts with the mix name as it stands.
  remove("faders.txt");
  CopyName(MixName, "Night Mix", sizeof MixName);
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), "Night Mix" + std::string(StartUpFile + 11));
  // An empty name becomes "mixFilename" when the file is created; an empty file is not stale.
  remove("faders.txt");
  MixName[0] = 0;
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt").substr(0, 12), "mixFilename\n");
  WriteFile("faders.txt", "");
  CopyName(MixName, "Other", sizeof MixName);
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), "Other" + std::string(StartUpFile + 11));
}

TEST_F(FaderWriterTest, EveryRecordInItsPlace) {
  everyRecordModel();
  WriteFile("faders.txt", "old name\n");
  Known("faders.txt");
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), EveryRecordFile);

  // Width 120 is not written; filters are written without any send; an empty mix name
  // gives an empty first line.
  Prev_width = 120;
  StageWriteToFile();
  std::string text = ReadFile("faders.txt");
  EXPECT_EQ(text.find("width"), std::string::npos);
  for (int s = 0; s < NSLOTS; s++) Prev[s * 8] = Ptrev[s * 8] = 0;
  Prhp[0] = 1, Prhp[1] = 150;
  MixName[0] = 0;
  StageWriteToFile();
  text = ReadFile("faders.txt");
  EXPECT_EQ(text.find("rtn"), std::string::npos);
  EXPECT_EQ(text.find("pos"), std::string::npos);
  EXPECT_NE(text.find("\n\nrlp\t7000\nrhp\t150\n\n\n"), std::string::npos) << text;
  EXPECT_EQ(text[0], '\n');
}

TEST_F(FaderWriterTest, ForeignLinesCarriedOver) {
  WriteFile("faders.txt", "My Mix\r\ncomp\t3\t1\t2\t3\t4\n# my notes\tcomp\r\n\t\t\n\n\r\nendless\tcomp\n"
                          "\tv\t1\n  \nrev\nv\t1\t0\n" + std::string(5000, 'x') + "\nend\tx\nafter end\n");
  Known("faders.txt");
  StageWriteToFile();
  std::string once = ReadFile("faders.txt");
  EXPECT_EQ(once, "MixFilename\n# my notes\tcomp\nendless\tcomp\n\tv\t1\n  \n" + std::string(5000, 'x') +
                      "\n" + std::string(StartUpFile + 12));
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), once);
}

TEST_F(FaderWriterTest, EveryRecordAndTheMaximalModelRoundTrip) {
  for (void (*model)() : {everyRecordModel, maximalModel}) {
    ClearInternalArrays();
    model();
    StageWriteToFile();
    std::string first = ReadFile("faders.txt");
    ClearInternalArrays();
    StageReadFromFile();
    EXPECT_EQ(Status(), "Read " + std::to_string(first.size()) + " bytes from faders.txt");
    StageWriteToFile();
    EXPECT_EQ(ReadFile("faders.txt"), first);
  }
  EXPECT_GT(ReadFile("faders.txt").size(), 3000000u);  // the maximal model's
}

TEST_F(FaderWriterTest, StoreThroughALink) {
  mkdir("mixes", 0755);
  WriteFile("mixes/song.txt", "Song\n# mine\n");
  ASSERT_EQ(symlink("mixes/song.txt", "faders.txt"), 0);
  Known("faders.txt");
  StageWriteToFile();
  struct stat st;
  lstat("faders.txt", &st);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadFile("mixes/song.txt"), "MixFilename\n# mine\n" + std::string(StartUpFile + 12));
}
