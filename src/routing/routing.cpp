// Placeholder until the matrices are built.
#include "routing/routing.h"

#include <FL/Fl_Double_Window.H>

Fl_Double_Window *SubWindow, *VCAWindow;

Fl_Double_Window *make_window5() {
  SubWindow = new Fl_Double_Window(460, 280, "Submix Matrix");
  SubWindow->color(97);
  SubWindow->end();
  return SubWindow;
}

Fl_Double_Window *make_window6() {
  VCAWindow = new Fl_Double_Window(460, 280, "VCA Matrix");
  VCAWindow->color(97);
  VCAWindow->end();
  return VCAWindow;
}

void SubmixToArray() {}
void VcaToArray() {}
void UpdateSubmix() {}
void UpdateVCA() {}
