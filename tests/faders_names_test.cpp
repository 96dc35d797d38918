// Channel, cue and mix names, and the track choosers behind the browse buttons
// (what a name keeps of the text typed: the model test).
#include "testutil.h"

using FadersNamesTest = ConsoleTest;

namespace {

// The user picks a file; the chooser reports it.
void Pick(Fl_File_Chooser *fc, const std::string &path) {
  WriteFile(path, "RIFF");
  fc->value(path.c_str());
  Set_File(fc, fc->user_data());
}

}  // namespace

TEST_F(FadersNamesTest, StripNamesNameTheirSlotOnly) {
  ShowSubmix(8);
  for (int bank : {8, 9}) {  // bank 8's strip 11 is submix 8, bank 9's is unavailable
    ShowBank(bank);
    const std::string before = Model();
    SetStatus("kept");
    Set(name11, "Kick\tin");
    EXPECT_EQ(Changed(before), bank == 8 ? "name of submix 8" : "");
    EXPECT_EQ(Status(), "kept");
  }
  EXPECT_STREQ(NameBuffer[SubSlot(8)], "Kick in");
  EXPECT_STREQ(NameInEffects->value(), "Kick in") << "the effects window shows the new name";
  ShowBank(8);
  EXPECT_STREQ(name11->value(), "Kick in") << "the field shows what was stored";
}

TEST_F(FadersNamesTest, ThePathGoesToTheChannelWhoseButtonOpenedTheChooser) {
  ShowBank(3);
  Fire(browse4);
  Fl_File_Chooser *first = CH;
  ShowBank(5);  // the bank changes while the chooser is open
  Fire(browse2);
  Pick(first, dir + "/a.wav");
  Pick(CH, dir + "/b.wav");
  EXPECT_EQ(NameBuffer[24], dir + "/a.wav");
  EXPECT_EQ(NameBuffer[42], dir + "/b.wav");
  EXPECT_EQ(name2->value(), dir + "/b.wav");
  // A report of a folder, or of a path too long for a name, changes nothing.
  const std::string before = Model();
  CH->value(dir.c_str()), Set_File(CH, CH->user_data());
  ASSERT_EQ(mkdir(std::string(120, 'd').c_str(), 0700), 0);
  Pick(CH, dir + "/" + std::string(120, 'd') + "/take.wav");
  EXPECT_EQ(Changed(before), "");
  EXPECT_EQ(Status(), "Path longer than 127 characters: track name unchanged");
  first->hide(), CH->hide();
}
