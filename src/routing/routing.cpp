// The submix and VCA assignment windows: two twins built and driven by one
// piece of code. Each shows a bank of five channels, one row per channel,
// with a toggle per submix (or VCA) 1..8.
#include "routing/routing.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Output.H>

#include "model/model.h"
#include "status/status.h"

Fl_Double_Window *SubWindow, *VCAWindow;
Fl_Spinner *SubBank, *VcaBank;

Fl_Value_Output *sub_ch_A, *sub_ch_B, *sub_ch_C, *sub_ch_D, *sub_ch_E;
Fl_Input *sub_text_A, *sub_text_B, *sub_text_C, *sub_text_D, *sub_text_E;
Fl_Round_Button
    *sub_button_A1, *sub_button_A2, *sub_button_A3, *sub_button_A4,
    *sub_button_A5, *sub_button_A6, *sub_button_A7, *sub_button_A8,
    *sub_button_B1, *sub_button_B2, *sub_button_B3, *sub_button_B4,
    *sub_button_B5, *sub_button_B6, *sub_button_B7, *sub_button_B8,
    *sub_button_C1, *sub_button_C2, *sub_button_C3, *sub_button_C4,
    *sub_button_C5, *sub_button_C6, *sub_button_C7, *sub_button_C8,
    *sub_button_D1, *sub_button_D2, *sub_button_D3, *sub_button_D4,
    *sub_button_D5, *sub_button_D6, *sub_button_D7, *sub_button_D8,
    *sub_button_E1, *sub_button_E2, *sub_button_E3, *sub_button_E4,
    *sub_button_E5, *sub_button_E6, *sub_button_E7, *sub_button_E8;

Fl_Value_Output *vca_ch_A, *vca_ch_B, *vca_ch_C, *vca_ch_D, *vca_ch_E;
Fl_Input *vca_text_A, *vca_text_B, *vca_text_C, *vca_text_D, *vca_text_E;
Fl_Round_Button
    *vca_button_A1, *vca_button_A2, *vca_button_A3, *vca_button_A4,
    *vca_button_A5, *vca_button_A6, *vca_button_A7, *vca_button_A8,
    *vca_button_B1, *vca_button_B2, *vca_button_B3, *vca_button_B4,
    *vca_button_B5, *vca_button_B6, *vca_button_B7, *vca_button_B8,
    *vca_button_C1, *vca_button_C2, *vca_button_C3, *vca_button_C4,
    *vca_button_C5, *vca_button_C6, *vca_button_C7, *vca_button_C8,
    *vca_button_D1, *vca_button_D2, *vca_button_D3, *vca_button_D4,
    *vca_button_D5, *vca_button_D6, *vca_button_D7, *vca_button_D8,
    *vca_button_E1, *vca_button_E2, *vca_button_E3, *vca_button_E4,
    *vca_button_E5, *vca_button_E6, *vca_button_E7, *vca_button_E8;

namespace {

enum { ROWS = 5, BANKS = 24 };

// What one matrix window serves: its table and flags, its texts, the named
// globals of its widgets (filled by the builder) and its callbacks.
struct Matrix {
  int *asn, *on;
  const char *title, *heading;
  Fl_Double_Window **window;
  Fl_Spinner **bank;
  Fl_Value_Output **ch[ROWS];
  Fl_Input **text[ROWS];
  Fl_Round_Button **button[ROWS][NGROUPS];  // row A..E, column 1..8
  Fl_Callback *toggled, *banked;
};

Matrix Subs = {
    SubAsn, SubOn, "Submix Matrix", "Submix Assignments", &SubWindow, &SubBank,
    {&sub_ch_A, &sub_ch_B, &sub_ch_C, &sub_ch_D, &sub_ch_E},
    {&sub_text_A, &sub_text_B, &sub_text_C, &sub_text_D, &sub_text_E},
    {{&sub_button_A1, &sub_button_A2, &sub_button_A3, &sub_button_A4,
      &sub_button_A5, &sub_button_A6, &sub_button_A7, &sub_button_A8},
     {&sub_button_B1, &sub_button_B2, &sub_button_B3, &sub_button_B4,
      &sub_button_B5, &sub_button_B6, &sub_button_B7, &sub_button_B8},
     {&sub_button_C1, &sub_button_C2, &sub_button_C3, &sub_button_C4,
      &sub_button_C5, &sub_button_C6, &sub_button_C7, &sub_button_C8},
     {&sub_button_D1, &sub_button_D2, &sub_button_D3, &sub_button_D4,
      &sub_button_D5, &sub_button_D6, &sub_button_D7, &sub_button_D8},
     {&sub_button_E1, &sub_button_E2, &sub_button_E3, &sub_button_E4,
      &sub_button_E5, &sub_button_E6, &sub_button_E7, &sub_button_E8}},
    Call<SubmixToArray>, Call<UpdateSubmix>};

Matrix Vcas = {
    VcaAsn, VcaOn, "VCA Matrix", "VCA Assignments", &VCAWindow, &VcaBank,
    {&vca_ch_A, &vca_ch_B, &vca_ch_C, &vca_ch_D, &vca_ch_E},
    {&vca_text_A, &vca_text_B, &vca_text_C, &vca_text_D, &vca_text_E},
    {{&vca_button_A1, &vca_button_A2, &vca_button_A3, &vca_button_A4,
      &vca_button_A5, &vca_button_A6, &vca_button_A7, &vca_button_A8},
     {&vca_button_B1, &vca_button_B2, &vca_button_B3, &vca_button_B4,
      &vca_button_B5, &vca_button_B6, &vca_button_B7, &vca_button_B8},
     {&vca_button_C1, &vca_button_C2, &vca_button_C3, &vca_button_C4,
      &vca_button_C5, &vca_button_C6, &vca_button_C7, &vca_button_C8},
     {&vca_button_D1, &vca_button_D2, &vca_button_D3, &vca_button_D4,
      &vca_button_D5, &vca_button_D6, &vca_button_D7, &vca_button_D8},
     {&vca_button_E1, &vca_button_E2, &vca_button_E3, &vca_button_E4,
      &vca_button_E5, &vca_button_E6, &vca_button_E7, &vca_button_E8}},
    Call<VcaToArray>, Call<UpdateVCA>};

const int RowY[ROWS] = {74, 114, 154, 194, 234};
const int ColX[NGROUPS] = {208, 238, 269, 300, 331, 362, 393, 424};
const char *const ColLabel[NGROUPS] = {"1", "2", "3", "4", "5", "6", "7", "8"};

Fl_Double_Window *BuildMatrix(Matrix &m) {
  Fl_Double_Window *w = *m.window = new Fl_Double_Window(460, 280, m.title);
  w->color(97);
  w->when(FL_WHEN_CHANGED);
  for (int i = 0; i < ROWS; i++) {
    for (int n = 0; n < NGROUPS; n++) {
      Fl_Round_Button *b = *m.button[i][n] =
          new Fl_Round_Button(ColX[n], RowY[i] + 3, 17, 15, ColLabel[n]);
      b->down_box(FL_DOWN_BOX);
      b->labelcolor(175);
      b->align(FL_ALIGN_TOP);
      b->callback(m.toggled);
    }
    Fl_Value_Output *ch = *m.ch[i] = new Fl_Value_Output(20, RowY[i], 30, 18);
    ch->when(FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED);
    ch->textsize(12);
    Fl_Input *text = *m.text[i] = new Fl_Input(65, RowY[i], 120, 18);
    text->when(FL_WHEN_NEVER);
    text->textsize(12);
  }
  Fl_Spinner *bank = *m.bank = new Fl_Spinner(20, 30, 40, 24, "Bank");
  bank->align(FL_ALIGN_TOP_LEFT);
  bank->labelsize(12);
  bank->labelcolor(175);
  bank->textsize(12);
  bank->range(1, BANKS);
  bank->step(1);
  bank->value(1);
  bank->callback(m.banked);
  bank->when(FL_WHEN_CHANGED);
  Fl_Box *heading = new Fl_Box(306, 26, 35, 16, m.heading);
  heading->labelcolor(175);
  w->end();
  w->resizable(nullptr);
  return w;
}

// First table row of the shown bank; the bank is held to 1..24 so that the
// rows always lie within 0..119.
int BankBase(const Matrix &m) {
  double bank = (*m.bank)->value();
  if (!(bank >= 1)) bank = 1;
  if (bank > BANKS) bank = BANKS;
  return (int)(bank - 1) * ROWS;
}

void UpdateMatrix(const Matrix &m) {
  int base = BankBase(m);
  for (int i = 0; i < ROWS; i++) {
    (*m.text[i])->value(NameBuffer[base + i + 1]);
    (*m.ch[i])->value(base + i + 1);
    for (int n = 0; n < NGROUPS; n++)
      (*m.button[i][n])->value(m.asn[(base + i) * NGROUPS + n]);
  }
}

// Stores the shown rows only, then marks in use every column with a member anywhere.
void MatrixToArray(const Matrix &m) {
  int base = BankBase(m);
  for (int i = 0; i < ROWS; i++)
    for (int n = 0; n < NGROUPS; n++)
      m.asn[(base + i) * NGROUPS + n] = (*m.button[i][n])->value() ? 1 : 0;
  for (int k = 0; k < NGROUPS; k++) {
    m.on[k] = 0;
    for (int r = 0; r < NROWS; r++)
      if (m.asn[r * NGROUPS + k] == 1) m.on[k] = 1;
  }
  UpdateMatrix(m);
  ClearStatus();
}

}  // namespace

Fl_Double_Window *make_window5() { return BuildMatrix(Subs); }
Fl_Double_Window *make_window6() { return BuildMatrix(Vcas); }

void SubmixToArray() { MatrixToArray(Subs); }
void VcaToArray() { MatrixToArray(Vcas); }
void UpdateSubmix() { UpdateMatrix(Subs); }
void UpdateVCA() { UpdateMatrix(Vcas); }
int MatrixBank(int r) { return r / ROWS + 1 < BANKS ? r / ROWS + 1 : BANKS; }
