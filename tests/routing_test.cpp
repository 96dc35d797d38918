// The submix and VCA matrices.
#include <algorithm>

#include "testutil.h"

using RoutingTest = ConsoleTest;

namespace {

// One of the two twin windows, as the tests see it.
struct Side {
  Fl_Double_Window *window;
  Fl_Spinner *bank;
  Fl_Value_Output *first, *last;  // the channel numbers of rows A and E
  Fl_Input *text[5];
  int *asn, *on;
};

const std::vector<Side> Sides() {
  return {{SubWindow, SubBank, sub_ch_A, sub_ch_E, {sub_text_A, sub_text_B, sub_text_C, sub_text_D, sub_text_E},
           SubAsn, SubOn},
          {VCAWindow, VcaBank, vca_ch_A, vca_ch_E, {vca_text_A, vca_text_B, vca_text_C, vca_text_D, vca_text_E},
           VcaAsn, VcaOn}};
}

// Clicks the toggle of row i (0..4 for A..E), column n (1..8), found by creation order.
void Click(const Side &s, int i, int n, int on) {
  Set((Fl_Round_Button *)s.window->child(i * 10 + n - 1), on);
}

}  // namespace

// Which channel a click assigns, and a group losing its only member: the whole-mix test.
TEST_F(RoutingTest, InUseFollowsTheWholeTable) {
  for (const Side &s : Sides()) {
    SCOPED_TRACE(s.window->label());
    Set(s.bank, 3);
    SetStatus("%s", "Save Complete");
    Click(s, 2, 5, 1), Click(s, 2, 5, 0);
    EXPECT_EQ(Status(), "");
    s.on[6] = 1;                   // in use as a recall left it, with no member
    s.asn[100 * NGROUPS + 1] = 1;  // channel 101, outside the bank
    Click(s, 4, 1, 1);
    EXPECT_EQ(Ints(s.on, s.on + 7), Ints({1, 1, 0, 0, 0, 0, 0}));
  }
}

TEST_F(RoutingTest, ClicksStoreOnlyTheShownRowsOfABank) {
  for (const Side &s : Sides()) {
    SCOPED_TRACE(s.window->label());
    // Rows 120..126 are channels 121..127, past the last bank's.
    for (int r : {0, 4, 10, 60, 119, 120, NCHANNELS - 1}) s.asn[r * NGROUPS + 7] = 1;
    s.on[7] = 1;
    const std::string before = Model();
    Set(s.bank, 2);  // channels 6..10
    for (int n = 1; n <= 8; n++) Click(s, 1, n, n != 8);
    Click(s, 1, 4, 0);
    EXPECT_EQ(Ints(s.asn + 6 * NGROUPS, s.asn + 7 * NGROUPS), Ints({1, 1, 1, 0, 1, 1, 1, 0}));
    std::fill(s.asn + 6 * NGROUPS, s.asn + 7 * NGROUPS, 0), std::fill(s.on, s.on + 7, 0);
    EXPECT_EQ(Changed(before), "");
    ((Fl_Button *)s.window->child(0))->value(1);  // not clicked: a bank change stores nothing
    Set(s.bank, 24);
    EXPECT_EQ(Values({s.first, s.last, s.window->child(4 * 10 + 7)}), "116 120 1");
    EXPECT_EQ(Changed(before), "");
    // The bank spinner wraps at its ends and holds typed and set values to the table.
    Set(s.bank, 1);
    Fire(s.bank->child(2));  // down from 1
    EXPECT_EQ(s.first->value(), 116);
    Fire(s.bank->child(1));  // up from 24
    EXPECT_EQ(s.last->value(), 5);
    Set((Fl_Input *)s.bank->child(0), "30");  // typed
    EXPECT_EQ(Values({s.bank, s.last}), "24 120");
    Set(s.bank, 40);  // set by the program rather than the user: still held to the table
    Click(s, 4, 2, 1);
    EXPECT_EQ(s.asn[119 * NGROUPS + 1], 1);
    Set(s.bank, -3);
    EXPECT_EQ(s.first->value(), 1);
  }
}

TEST_F(RoutingTest, NameBoxesShowNamesAndChangeNone) {
  for (const Side &s : Sides()) {
    SCOPED_TRACE(s.window->label());
    CopyName(NameBuffer[13], "Kick In", sizeof NameBuffer[13]);
    Set(s.bank, 3);
    Set(s.text[2], "Snare");
    Click(s, 0, 1, 1);
    EXPECT_STREQ(NameBuffer[13], "Kick In");
    EXPECT_STREQ(s.text[2]->value(), "Kick In");
  }
}
