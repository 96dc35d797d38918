// The store and recall commands of the three files. Each is thin: it reads the
// file, has the file's text made or read by the files' own layer, replaces the
// file, says on the status line what it did, and refreshes the windows.
#ifndef CORVESSA_STORES_H
#define CORVESSA_STORES_H

#include <string>
#include <vector>

class Fl_Box;
class Fl_Button;
class Fl_Double_Window;

// faders.txt
// Reads faders.txt into reserve_fbuff; the bytes read, 0 when nothing usable was
// read (a missing file is created holding the mix name line). *state, if given,
// is the ReadTextFile result. The file read becomes the one this session knows.
long ReadFaderFile(int *state = nullptr);
void MakeNewFile();  // faders.txt holding the mix name ("mixFilename" when it is empty)
// Replaces faders.txt with text; the bytes written, 0 (and the failure reported) when
// the old file had to be kept.
long WriteFaderFile(const std::string &text);
void StageWriteToFile();   // "Store Faders / Effects"
void StageReadFromFile();  // "Recall Faders / Effects"

// prefs.txt and tracks.txt
void WritePreferencesFile();  // "Store Preferences"
void ReadPreferencesFile();   // "Recall Preferences"
void WriteTracksFile();       // "Store Track Names"
void ReadTracksFile();        // "Recall Track Names"

// The three stores in order ("Store All" and "Mix"); false, with the first
// failure on the status line, when one of them failed.
bool StoreAllFiles();
void SaveAll();    // "Store All": the three stores, then "Save Complete"
void RecallAll();  // "Recall All": the files laid over the console
// "Revert All": the console as at start-up, then "Recall All": it holds what the
// files hold, and nothing else. One undo step.
void RevertAll();
// Whether the working folder holds any of the three files.
bool FolderHoldsMix();

// Reads a whole text file, which this session then knows: true when it was read.
// A missing file is passed over in silence; one that cannot be read is reported
// as an error on the status line.
bool LoadTextFile(const char *name, std::string &text);
// Replaces a file with text, keeping one this session has not read: true when
// done; a failure or refusal is reported as a store error naming the file, and
// the old file stays as it was.
bool StoreTextFile(const char *name, const std::string &text);
// Reports a failed ReplaceFile on the status line as a store error naming the file.
void ReportReplaceFailure(const char *name, int result);

// The "Changed on disk" window: the files that a store did not replace because
// they changed on disk since this session last read or wrote them, and what to do.
extern Fl_Double_Window *ChangedWindow;
extern Fl_Box *ChangedFiles;
extern Fl_Button *ReplaceButton, *RevertButton, *KeepEditingButton;
extern std::vector<std::string> ChangedOnDisk;  // in the order they were refused
Fl_Double_Window *make_window11();
void ReplaceChanged();  // "Replace": stores them anyway
void RevertChanged();   // "Revert": Revert All
void KeepEditing();     // "Keep Editing": closes the window; the next store asks again
// A store refused name: the status line says so and the window shows it, raised.
void RefuseChanged(const char *name);
// A store wrote name: it is no longer one that changed on disk.
void StoredFile(const char *name);
// Whether a store may replace name whatever is on disk: "Replace" stores it now.
bool ReplaceAnyway(const char *name);

#endif
