// The whole-GUI refresh: the effects and reverb windows follow the model.
#include "testutil.h"

using RefreshTest = ConsoleTest;

TEST_F(RefreshTest, RecallKeepsTheShownSubmixAndShowsItsRecalledValues) {
  ShowSubmix(4);
  const std::string file =
      "Session A\n\n\n\n\n\n"
      "band1\tG\t4\t700.0\t-2.0\t3.0\n"
      "rev\tG\t4\t-10.0\n\n\n"
      "rtn\t-5.0\t300.0\ntrtn\t-1.0\t200.0\t9.0\nrlp\t5000\nrhp\t300\nwidth\t20\npos\t1\t2\t3\n"
      "\n\n\n\n\nt\t0\t0.000\t0\n\nend\n";
  WriteFile("faders.txt", file);
  StageReadFromFile();
  EXPECT_EQ(Status(), "Read " + std::to_string(file.size()) + " bytes from faders.txt");
  EXPECT_EQ(CNL, 131);
  EXPECT_EQ(Values({SelectGroupChannel, GroupNum, band1_0, band1_1, band1_3, rev_state, rev_send}),
            "1 4 1 700 3 1 -10");
  EXPECT_EQ(Values({rev_rtn, rev_size, trev_rtn, trev_size, trev_taps, Rev_LP0, Rev_LP1, Rev_HP0,
                    Rev_HP1, rev_width, rev_positionX, rev_positionY, rev_positionZ}),
            "-5 300 -1 200 9 1 5000 1 300 20 1 2 3");
}

TEST_F(RefreshTest, WindowSettingsGoThroughTheFaderFileAndBack) {
  WriteFile("faders.txt", "MixFilename\n");
  Set(comp1, -12.3), Set(comp0, 1);  // channel 1
  Set(lshelf0, 1);                   // its stored 500 Hz, beyond the slider
  Set(trev_send, -4.5), Set(trev_state, 1);
  ShowSubmix(4);
  Set(hpass1, 120), Set(hpass0, 1), Set(band1_2, 3.5), Set(band1_0, 1);
  Set(SelectMasterChannel, 1);
  Set(fxg1, -2.5), Set(fxg0, 1), Set(rev_send, -6), Set(rev_state, 1);
  Set(Rev_HP1, 220), Set(Rev_HP0, 1), Set(trev_taps, 7), Set(rev_rtn, -3.2);

  auto views = [] {  // channel 1, submix 4 and the master as the windows show them
    Set(SelectRegularChannel, 1);
    std::string v = Shown();
    ShowSubmix(4);
    v += Shown();
    Set(SelectMasterChannel, 1);
    return v + Shown();
  };
  const std::string shown = views();

  StageWriteToFile();
  const std::string want =
      "MixFilename\n\n\n\n\n"
      "comp\t1\t-12.3\t10.0\t100.0\t1.5\nlshelf\t1\t500.0\t0.0\t1.0\ntrev\t1\t-4.5\n\n"
      "hp\tG\t4\t120.0\nband1\tG\t4\t500.0\t3.5\t1.0\n\n"
      "fxg\tM\t-2.5\nrev\tM\t-6.0\n\n"
      "rtn\t-3.2\t150.0\ntrtn\t0.0\t150.0\t7.0\nrhp\t220\nwidth\t50\npos\t37\t39\t43\n"
      "\n\n\n\n\nt\t0\t0.000\t0\n\nend\n";
  EXPECT_EQ(ReadFile("faders.txt"), want);

  ClearInternalArrays();
  Scramble();
  StageReadFromFile();
  EXPECT_EQ(CNL, 1);  // the reset chose channel 1
  EXPECT_EQ(views(), shown);
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"), want);
}
