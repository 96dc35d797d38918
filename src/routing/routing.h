// The submix and VCA assignment windows.
#ifndef CORVESSA_ROUTING_H
#define CORVESSA_ROUTING_H

class Fl_Double_Window;

extern Fl_Double_Window *SubWindow, *VCAWindow;

Fl_Double_Window *make_window5();
Fl_Double_Window *make_window6();

void SubmixToArray();
void VcaToArray();
void UpdateSubmix();
void UpdateVCA();

#endif
