// Placeholder until the preferences window and files are built.
#include "prefs/prefs.h"

#include <FL/Fl_Double_Window.H>

Fl_Double_Window *PrefsWindow;

Fl_Double_Window *make_window3() {
  PrefsWindow = new Fl_Double_Window(430, 375, "Preferences");
  PrefsWindow->color(97);
  PrefsWindow->labelsize(12);
  PrefsWindow->end();
  return PrefsWindow;
}

void WritePreferencesFile() {}
void ReadPreferencesFile() {}
void WriteTracksFile() {}
void ReadTracksFile() {}
void UpdatePreferences() {}
void SetColor() {}
