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
};

Side Subs() {
  return {SubWindow, SubBank, {sub_ch_A, sub_ch_B, sub_ch_C, sub_ch_D, sub_ch_E},
          {sub_text_A, sub_text_B, sub_text_C, sub_text_D, sub_text_E}, SubAsn, SubOn};
}

Side Vcas() {
  return {VCAWindow, VcaBank, {vca_ch_A, vca_ch_B, vca_ch_C, vca_ch_D, vca_ch_E},
          {vca_text_A, vca_text_B, vca_text_C, vca_text_D, vca_text_E}, VcaAsn, VcaOn};
}

// The toggle of row i (0..4 for A..E), column n (1..8), by creation order.
Fl_Round_Button *Toggle(const Side &s, int i, int n) {
  return (Fl_Round_Button *)s.window->child(i * 10 + n - 1);
}

void Click(const Side &s, int i, int n, int on) { Set(Toggle(s, i, n), on); }

int Asn(const Side &s, int row, int col) { return s.asn[row * NGROUPS + col]; }

}  // namespace

TEST_F(RoutingTest, AClickAssignsTheShownChannelAndInUseFollowsTheWholeTable) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.window->label());
    Set(s.bank, 3);
    SetStatus("%s", "Save Complete");
    Click(s, 2, 5, 1);
    EXPECT_EQ(Asn(s, 12, 4), 1);  // channel 13, column 5
    EXPECT_EQ(Toggle(s, 2, 5), s.window == SubWindow ? sub_button_C5 : vca_button_C5);
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
    SCOPED_TRACE(s.window->label());
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

TEST_F(RoutingTest, NameBoxesShowNamesAndChangeNone) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.window->label());
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
