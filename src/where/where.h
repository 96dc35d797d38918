// The bottom line of the control window: where the user works and what is unstored.
#ifndef CORVESSA_WHERE_H
#define CORVESSA_WHERE_H

#include <string>

class Fl_Box;

extern Fl_Box *WhereLine;

// The line: the folder (the home folder shown as ~), "unstored changes" while
// there are some, and a note (what the last recall or store said).
std::string WhereText(const std::string &folder, const char *home, bool unstored,
                      const std::string &note);
// Builds the line's box in the window being built.
Fl_Box *WhereLineAt(int x, int y, int w, int h);
// Shows the line as it stands now: the event loop runs it after every event.
void ShowWhere();

#endif
