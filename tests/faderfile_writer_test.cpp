// Storing faders.txt: the bytes of every record, the lines it keeps, and failures.
#include "../bench/mixes.h"
#include "testutil.h"

namespace {

class FaderWriterTest : public ConsoleTest {};

const char StartUpFile[] = "MixFilename\n\n\n\n\n\n\n\n\n\n\n\n\nt\t0\t0.000\t0\n\nend\n";

// Every kind of record, switched on in an order unlike the file's.
void everyRecordModel() {
  auto set = [](float *row, Floats v) { std::copy(v.begin(), v.end(), row); };
  CopyName(MixName, "Test Mix", sizeof MixName);
  SubOn[0] = SubOn[2] = 1, VcaOn[7] = 1;
  for (int row : {126, 0, 1}) SubAsn[row * NGROUPS + 0] = 1;
  NameBuffer[SubSlot(3)][0] = 0;
  VcaAsn[4 * NGROUPS + 7] = 1;
  set(Pcomp + 3 * NGROUPS, {1, -20, 4, 50, 1.5}), set(Php + 3 * NGROUPS, {1, 80});
  set(Prev + 3 * NGROUPS, {1, -10}), set(Pfxg + NCHANNELS * NGROUPS, {1, 2.5});
  set(Pnlc + SubSlot(2) * NGROUPS, {1}), set(Ptrev + SubSlot(2) * NGROUPS, {1, -3});
  set(Prev, {1, -6}), set(Pfxg, {1, 1}), set(Plim, {1, -0.1f}), set(Pband1, {1, 500, 3});
  Pcomp[5 * NGROUPS + 1] = -30;  // off: not written
  Prlp[0] = 1, Prev_width = 100;
  Pan[3] = -25, Pan[SubSlot(1)] = 10, Pan[MASTER] = 5, Pan[VcaSlot(5)] = 20;
  Volume[Entry(3, 0)] = -6, Volume[Entry(SubSlot(1), 0)] = -1.5f;
  const int vca = Entry(VcaSlot(8), 0);
  Volume[vca] = -3, Offset[vca] = 0.5f, Ramp[vca] = 1.25f;
  for (int e : {Entry(3, 0), Entry(SubSlot(1), 0), vca, Entry(MASTER, 0)}) ChanActive[e] = 1;
  Shape[Entry(MASTER, 0)] = 2;
  IndexActiveArray[3] = 1, IndexMin[3] = 1, IndexSec[3] = 2.5f, IndexMsec[3] = 250;
  CopyName(CueNameBuffer[3], "A", 64);
  IndexActiveArray[7] = 1;
  CopyName(CueNameBuffer[7], "Go", 64);
  MuteArray[SubSlot(2)] = 1, SoloArray[SubSlot(1)] = SoloArray[SubSlot(8)] = 1;
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

}  // namespace

TEST_F(FaderWriterTest, StartUpModel) {
  WriteFile("faders.txt", "anything\n");
  Known("faders.txt");
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), StartUpFile);
  EXPECT_EQ(Status(), "Wrote 41 bytes to faders.txt");
  // A new file, or an empty one, starts with the mix name as it stands; an empty
  // name becomes "mixFilename" when the file is created.
  const struct { bool exists; const char *name, *first; } cases[] = {
      {false, "Night Mix", "Night Mix"}, {false, "", "mixFilename"}, {true, "Other", "Other"}};
  for (auto &c : cases) {
    remove("faders.txt");
    if (c.exists) WriteFile("faders.txt", ""), Known("faders.txt");
    CopyName(MixName, c.name, sizeof MixName);
    StageWriteToFile();
    EXPECT_EQ(ReadFile("faders.txt"), c.first + std::string(StartUpFile + 11)) << c.name;
  }
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
  for (int s = 0; s < NSLOTS; s++) Prev[s * NGROUPS] = Ptrev[s * NGROUPS] = 0;
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
                          "\tv\t1\n  \nrev\nv\t1\t0\nend\tx\nafter end\n");
  Known("faders.txt");
  StageWriteToFile();
  std::string once = ReadFile("faders.txt");
  EXPECT_EQ(once, "MixFilename\n# my notes\tcomp\nendless\tcomp\n\tv\t1\n  \n" + std::string(StartUpFile + 12));
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), once);
}

TEST_F(FaderWriterTest, TheMaximalModelRoundTrips) {
  BuildMaximalMix();
  StageWriteToFile();
  const std::string first = ReadFile("faders.txt");
  EXPECT_GT(first.size(), 3000000u);
  ClearInternalArrays();
  StageReadFromFile();
  EXPECT_EQ(Status(), "Read " + std::to_string(first.size()) + " bytes from faders.txt");
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), first);
}
