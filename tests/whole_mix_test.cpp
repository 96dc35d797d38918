// The whole road: edits in every window, "Store All", a model reset and a scramble
// of every control, "Recall All": the three files are these bytes, every window
// shows the mix again where it was edited, and a second "Store All" writes the same;
// all of it under a comma-decimal locale, as a library may set one.
#include <clocale>

#include "testutil.h"

using WholeMixTest = ConsoleTest;

namespace {

void Edit() {
  Set(MixNameInput, "Sunday\tMix");
  // Faders: submix 1 and the master at time index 1; channel 13 and the master at 2.
  ShowBank(1, 1);
  Set(name11, "Drums"), Set(pan11, 20), Set(mute11, 1), Set(pan13, 10);
  ShowBank(2, 2);
  Set(IndexActive, 1), Set(CueName, "Chorus");
  GuiMin->value(1), GuiSec->value(30.5), Set(GuiMsec, 250);
  Set(A3, 1), Set(vol3, -6), Set(ofs3, 0.25), Set(ramp3, 2), Set(shape3, 0.5), Set(pan3, -30);
  Set(name3, "Lead Vox"), Set(solo3, 1), Set(A13, 1), Set(vol13, -3.5);
  ShowBank(3, 2), Set(vol4, -9);  // auto off: not written
  ShowBank(2, 4), Set(A3, 1), Set(vol3, -12);  // an inactive cue: not written
  // Effects of channel 13, submix 4 and the master.
  Set(RegularNum, 13), Set(comp1, -12.3), Set(comp0, 1);
  Set(lshelf0, 1);  // its stored 500 Hz, beyond the slider
  Set(trev_send, -4.5), Set(trev_state, 1);
  ShowSubmix(4);
  Set(hpass1, 120), Set(hpass0, 1), Set(band1_2, 3.5), Set(band1_0, 1);
  Set(rev_send, -9), Set(rev_state, 1);
  Set(SelectMasterChannel, 1);
  Set(fxg1, -2.5), Set(fxg0, 1), Set(rev_send, -6), Set(rev_state, 1);
  Set(rev_width, 80), Set(Rev_HP1, 220), Set(Rev_HP0, 1), Set(trev_taps, 7), Set(rev_rtn, -3.2);
  // Routing: channel 1 to submixes 1 and 7, 6 and 7 to submix 3, 13 to submixes 2 and 5
  // and to VCA 1; submix 8 and VCA 8 lose their only member again.
  Set(SubBank, 1), Set(sub_button_A1, 1), Set(sub_button_A7, 1);
  Set(SubBank, 2), Set(sub_button_A3, 1), Set(sub_button_B3, 1);
  Set(sub_button_B8, 1), Set(sub_button_B8, 0);
  Set(SubBank, 3), Set(sub_button_C2, 1), Set(sub_button_C5, 1);
  Set(VcaBank, 3), Set(vca_button_C1, 1), Set(vca_button_C8, 1), Set(vca_button_C8, 0);
  // Preferences: seconds are not carried into minutes, names lose their tabs.
  Set(PreOn, 1), Set(Preview_Min, 2), Set(Preview_Sec, 75), Set(Preview_Msec, 7);
  Set(Preview_Length, 30), Set(Xin_Sec, 1.25), Set(Xout_Min, 2), Set(Xout_Msec, 7);
  Set(head, 0.5), Set(tail, 0.125), Set(panlaw, 4.5), Set(dither, 3), Set(bgcolor, 120);
  Set(outbits16button, 1), Set(monobutton, 1), Set(PathDisplay, "/opt/\tengine/");
  Set(WavDirDisplay, "/my wavs"), Set(MixDirDisplay, "m"), Set(LaunchDisplay, "play\t-q");
}

// Every window at the places edited; the last is where they stand at the recall.
std::string Views() {
  ShowBank(1, 1), Set(SubBank, 1), Set(VcaBank, 1), Set(RegularNum, 13);
  Set(SelectRegularChannel, 1);
  std::string v = Shown();
  ShowBank(2, 2), Set(SubBank, 2), Set(VcaBank, 3), Set(SelectMasterChannel, 1);
  v += Shown();
  Set(SubBank, 3), ShowSubmix(4);
  return v + Shown();
}

const char Faders[] =
    "Sunday Mix\n# my notes\n\n"
    "subname\t1\tDrums\nsub\t1\t1\nsubname\t2\tSubmix 2\nsub\t2\t13\nsubname\t3\tSubmix 3\n"
    "sub\t3\t6,7\nsubname\t5\tSubmix 5\nsub\t5\t13\nsubname\t7\tSubmix 7\nsub\t7\t1\n\n\n"
    "vcaname\t1\tVCA 1\nVCA:\t1\t13\n\n"
    "comp\t13\t-12.3\t10.0\t100.0\t1.5\nlshelf\t13\t500.0\t0.0\t1.0\ntrev\t13\t-4.5\n\n"
    "hp\tG\t4\t120.0\nband1\tG\t4\t500.0\t3.5\t1.0\nrev\tG\t4\t-9.0\n\n"
    "fxg\tM\t-2.5\nrev\tM\t-6.0\n\n"
    "rtn\t-3.2\t150.0\ntrtn\t0.0\t150.0\t7.0\nrhp\t220\nwidth\t80\npos\t37\t39\t43\n\n"
    "\np\t13\t-30\np\tG\t1\t20\np\tM\t10\n\n"
    "\n\nt\t0\t0.000\t0\n"
    "\n\ncue\tChorus\n\nt\t1\t30.500\t250\nv\t13\t-6.00\nofs\t0.250\nrmp\t2.000\nshape\t0.500\n"
    "v\tM\t-3.50\n"
    "\nsubmu\t1\nend\n";
const char Prefs[] =
    "pre\ton\nstart\t2.000\t75.000\t7\nlength\t30.000\nxin\t0.000\t1.250\t0.000\n"
    "xout\t2.000\t0.000\t7.000\nhead\t0.500\ntail\t0.125\npath\t/opt/ engine/\nmixdir\tm\n"
    "wavdir\t/my wavs\npan\t4.5\noutbits\t16\ndither\t3\nmono\ncolor\t120\nlaunch\tplay -q\nend\n";
const char Tracks[] =
    "1 ---- off\n2 ---- off\n3 ---- off\n4 ---- off\n5 ---- off\n6 ---- off\n7 ---- off\n8 ---- off\n"
    "9 ---- off\n10 ---- off\n11 ---- off\n12 ---- off\n13 Lead Vox ++\nend\n";

}  // namespace

TEST_F(WholeMixTest, StoreResetRecallShowsTheMixEverywhere) {
  if (!setlocale(LC_ALL, "de_DE.UTF-8")) printf("no de_DE.UTF-8 locale: the files are made under C only\n");
  WriteFile("faders.txt", "old name\n# my notes\n");
  Known("faders.txt");
  Edit();
  SaveAll();
  EXPECT_EQ(Status(), "Save Complete");
  EXPECT_EQ(ReadFile("faders.txt"), Faders);
  EXPECT_EQ(ReadFile("prefs.txt"), Prefs);
  EXPECT_EQ(ReadFile("tracks.txt"), Tracks);
  const std::string shown = Views(), last = Shown();

  ClearInternalArrays();
  Fire(GroupNum);  // the effects window still shows submix 4
  Scramble();
  RecallAll();
  EXPECT_EQ(Status(), "Read " + std::to_string(strlen(Prefs)) + " bytes from prefs.txt");
  EXPECT_EQ(CNL, SubSlot(4));
  EXPECT_EQ(Shown(), last);
  EXPECT_EQ(Views(), shown);

  SaveAll();
  EXPECT_EQ(ReadFile("faders.txt"), Faders);
  EXPECT_EQ(ReadFile("prefs.txt"), Prefs);
  EXPECT_EQ(ReadFile("tracks.txt"), Tracks);
  setlocale(LC_ALL, "C");
}
