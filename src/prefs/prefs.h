// The preferences file and window, and the tracks file.
#ifndef CORVESSA_PREFS_H
#define CORVESSA_PREFS_H

class Fl_Double_Window;

extern Fl_Double_Window *PrefsWindow;

Fl_Double_Window *make_window3();

void WritePreferencesFile();
void ReadPreferencesFile();
void WriteTracksFile();
void ReadTracksFile();
void UpdatePreferences();
void SetColor();

#endif
