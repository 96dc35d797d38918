// The submix and VCA assignment windows.
#ifndef CORVESSA_ROUTING_H
#define CORVESSA_ROUTING_H

class Fl_Double_Window;
class Fl_Input;
class Fl_Round_Button;
class Fl_Spinner;
class Fl_Value_Output;

extern Fl_Double_Window *SubWindow, *VCAWindow;
extern Fl_Spinner *SubBank, *VcaBank;

// Row A..E: the channel number, its name, and one toggle per submix 1..8.
extern Fl_Value_Output *sub_ch_A, *sub_ch_B, *sub_ch_C, *sub_ch_D, *sub_ch_E;
extern Fl_Input *sub_text_A, *sub_text_B, *sub_text_C, *sub_text_D, *sub_text_E;
extern Fl_Round_Button
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

// The same for the VCAs.
extern Fl_Value_Output *vca_ch_A, *vca_ch_B, *vca_ch_C, *vca_ch_D, *vca_ch_E;
extern Fl_Input *vca_text_A, *vca_text_B, *vca_text_C, *vca_text_D, *vca_text_E;
extern Fl_Round_Button
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

Fl_Double_Window *make_window5();
Fl_Double_Window *make_window6();

void SubmixToArray();  // stores the shown rows of the submix window
void VcaToArray();
void UpdateSubmix();   // shows the current bank from the model
void UpdateVCA();
// The bank of rows that shows routing row r (channel r + 1), or the last bank.
int MatrixBank(int r);

#endif
