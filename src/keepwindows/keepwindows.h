// What is kept, in windows: the recovery of unstored changes and the "Unstored
// Changes" window at start-up, the "History" of replaced files, and "Compare".
#ifndef CORVESSA_KEEPWINDOWS_H
#define CORVESSA_KEEPWINDOWS_H

#include <string>

class Fl_Box;
class Fl_Button;
class Fl_Double_Window;
class Fl_Hold_Browser;
struct MixTexts;

// ---- unstored changes

// After every event: the recovery written a short while after a change (at most
// every 2 seconds, never while a field is typed into), or removed once nothing is
// unstored; the History and Compare windows follow the console; a trouble in
// keeping is said once on the status line.
void KeepCheck();
// Before the program ends, however it ends: the edit being typed stored (when
// typed is set) and the recovery brought up to date.
void KeepUnstored(bool typed = true);
// At start-up: the "Unstored Changes" window when the folder holds a recovery
// newer than its files; an older one is set aside into the history.
void OfferRecovery();
extern Fl_Double_Window *UnstoredWindow;
extern Fl_Box *UnstoredText;
extern Fl_Button *RestoreButton, *SetAsideButton;
Fl_Double_Window *make_window12();
void RestoreUnstored();   // "Restore": the recovery laid over the console, nothing written
void SetAsideUnstored();  // "Set Aside": the recovery moved into the history
// Lays texts over the start-up console as "Revert All" lays the files (a file
// without a text: as stored, and the files become the ones this session read),
// as one undo step named step. Nothing is written.
void LayOver(const MixTexts &texts, const char *step);

// ---- the history

extern Fl_Double_Window *HistoryWindow;
extern Fl_Hold_Browser *HistoryList;  // newest first: time, file, size, differences
extern Fl_Button *CompareVersionButton, *RevertVersionButton;
Fl_Double_Window *make_window13();
void ShowHistory();  // Ctrl+H
void HideHistory();  // Ctrl+Shift+H
void CompareVersion();   // "Compare": the Compare window against the chosen version
void RevertToVersion();  // "Revert to This"
void UpdateHistory();    // the list as it stands, while shown

// ---- compare

extern Fl_Double_Window *CompareWindow;
extern Fl_Box *CompareHeading;
extern Fl_Hold_Browser *CompareLines;
Fl_Double_Window *make_window14();
void ShowCompare();  // Ctrl+D: the console against the stored files
void HideCompare();  // Ctrl+Shift+D
// The console against a version of the history, the other files as stored.
void CompareWith(const std::string &versionPath);
void UpdateCompare();    // follows the console while shown
void ShowComparePlace(); // a line clicked: the window that shows its place, there
// A button over the control window's bottom line: a click shows Compare.
Fl_Button *CompareLinkAt(int x, int y, int w, int h);

#endif
