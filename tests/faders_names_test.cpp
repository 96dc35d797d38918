// Channel, cue and mix names, and the track choosers behind the browse buttons.
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

#include <cstring>
#include <sys/stat.h>
#include <string>
#include <vector>

#include "app/app.h"
#include "effects/effects.h"
#include "faders/faders.h"
#include "model/model.h"
#include "testutil.h"

namespace {

class FadersNamesTest : public ConsoleTest {
 protected:
  void Show(int bank, int timeIndex = 1) {
    Bank->value(bank);
    TimeIndex->value(timeIndex);
    Fire(Bank);
  }

  static void Type(Fl_Input *field, const char *text) {
    field->value(text);
    Fire(field);
  }

  // The path of a fresh file in the test's folder.
  std::string Track(const char *name) {
    WriteFile(name, "RIFF");
    return dir + "/" + name;
  }

  // What the user picks in a chooser, and the chooser reporting it.
  static void Pick(Fl_File_Chooser *fc, const std::string &path) {
    fc->value(path.c_str());
    Set_File(fc, fc->user_data());
  }
};

std::vector<std::string> Names() {
  std::vector<std::string> v;
  for (int s = 0; s < NSLOTS; s++) v.push_back(NameBuffer[s]);
  return v;
}

}  // namespace

TEST_F(FadersNamesTest, StripNameNamesItsSlotOnly) {
  Show(2);
  std::vector<std::string> want = Names();
  want[13] = "Kick in";
  Type(name3, "Kick in");
  EXPECT_TRUE(Names() == want);
  SetStatus("kept");
  Type(name3, "Kick out");
  EXPECT_EQ(Status(), "kept") << "names leave the status line alone";
}

TEST_F(FadersNamesTest, NamesAreStoredVerbatim) {
  Type(name1, "100% %s %n %%");
  EXPECT_STREQ(NameBuffer[1], "100% %s %n %%");
  Type(CueName, "%d%%");
  EXPECT_STREQ(CueNameBuffer[0], "%d%%");
}

TEST_F(FadersNamesTest, TabsAndLineBreaksBecomeSpaces) {
  Type(name2, "Bass\tDI\nleft\r");
  EXPECT_STREQ(NameBuffer[2], "Bass DI left ");
  EXPECT_STREQ(name2->value(), "Bass DI left ") << "the field shows what was stored";
  Type(CueName, "Verse\t2");
  EXPECT_STREQ(CueNameBuffer[0], "Verse 2");
  Type(MixNameInput, "Final\tmix");
  EXPECT_STREQ(MixName, "Final mix");
}

TEST_F(FadersNamesTest, LongTextIsCutToItsRow) {
  std::string longText(300, 'x');
  Type(name5, longText.c_str());
  EXPECT_EQ(strlen(NameBuffer[5]), 127u);
  EXPECT_EQ(NameBuffer[6][0], 0);
  Type(CueName, longText.c_str());
  EXPECT_EQ(strlen(CueNameBuffer[0]), 63u);
  EXPECT_EQ(CueNameBuffer[1][0], 0);
  Type(MixNameInput, longText.c_str());
  EXPECT_EQ(strlen(MixName), 127u);
  EXPECT_EQ(name5->maximum_size(), 127);
  EXPECT_EQ(CueName->maximum_size(), 63);
}

TEST_F(FadersNamesTest, SubmixAndVcaNamesInBanks8And9) {
  Show(8);
  Type(name11, "Drum bus");
  Type(name12, "Vox VCA");
  EXPECT_STREQ(NameBuffer[135], "Drum bus");
  EXPECT_STREQ(NameBuffer[143], "Vox VCA");

  Show(9);
  EXPECT_STREQ(name11->value(), "(unavailable)");
  EXPECT_STREQ(name12->value(), "(unavailable)");
  std::vector<std::string> before = Names();
  Type(name11, "Nothing");
  Type(name12, "Nothing");
  EXPECT_TRUE(Names() == before);
  Show(9);
  EXPECT_STREQ(name11->value(), "(unavailable)");
}

TEST_F(FadersNamesTest, RenamingSubmix8UpdatesTheEffectsWindowShowingIt) {
  SelectRegularChannel->value(0);
  SelectGroupChannel->value(1);
  SelectMasterChannel->value(0);
  GroupNum->value(8);
  CNL = 135;
  Show(8);
  Type(name11, "Strings");
  EXPECT_STREQ(NameInEffects->value(), "Strings");
  Type(name1, "Violin");  // another channel leaves it alone
  EXPECT_STREQ(NameInEffects->value(), "Strings");
}

TEST_F(FadersNamesTest, EffectsWindowFollowsItsRegularChannelAndTheMaster) {
  CNL = 4;
  Type(name4, "Snare");
  EXPECT_STREQ(NameInEffects->value(), "Snare");
  SelectRegularChannel->value(0);
  SelectMasterChannel->value(1);
  Type(name4, "Snare top");
  EXPECT_STREQ(NameInEffects->value(), "Master");
}

TEST_F(FadersNamesTest, CueNameFollowsTheTimeIndex) {
  strcpy(CueNameBuffer[6], "Chorus");
  Show(1, 7);
  EXPECT_STREQ(CueName->value(), "Chorus");
  Type(CueName, "Chorus 2");
  EXPECT_STREQ(CueNameBuffer[6], "Chorus 2");
  Show(1, 1);
  EXPECT_STREQ(CueName->value(), "");
}

TEST_F(FadersNamesTest, MixNameFieldAndMaster) {
  EXPECT_STREQ(MixNameInput->value(), "MixFilename");
  Type(MixNameInput, "");
  EXPECT_STREQ(MixName, "");
  strcpy(MixName, "Album");
  strcpy(NameBuffer[0], "Main out");
  UpdateMixName();
  UpdateNames();
  EXPECT_STREQ(MixNameInput->value(), "Album");
  EXPECT_STREQ(name13->value(), "Main out");
}

TEST_F(FadersNamesTest, BrowsingPutsThePickedPathIntoTheStripsChannel) {
  std::string path = Track("take1.wav");
  Show(3);
  Fire(browse4);
  ASSERT_NE(CH, nullptr);
  EXPECT_EQ(BrowseNumber, 4);
  Pick(CH, path);
  EXPECT_EQ(std::string(NameBuffer[24]), path);
  EXPECT_EQ(std::string(name4->value()), path);
  CH->hide();
}

TEST_F(FadersNamesTest, ThePathGoesToTheChannelWhoseButtonOpenedTheChooser) {
  std::string a = Track("a.wav"), b = Track("b.wav");
  Show(3);
  Fire(browse4);
  Fl_File_Chooser *first = CH;
  Show(5);  // bank changed while the chooser is open
  Fire(browse2);
  Fl_File_Chooser *second = CH;
  ASSERT_NE(first, second);
  Pick(first, a);
  Pick(second, b);
  EXPECT_EQ(std::string(NameBuffer[24]), a);
  EXPECT_EQ(std::string(NameBuffer[42]), b);
  EXPECT_EQ(NameBuffer[44][0], 0);
  EXPECT_EQ(NameBuffer[22][0], 0);
  first->hide();
  second->hide();
}

TEST_F(FadersNamesTest, AChooserWithoutAPickOrWithATooLongPathChangesNothing) {
  Fire(browse1);
  std::vector<std::string> before = Names();
  Set_File(CH, CH->user_data());
  EXPECT_TRUE(Names() == before) << "a folder is not a file";

  std::string sub = std::string(120, 'd');
  ASSERT_EQ(mkdir(sub.c_str(), 0700), 0);
  Pick(CH, Track((sub + "/take.wav").c_str()));
  EXPECT_TRUE(Names() == before);
  EXPECT_EQ(Status(), "Path longer than 127 characters: track name unchanged");
  CH->hide();
}
