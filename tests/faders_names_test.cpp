// Channel, cue and mix names, and the track choosers behind the browse buttons.
#include "testutil.h"

namespace {

class FadersNamesTest : public ConsoleTest {
 protected:
  // The path of a fresh file in the test's folder.
  std::string Track(const std::string &name) {
    WriteFile(name, "RIFF");
    return dir + "/" + name;
  }
};

// The user picks a file; the chooser reports it.
void Pick(Fl_File_Chooser *fc, const std::string &path) {
  fc->value(path.c_str());
  Set_File(fc, fc->user_data());
}

}  // namespace

TEST_F(FadersNamesTest, StripNamesNameTheirSlotOnly) {
  // Bank 8's strips 11 and 12 are submix 8 and VCA 8, bank 9's are unavailable
  // (channel names: the whole-mix test). The effects window shows submix 8.
  const struct { int bank; Fl_Input *field; const char *changed; } cases[] = {
      {8, name11, "name of submix 8"}, {8, name12, "name of VCA 8"}, {9, name11, ""}, {9, name12, ""}};
  ShowSubmix(8);
  for (auto &c : cases) {
    ShowBank(c.bank);
    const std::string before = Model();
    SetStatus("kept");
    Set(c.field, "Kick in");
    EXPECT_EQ(Changed(before), c.changed);
    EXPECT_EQ(Status(), "kept");
  }
  EXPECT_STREQ(NameBuffer[VcaSlot(8)], "Kick in");
  EXPECT_STREQ(NameInEffects->value(), "Kick in") << "the effects window shows the new name";
}

TEST_F(FadersNamesTest, NamesAreStoredVerbatimExceptTabsAndLineBreaks) {
  const std::string x300(300, 'x'), x61(61, 'x'), x62(62, 'x');
  struct {
    Fl_Input *field;
    std::string typed;
    const char *stored;
    std::string want;
  } cases[] = {{name1, "100% %s %n", NameBuffer[1], "100% %s %n"},
               {name2, "Bass\tDI\nleft\r", NameBuffer[2], "Bass DI left "},
               {CueName, "Verse\t%d", CueNameBuffer[0], "Verse %d"},
               {MixNameInput, "Final\tmix", MixName, "Final mix"},
               {name5, x300, NameBuffer[5], std::string(127, 'x')},
               {CueName, x300, CueNameBuffer[0], std::string(63, 'x')},
               {CueName, x62 + "\xC3\xA4\xC3\xA4", CueNameBuffer[0], x62},  // no half character
               {CueName, x61 + "\xC3\xA4\xC3\xA4", CueNameBuffer[0], x61 + "\xC3\xA4"}};
  for (auto &c : cases) {
    Set(c.field, c.typed.c_str());
    EXPECT_EQ(c.stored, c.want);
    EXPECT_EQ(c.field->value(), c.want) << "the field shows what was stored";
  }
  EXPECT_EQ(CueNameBuffer[1][0], 0);
}

TEST_F(FadersNamesTest, ThePathGoesToTheChannelWhoseButtonOpenedTheChooser) {
  std::string a = Track("a.wav"), b = Track("b.wav");
  ShowBank(3);
  Fire(browse4);
  Fl_File_Chooser *first = CH;
  ShowBank(5);  // the bank changes while the chooser is open
  Fire(browse2);
  ASSERT_NE(first, CH);
  EXPECT_EQ(BrowseNumber, 2);
  Pick(first, a);
  Pick(CH, b);
  EXPECT_EQ(NameBuffer[24], a);
  EXPECT_EQ(NameBuffer[42], b);
  EXPECT_EQ(name2->value(), b);
  EXPECT_EQ(NameBuffer[44][0] + NameBuffer[22][0], 0);
  first->hide(), CH->hide();
}

TEST_F(FadersNamesTest, AChooserWithoutAFileOrWithATooLongPathChangesNothing) {
  Fire(browse1);
  const std::string before = Model();
  Set_File(CH, CH->user_data());  // it names only its folder
  ASSERT_EQ(mkdir(std::string(120, 'd').c_str(), 0700), 0);
  Pick(CH, Track(std::string(120, 'd') + "/take.wav"));
  EXPECT_EQ(Changed(before), "");
  EXPECT_EQ(Status(), "Path longer than 127 characters: track name unchanged");
  CH->hide();
}
