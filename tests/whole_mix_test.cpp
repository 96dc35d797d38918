// The whole road: edits in every window, "Store All", a model reset, "Recall All":
// every window shows again what the three files carry, and a second "Store All"
// writes the same three files.
#include "testutil.h"

using WholeMixTest = ConsoleTest;

TEST_F(WholeMixTest, StoreResetRecallShowsTheMixEverywhere) {
  // Faders: bank 2, time index 5: channel 13 at -6 dB with a ramp, named, panned, soloed.
  Set(Bank, 2), Set(TimeIndex, 5), Set(IndexActive, 1), Set(GuiSec, 12.5);
  Set(CueName, "chorus"), Set(A3, 1), Set(vol3, -6), Set(ramp3, 0.25), Set(pan3, -40);
  Set(name3, "Lead Vox"), Set(solo3, 1);
  Set(name11, "Drums"), Set(mute11, 1);  // submix 2
  Set(A13, 1), Set(vol13, -1.5);         // the master at this cue
  Set(MixNameInput, "Sunday Mix");
  // Effects: a compressor on channel 13, a reverb send on submix 2.
  Set(RegularNum, 13), Set(comp1, -12), Set(comp0, 1);
  Set(SelectGroupChannel, 1), Set(GroupNum, 2), Set(rev_send, -9), Set(rev_state, 1);
  // Reverb: width and the high-pass.
  Set(rev_width, 80), Set(Rev_HP1, 200), Set(Rev_HP0, 1);
  // Routing: channel 13 to submix 2 and VCA 1.
  Set(SubBank, 3), Set(sub_button_C2, 1), Set(VcaBank, 3), Set(vca_button_C1, 1);
  // Preferences.
  Set(PreOn, 1), Set(Preview_Length, 30), Set(outbits16button, 1), Set(monobutton, 1);
  Set(PathDisplay, "/opt/engine/"), Set(bgcolor, 120);

  SaveAll();
  EXPECT_EQ(Status(), "Save Complete");
  UpdateGUI();  // the tracks file named and muted channels 11 and 12 as "----"
  const std::string shown = Shown();
  const std::string faders = ReadFile("faders.txt"), prefs = ReadFile("prefs.txt"),
                    tracks = ReadFile("tracks.txt");
  EXPECT_NE(faders.find("\nt\t0\t12.500\t0\nv\t13\t-6.00\nrmp\t0.250\nv\tM\t-1.50\n"),
            std::string::npos);
  EXPECT_NE(faders.find("subname\t2\tDrums\nsub\t2\t13\n"), std::string::npos);
  EXPECT_NE(faders.find("comp\t13\t-12.0\t10.0\t100.0\t1.5\n"), std::string::npos);
  EXPECT_NE(tracks.find("13 Lead Vox ++\n"), std::string::npos);

  ClearInternalArrays();
  Fire(GroupNum);  // the effects window still shows submix 2
  Scramble();
  RecallAll();
  EXPECT_EQ(Status(), "Read " + std::to_string(prefs.size()) + " bytes from prefs.txt");
  Set(TimeIndex, 2);  // cues come back in file order: cue 4 was the second in use
  EXPECT_EQ(Shown(), shown);

  SaveAll();
  EXPECT_EQ(ReadFile("faders.txt"), faders);
  EXPECT_EQ(ReadFile("prefs.txt"), prefs);
  EXPECT_EQ(ReadFile("tracks.txt"), tracks);
}
