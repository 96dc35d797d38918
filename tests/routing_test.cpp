// The submix and VCA matrices.
#include <algorithm>

#include "testutil.h"

using RoutingTest = ConsoleTest;

namespace {

// One of the two twin windows, as the tests see it.
struct Side {
  Fl_Double_Window *window;
  Fl_Spinner *bank;
  Fl_Value_Output *ch[5];
  Fl_Input *text[5];
  int *asn, *on;
  const char *heading;
};

Side Subs() {
  return {SubWindow, SubBank, {sub_ch_A, sub_ch_B, sub_ch_C, sub_ch_D, sub_ch_E},
          {sub_text_A, sub_text_B, sub_text_C, sub_text_D, sub_text_E}, SubAsn, SubOn,
          "Submix Assignments"};
}

Side Vcas() {
  return {VCAWindow, VcaBank, {vca_ch_A, vca_ch_B, vca_ch_C, vca_ch_D, vca_ch_E},
          {vca_text_A, vca_text_B, vca_text_C, vca_text_D, vca_text_E}, VcaAsn, VcaOn,
          "VCA Assignments"};
}

// The toggle of row i (0..4 for A..E), column n (1..8), by creation order.
Fl_Round_Button *Toggle(const Side &s, int i, int n) {
  return (Fl_Round_Button *)s.window->child(i * 10 + n - 1);
}

void Click(const Side &s, int i, int n, int on) { Set(Toggle(s, i, n), on); }

int Asn(const Side &s, int row, int col) { return s.asn[row * NGROUPS + col]; }

}  // namespace

// The toggles row by row, then the row's number and name, are the focus order.
TEST_F(RoutingTest, WindowsAreBuiltInFocusOrder) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.heading);
    ASSERT_EQ(s.window->children(), 52);
    for (int i = 0; i < 5; i++) {
      EXPECT_EQ(s.window->child(i * 10 + 8), (Fl_Widget *)s.ch[i]);
      EXPECT_EQ(s.window->child(i * 10 + 9), (Fl_Widget *)s.text[i]);
    }
    EXPECT_EQ(s.window->child(50), (Fl_Widget *)s.bank);
    EXPECT_TRUE(s.bank->minimum() == 1 && s.bank->maximum() == 24 && s.bank->value() == 1);
  }
  EXPECT_EQ(sub_button_C5, Toggle(Subs(), 2, 5));
  EXPECT_EQ(vca_button_D7, Toggle(Vcas(), 3, 7));
  EXPECT_TRUE(sub_button_C5->x() == 331 && sub_button_C5->y() == 157);
}

TEST_F(RoutingTest, AClickAssignsTheShownChannelAndInUseFollowsTheWholeTable) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.heading);
    Set(s.bank, 3);
    SetStatus("%s", "Save Complete");
    Click(s, 2, 5, 1);
    EXPECT_EQ(Asn(s, 12, 4), 1);  // channel 13, column 5
    EXPECT_EQ(s.on[4], 1);
    EXPECT_EQ(s.ch[2]->value(), 13);
    EXPECT_EQ(Status(), "");
    const int set = std::count(s.asn, s.asn + NROWS * NGROUPS, 1);
    EXPECT_EQ(set + std::count(s.on, s.on + NGROUPS, 1), 2);
    Click(s, 2, 5, 0);  // its only member goes: the flag goes
    EXPECT_EQ(Asn(s, 12, 4) + s.on[4], 0);
    s.on[6] = 1;                   // in use as a recall left it, with no member
    s.asn[100 * NGROUPS + 1] = 1;  // channel 101, outside the bank
    Click(s, 4, 1, 1);
    EXPECT_TRUE(s.on[6] == 0 && s.on[1] == 1 && s.on[0] == 1);
  }
}

TEST_F(RoutingTest, ClicksStoreOnlyTheShownRowsOfABank) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.heading);
    const int rows[] = {0, 4, 10, 60, 119, 120, 126};  // 120..126: channels 121..127
    for (int r : rows) s.asn[r * NGROUPS + 7] = 1;
    Set(s.bank, 2);  // channels 6..10
    for (int n = 1; n <= 8; n++) Click(s, 1, n, 1);
    Click(s, 1, 4, 0);
    for (int r : rows) EXPECT_EQ(Asn(s, r, 7), 1) << r;
    for (int n = 0; n < 8; n++) EXPECT_EQ(Asn(s, 6, n), n != 3);
    EXPECT_EQ(Asn(s, 5, 7), 0);
    Toggle(s, 0, 1)->value(1);  // not clicked: a bank change stores nothing
    Set(s.bank, 24);
    EXPECT_TRUE(s.ch[0]->value() == 116 && s.ch[4]->value() == 120);
    EXPECT_EQ(Toggle(s, 4, 8)->value(), 1);
    EXPECT_EQ(Asn(s, 5, 0), 0);
    // The bank spinner wraps at its ends and holds typed and set values to the table.
    Set(s.bank, 1);
    Fire(s.bank->child(2));  // down from 1
    EXPECT_EQ(s.ch[0]->value(), 116);
    Fire(s.bank->child(1));  // up from 24
    EXPECT_EQ(s.ch[4]->value(), 5);
    Set((Fl_Input *)s.bank->child(0), "30");  // typed
    EXPECT_EQ(s.bank->value(), 24);
    EXPECT_EQ(s.ch[4]->value(), 120);
    // Set by the program rather than the user: still held to the table.
    Set(s.bank, 40);
    Click(s, 4, 2, 1);
    EXPECT_EQ(Asn(s, 119, 1), 1);
    Set(s.bank, -3);
    EXPECT_EQ(s.ch[0]->value(), 1);
  }
}

TEST_F(RoutingTest, AChannelInManyColumnsAndBothMatrices) {
  Set(SubBank, 2);
  Set(VcaBank, 2);
  for (int n : {1, 3, 8}) Click(Subs(), 1, n, 1);  // channel 7
  for (int n : {3, 6}) Click(Vcas(), 1, n, 1);
  const int subs[] = {1, 0, 1, 0, 0, 0, 0, 1}, vcas[] = {0, 0, 1, 0, 0, 1, 0, 0};
  for (int k = 0; k < 8; k++) {
    EXPECT_TRUE(SubAsn[6 * NGROUPS + k] == subs[k] && SubOn[k] == subs[k]) << k;
    EXPECT_TRUE(VcaAsn[6 * NGROUPS + k] == vcas[k] && VcaOn[k] == vcas[k]) << k;
    EXPECT_EQ(Toggle(Subs(), 1, k + 1)->value(), subs[k]);
    EXPECT_EQ(Toggle(Vcas(), 1, k + 1)->value(), vcas[k]);
  }
}

TEST_F(RoutingTest, NameBoxesShowNamesAndChangeNone) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.heading);
    CopyName(NameBuffer[13], "Kick In", sizeof NameBuffer[13]);
    Set(s.bank, 3);
    EXPECT_STREQ(s.text[2]->value(), "Kick In");
    Set(s.text[2], "Snare");
    Click(s, 0, 1, 1);
    EXPECT_STREQ(NameBuffer[13], "Kick In");
    EXPECT_STREQ(s.text[2]->value(), "Kick In");
    CopyName(NameBuffer[15], "Bass DI", sizeof NameBuffer[15]);  // renamed elsewhere
    UpdateSubmix();
    UpdateVCA();
    EXPECT_STREQ(s.text[4]->value(), "Bass DI");
  }
}

namespace {

// The fader file that a store writes from a model that holds routing only.
std::string FaderFile(const std::string &subs, const std::string &vcas) {
  return "MixFilename\n\n" + subs + "\n\n" + vcas + "\n\n\n\n\n\n\n" + "\n\nt\t0\t0.000\t0\n" +
         "\nend\n";
}

}  // namespace

TEST_F(RoutingTest, StoredRoutingFollowsTheClicksAndComesBack) {
  WriteFile("faders.txt", "MixFilename\n");
  Set(SubBank, 1);
  Click(Subs(), 0, 7, 1);  // channel 1 to submix 7, out of sight when recalled
  Set(SubBank, 2);
  Set(VcaBank, 2);
  Click(Subs(), 0, 3, 1);  // channel 6 to submix 3
  Click(Subs(), 1, 3, 1);  // channel 7 to submix 3
  Click(Subs(), 1, 8, 1);  // channel 7 to submix 8
  Click(Vcas(), 1, 1, 1);  // channel 7 to VCA 1
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"),
            FaderFile("subname\t3\tSubmix 3\nsub\t3\t6,7\nsubname\t7\tSubmix 7\nsub\t7\t1\n"
                      "subname\t8\tSubmix 8\nsub\t8\t7\n",
                      "vcaname\t1\tVCA 1\nVCA:\t1\t7\n"));
  // Switching off the only member of submix 8 and of VCA 1 drops their records.
  Click(Subs(), 1, 8, 0);
  Click(Vcas(), 1, 1, 0);
  const std::string tables = Bytes({SubAsn, VcaAsn, SubOn, VcaOn}), shown = Shown();
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"),
            FaderFile("subname\t3\tSubmix 3\nsub\t3\t6,7\nsubname\t7\tSubmix 7\nsub\t7\t1\n", ""));

  ClearInternalArrays();
  Scramble();
  StageReadFromFile();
  EXPECT_TRUE(Bytes({SubAsn, VcaAsn, SubOn, VcaOn}) == tables);
  EXPECT_EQ(Shown(), shown);
}

TEST_F(RoutingTest, RecalledRoutingOutsideTheWindowsIsWrittenBack) {
  WriteFile("faders.txt",
            "MixFilename\n# desk notes\nsub\t2\t3,60,121,127\nsub\t4\t\nVCA:\t6\t122,126\nend\n");
  StageReadFromFile();
  EXPECT_EQ(SubOn[3], 1);  // in use with no member, as the file says
  Set(SubBank, 2);
  Click(Subs(), 1, 2, 1);  // channel 7 to submix 2: submix 4 has no member and goes
  Set(VcaBank, 2);
  Click(Vcas(), 2, 6, 1);  // channel 8 to VCA 6
  EXPECT_EQ(SubOn[3], 0);
  StageWriteToFile();
  EXPECT_EQ(ReadFile("faders.txt"),
            "MixFilename\n# desk notes\n" +
                FaderFile("subname\t2\tSubmix 2\nsub\t2\t3,7,60,121,127\n",
                          "vcaname\t6\tVCA 6\nVCA:\t6\t8,122,126\n")
                    .substr(12));
}
