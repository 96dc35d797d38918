// Placeholder until the faders window is built.
#include "faders/faders.h"

#include <FL/Fl_Double_Window.H>

Fl_Double_Window *FadersWindow;
Fl_Spinner *TimeIndex, *Bank;
Fl_Input *MixNameInput;
int BrowseNumber;
Fl_File_Chooser *CH;

Fl_Double_Window *make_window2() {
  FadersWindow = new Fl_Double_Window(620, 575, "Faders");
  FadersWindow->color(97);
  FadersWindow->end();
  return FadersWindow;
}

void UpdateIndexActive() {}
void UpdateChannelActive() {}
void UpdateTime() {}
void UpdateVolumes() {}
void UpdatePan() {}
void UpdateMutes() {}
void UpdateSolos() {}
void UpdateDisplayNumbers() {}
void UpdateCueName() {}
void UpdateNames() {}
void UpdateOffset() {}
void UpdateRamp() {}
void UpdateShape() {}
void UpdateMixName() {}
void StoreMixName() {}
