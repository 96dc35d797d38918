// The submix and VCA matrices.
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Output.H>

#include <cstring>
#include <string>

#include "app/app.h"
#include "faderfile/faderfile.h"
#include "model/model.h"
#include "routing/routing.h"
#include "testutil.h"

class RoutingTest : public ConsoleTest {};

namespace {

// One side of the console, as the tests see it.
struct Side {
  Fl_Double_Window *window;
  Fl_Spinner *bank;
  Fl_Value_Output *ch[5];
  Fl_Input *text[5];
  int *asn, *on;
  const char *title, *heading;
};

Side Subs() {
  return {SubWindow, SubBank, {sub_ch_A, sub_ch_B, sub_ch_C, sub_ch_D, sub_ch_E},
          {sub_text_A, sub_text_B, sub_text_C, sub_text_D, sub_text_E},
          SubAsn, SubOn, "Submix Matrix", "Submix Assignments"};
}

Side Vcas() {
  return {VCAWindow, VcaBank, {vca_ch_A, vca_ch_B, vca_ch_C, vca_ch_D, vca_ch_E},
          {vca_text_A, vca_text_B, vca_text_C, vca_text_D, vca_text_E},
          VcaAsn, VcaOn, "VCA Matrix", "VCA Assignments"};
}

// The toggle of row i (0..4 for A..E), column n (1..8), found by creation order.
Fl_Round_Button *Toggle(const Side &s, int i, int n) {
  return (Fl_Round_Button *)s.window->child(i * 10 + n - 1);
}

void Bank(const Side &s, int bank) {
  s.bank->value(bank);
  Fire(s.bank);
}

void Click(const Side &s, int i, int n, int on) {
  Toggle(s, i, n)->value(on);
  Fire(Toggle(s, i, n));
}

int Asn(const Side &s, int row, int col) { return s.asn[row * NGROUPS + col]; }

}  // namespace

TEST_F(RoutingTest, WindowsAreBuiltAsLaidOut) {
  const int rowY[] = {74, 114, 154, 194, 234};
  const int colX[] = {208, 238, 269, 300, 331, 362, 393, 424};
  for (const Side &s : {Subs(), Vcas()}) {
    Fl_Double_Window *w = s.window;
    SCOPED_TRACE(s.title);
    EXPECT_STREQ(w->label(), s.title);
    EXPECT_EQ(w->w(), 460);
    EXPECT_EQ(w->h(), 280);
    EXPECT_EQ(w->color(), 97u);
    EXPECT_EQ(w->when(), 1);
    EXPECT_EQ(w->resizable(), nullptr);
    EXPECT_FALSE(w->visible());
    ASSERT_EQ(w->children(), 52);
    for (int i = 0; i < 5; i++) {
      for (int n = 1; n <= 8; n++) {
        Fl_Round_Button *b = Toggle(s, i, n);
        EXPECT_EQ(b->x(), colX[n - 1]);
        EXPECT_EQ(b->y(), rowY[i] + 3);
        EXPECT_EQ(b->w(), 17);
        EXPECT_EQ(b->h(), 15);
        EXPECT_EQ(b->label(), std::to_string(n));
        EXPECT_EQ(b->align(), FL_ALIGN_TOP);
        EXPECT_EQ(b->down_box(), FL_DOWN_BOX);
        EXPECT_EQ(b->labelcolor(), 175u);
        EXPECT_EQ(b->type(), FL_TOGGLE_BUTTON);
        EXPECT_EQ(b->value(), 0);
      }
      Fl_Widget *ch = w->child(i * 10 + 8), *text = w->child(i * 10 + 9);
      EXPECT_EQ(ch, (Fl_Widget *)s.ch[i]);
      EXPECT_EQ(text, (Fl_Widget *)s.text[i]);
      EXPECT_TRUE(ch->x() == 20 && ch->y() == rowY[i] && ch->w() == 30 && ch->h() == 18);
      EXPECT_TRUE(text->x() == 65 && text->y() == rowY[i] && text->w() == 120 && text->h() == 18);
      EXPECT_EQ(ch->label(), nullptr);
      EXPECT_EQ(text->label(), nullptr);
      EXPECT_EQ(ch->when(), 3);
      EXPECT_EQ(text->when(), 0);
      EXPECT_EQ(s.ch[i]->textsize(), 12);
      EXPECT_EQ(s.text[i]->textsize(), 12);
    }
    EXPECT_EQ(w->child(50), (Fl_Widget *)s.bank);
    Fl_Spinner *bank = s.bank;
    EXPECT_TRUE(bank->x() == 20 && bank->y() == 30 && bank->w() == 40 && bank->h() == 24);
    EXPECT_STREQ(bank->label(), "Bank");
    EXPECT_EQ(bank->align(), 5);
    EXPECT_EQ(bank->labelsize(), 12);
    EXPECT_EQ(bank->labelcolor(), 175u);
    EXPECT_EQ(bank->textsize(), 12);
    EXPECT_EQ(bank->minimum(), 1);
    EXPECT_EQ(bank->maximum(), 24);
    EXPECT_EQ(bank->step(), 1);
    EXPECT_EQ(bank->value(), 1);
    EXPECT_EQ(bank->when(), 1);
    Fl_Widget *heading = w->child(51);
    EXPECT_STREQ(heading->label(), s.heading);
    EXPECT_TRUE(heading->x() == 306 && heading->y() == 26 && heading->w() == 35 &&
                heading->h() == 16);
    EXPECT_EQ(heading->labelcolor(), 175u);
  }
  // The named toggles are the ones at their row and column.
  EXPECT_EQ(sub_button_A1, Toggle(Subs(), 0, 1));
  EXPECT_EQ(sub_button_C5, Toggle(Subs(), 2, 5));
  EXPECT_EQ(sub_button_E8, Toggle(Subs(), 4, 8));
  EXPECT_EQ(vca_button_B2, Toggle(Vcas(), 1, 2));
  EXPECT_EQ(vca_button_D7, Toggle(Vcas(), 3, 7));
}

TEST_F(RoutingTest, ShowAndHideFromTheControlWindow) {
  ShowSubs();
  ShowVCAs();
  EXPECT_TRUE(SubWindow->visible());
  EXPECT_TRUE(VCAWindow->visible());
  HideSubs();
  HideVCAs();
  EXPECT_FALSE(SubWindow->visible());
  EXPECT_FALSE(VCAWindow->visible());
}

TEST_F(RoutingTest, ToggleAssignsTheShownChannel) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.title);
    Bank(s, 3);
    EXPECT_EQ(s.ch[2]->value(), 13);
    SetStatus("%s", "Save Complete");
    Click(s, 2, 5, 1);
    EXPECT_EQ(Asn(s, 12, 4), 1);
    EXPECT_EQ(s.on[4], 1);
    EXPECT_EQ(s.ch[2]->value(), 13);
    EXPECT_EQ(Toggle(s, 2, 5)->value(), 1);
    EXPECT_EQ(Status(), "");
    int set = 0;
    for (int e = 0; e < NROWS * NGROUPS; e++) set += s.asn[e];
    EXPECT_EQ(set, 1);
  }
  // Each window wrote only its own table.
  EXPECT_EQ(sub_button_C5->value(), 1);
  EXPECT_EQ(vca_button_C5->value(), 1);
  EXPECT_EQ(SubOn[0] + SubOn[1] + SubOn[2] + SubOn[3], 0);
}

TEST_F(RoutingTest, InUseFlagsFollowTheWholeTable) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.title);
    Bank(s, 2);
    Click(s, 0, 3, 1);  // channel 6, column 3
    EXPECT_EQ(s.on[2], 1);
    Click(s, 0, 3, 0);  // the only member goes: the flag goes
    EXPECT_EQ(Asn(s, 5, 2), 0);
    EXPECT_EQ(s.on[2], 0);
    // In use as a recall left it, with no member: the next click clears it.
    s.on[6] = 1;
    s.asn[100 * NGROUPS + 1] = 1;  // channel 101, outside the bank
    Click(s, 4, 1, 1);
    EXPECT_EQ(s.on[6], 0);
    EXPECT_EQ(s.on[1], 1);
    EXPECT_EQ(s.on[0], 1);
  }
}

TEST_F(RoutingTest, ClicksStoreOnlyTheShownRows) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.title);
    int rows[] = {0, 4, 10, 60, 119, 120, 123, 126};  // 120..126: channels 121..127
    for (int r : rows) s.asn[r * NGROUPS + 7] = 1;
    Bank(s, 2);  // channels 6..10
    for (int n = 1; n <= 8; n++) Click(s, 1, n, 1);
    Click(s, 1, 4, 0);
    for (int r : rows) EXPECT_EQ(Asn(s, r, 7), 1) << r;
    EXPECT_EQ(Asn(s, 5, 7), 0);
    for (int n = 0; n < 8; n++) EXPECT_EQ(Asn(s, 6, n), n == 3 ? 0 : 1);
    // A bank change stores nothing.
    Toggle(s, 0, 1)->value(1);
    Bank(s, 24);
    EXPECT_EQ(s.ch[0]->value(), 116);
    EXPECT_EQ(s.ch[4]->value(), 120);
    EXPECT_EQ(Toggle(s, 4, 8)->value(), 1);  // channel 120
    EXPECT_EQ(Asn(s, 5, 0), 0);
  }
}

TEST_F(RoutingTest, BankSpinnerWrapsAndClamps) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.title);
    Fl_Input *typed = (Fl_Input *)s.bank->child(0);
    Fl_Widget *up = s.bank->child(1), *down = s.bank->child(2);
    Fire(down);
    EXPECT_EQ(s.bank->value(), 24);
    EXPECT_EQ(s.ch[0]->value(), 116);
    Fire(up);
    EXPECT_EQ(s.ch[4]->value(), 5);
    typed->value("30");
    Fire(typed);
    EXPECT_EQ(s.bank->value(), 24);
    EXPECT_EQ(s.ch[4]->value(), 120);
    typed->value("7");
    Fire(typed);
    EXPECT_EQ(s.ch[0]->value(), 31);
  }
}

// Set by the program rather than the user: still held to the table.
TEST_F(RoutingTest, BankOutsideItsRangeStaysInTheTable) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.title);
    Bank(s, 40);
    EXPECT_EQ(s.ch[0]->value(), 116);
    Click(s, 4, 2, 1);
    EXPECT_EQ(Asn(s, 119, 1), 1);
    EXPECT_EQ(Asn(s, 127, 1), 0);
    Bank(s, -3);
    EXPECT_EQ(s.ch[0]->value(), 1);
    Click(s, 0, 2, 1);
    EXPECT_EQ(Asn(s, 0, 1), 1);
  }
}

TEST_F(RoutingTest, AChannelInManyColumnsAndBothMatrices) {
  Bank(Subs(), 2);
  Bank(Vcas(), 2);
  Click(Subs(), 1, 1, 1);  // channel 7
  Click(Subs(), 1, 3, 1);
  Click(Subs(), 1, 8, 1);
  Click(Vcas(), 1, 3, 1);
  Click(Vcas(), 1, 6, 1);
  int subs[] = {1, 0, 1, 0, 0, 0, 0, 1}, vcas[] = {0, 0, 1, 0, 0, 1, 0, 0};
  for (int k = 0; k < 8; k++) {
    EXPECT_EQ(SubAsn[6 * NGROUPS + k], subs[k]) << k;
    EXPECT_EQ(SubOn[k], subs[k]) << k;
    EXPECT_EQ(VcaAsn[6 * NGROUPS + k], vcas[k]) << k;
    EXPECT_EQ(VcaOn[k], vcas[k]) << k;
    EXPECT_EQ(Toggle(Subs(), 1, k + 1)->value(), subs[k]);
    EXPECT_EQ(Toggle(Vcas(), 1, k + 1)->value(), vcas[k]);
  }
}

TEST_F(RoutingTest, NameBoxesShowNamesAndChangeNone) {
  for (const Side &s : {Subs(), Vcas()}) {
    SCOPED_TRACE(s.title);
    CopyName(NameBuffer[13], "Kick In", sizeof NameBuffer[13]);
    Bank(s, 3);
    EXPECT_STREQ(s.text[2]->value(), "Kick In");
    EXPECT_STREQ(s.text[0]->value(), "");
    s.text[2]->value("Snare");
    Fire(s.text[2]);
    EXPECT_STREQ(NameBuffer[13], "Kick In");
    Click(s, 0, 1, 1);
    EXPECT_STREQ(s.text[2]->value(), "Kick In");
    // Renamed elsewhere: shown at the next refresh.
    CopyName(NameBuffer[15], "Bass DI", sizeof NameBuffer[15]);
    s.bank->do_callback();
    EXPECT_STREQ(s.text[4]->value(), "Bass DI");
  }
}
