// "Mix" as a visible job: the engine run as a child process of its own, its
// output read as it arrives, and the "Mix" window that shows it.
#ifndef CORVESSA_MIX_H
#define CORVESSA_MIX_H

#include <cstddef>
#include <string>

class Fl_Box;
class Fl_Button;
class Fl_Double_Window;
class Fl_Text_Display;

extern Fl_Double_Window *MixWindow;
extern Fl_Box *MixElapsed;          // the time since the engine started, "0:07"
extern Fl_Box *MixMessage;          // what runs, or how it ended
extern Fl_Text_Display *MixOutput;  // the engine's output, scrolled to its end
extern Fl_Button *MixCancel;        // "Cancel" while the engine runs, "Close" after a failure

// The "Mix" window, built hidden. It is modal while the engine runs: no other
// window takes input meanwhile.
Fl_Double_Window *make_window8();

// The engine command Mix runs: Path followed at once by "tarnell4".
void FormEngineCommand(char *out, int size);

// Runs the engine formed by FormEngineCommand ("~/" meaning $HOME) directly, not
// through a shell, in the working folder and with no arguments, and returns when
// it has ended, the status line saying how. The "Mix" window is shown meanwhile;
// it closes on success and on "Cancel", and stays open after a failure.
void RunEngine();
bool EngineRunning();
// "Cancel": SIGTERM to the engine's process group, SIGKILL 3 seconds later to
// whatever is left of it. Once the engine has ended it closes the window.
void CancelMix();

// The whole output of the last mix, whole lines of either stream in the order
// they arrived; also written to tarnell4.log in the working folder.
extern std::string EngineLog;
const size_t MaxEngineLog = 256u << 20;  // more is read but dropped
const int MaxShownOutput = 1 << 20;      // the tail that MixOutput holds

#endif
