// The store and recall commands: the file read and replaced, the text made or
// read by the files' layer, the status line, the journal and the refresh.
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "compare/compare.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "faders/faders.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "prefsfile/prefsfile.h"
#include "status/status.h"
#include "stores/stores.h"
#include "undo/undo.h"

// ---- faders.txt

namespace {

const char FaderFile[] = "faders.txt";

std::string mixNameLine() {
  std::string t;
  AppendName(t, MixName, sizeof MixName);
  t += '\n';
  return t;
}

// Creates faders.txt holding the mix name line; false when it could not be.
bool makeNewFile() {
  if (!MixName[0]) CopyName(MixName, "mixFilename", sizeof MixName);
  std::string t = mixNameLine();
  size_t written;
  if (ReplaceFile(FaderFile, t.data(), t.size(), &written) == WRITE_OK) return true;
  Message("faders.txt could not be created\n", FaderFile);
  return false;
}

// Reads faders.txt into reserve_fbuff. Returns the bytes read, 0 when nothing
// usable was read; *state tells why. A missing file is created. A recall makes
// the file read the one this session knows.
long loadFaderFile(int *state, bool recall) {
  std::string text;
  *state = LoadFaderText(FaderFile, text, recall);
  if (*state == FILE_MISSING) {
    if (makeNewFile()) SetStatus("Created new faders.txt file");
    reserve_fbuff = mixNameLine();
  }
  if (*state != FILE_OK || text.empty()) return 0;
  reserve_fbuff.swap(text);
  return (long)reserve_fbuff.size();
}

}  // namespace

long ReadFaderFile(int *state) {
  int unused;
  return loadFaderFile(state ? state : &unused, true);
}

void MakeNewFile() { makeNewFile(); }

long WriteFaderFile(const std::string &text) {
  size_t written;
  errno = 0;
  int result = ReplaceFile(FaderFile, text.data(), text.size(), &written, !ReplaceAnyway(FaderFile));
  if (result == WRITE_OK) {
    StoredFile(FaderFile);
    return (long)text.size();
  }
  if (result == WRITE_SHORT) {
    Message("write error:  expected " + std::to_string(text.size()) + ", returned " +
                std::to_string(written) + "\n",
            FaderFile);
    ReportStoreError("faders.txt write error: expected %zu, returned %zu", text.size(), written);
  } else {
    ReportReplaceFailure(FaderFile, result);
  }
  return 0;
}

void StageWriteToFile() {
  MessagesFrom counted("store");
  int state;
  long n = loadFaderFile(&state, false);
  // A file that exists but could not be read whole holds lines we must not lose.
  struct stat st;
  if ((state == FILE_UNREADABLE || state == FILE_TOO_LARGE) && stat(FaderFile, &st) == 0 &&
      S_ISREG(st.st_mode)) {
    ReportStoreError("faders.txt could not be read whole, so it was not replaced");
    return;
  }
  reserve_fbuff = FaderText(n > 0 ? reserve_fbuff : std::string());
  long written = WriteFaderFile(reserve_fbuff);
  if (written <= 0) return;
  SetStatus("Wrote %li bytes to faders.txt", written);
  ModelMatchesFile(FADER_FILE);
}

void StageReadFromFile() {
  MessagesFrom counted("recall");
  NameStep("Recall Faders / Effects");
  int state;
  long n = ReadFaderFile(&state);
  if (state == FILE_NOT_TEXT) {  // changes nothing
    ReportStoreError("faders.txt is not a text file Corvessa can read (UTF-16?)");
    return;
  }
  // The line shows the count, but "Recall All" keeps the failure.
  if ((state == FILE_TOO_LARGE || state == FILE_UNREADABLE) && !StoreError[0])
    snprintf(StoreError, sizeof StoreError, "%s",
             state == FILE_TOO_LARGE ? "faders.txt is too large to read" : "Could not read faders.txt");
  SetStatus("Read %i bytes from faders.txt", (int)n);
  if (n > 0) {
    ReadFaderText(reserve_fbuff);
    // A file of more cues than the console holds was not read whole: a store asks.
    if (CuesNotRead) ForgetFile(FaderFile);
    ModelMatchesFile(FADER_FILE);
  }
  StageVolPlateUpdate();
  UpdateGUI();
}

// ---- prefs.txt and tracks.txt

namespace {

std::string storedPrefs, storedTracks;  // the texts the last stores wrote

// The old text of a file a store replaces: false, said, when the file exists but
// cannot be read whole, so that nothing of it is lost. A folder, device or FIFO
// in its place is left to the replace, which names it.
bool oldText(const char *name, std::string &old) {
  struct stat st;
  switch (ReadTextFile(name, old)) {
    case FILE_OK: return true;
    case FILE_MISSING:
    case FILE_NOT_TEXT: old.clear(); return true;  // nothing to keep; the store then asks
    case FILE_TOO_LARGE: ReportStoreError("Could not store %s: the old file is too large to keep", name); return false;
    default:
      if (stat(name, &st) == 0 && !S_ISREG(st.st_mode)) {
        old.clear();
        return true;
      }
      ReportStoreError("Could not store %s: the old file cannot be read", name);
      return false;
  }
}

// A store of prefs.txt or tracks.txt: the text made over the old one (lines of
// the old file that are not the program's own are kept), then the file replaced.
void storeText(const char *name, std::string (*make)(const std::string &old), std::string &stored, int file) {
  MessagesFrom counted("store");
  std::string old;
  if (!oldText(name, old)) return;
  std::string text = make(old);
  if (!StoreTextFile(name, text)) return;
  stored = text;
  SetStatus("Wrote %i bytes to %s", (int)text.size(), name);
  ModelMatchesFile(file);
}

// A recall of prefs.txt or tracks.txt as one step; false when nothing was read.
bool recallText(const char *name, const char *step, void (*read)(const std::string &), int file) {
  MessagesFrom counted("recall");
  NameStep(step);
  std::string text;
  if (!LoadTextFile(name, text)) return false;
  SetStatus("Read %i bytes from %s", (int)text.size(), name);
  read(text);
  ModelMatchesFile(file);
  return true;
}

}  // namespace

void WritePreferencesFile() { storeText("prefs.txt", PrefsText, storedPrefs, PREFS_FILE); }

void ReadPreferencesFile() {
  if (recallText("prefs.txt", "Recall Preferences", ReadPrefsText, PREFS_FILE)) UpdatePreferences();
}

void WriteTracksFile() {
  // All its lines are records, but a file not read whole is still kept.
  storeText("tracks.txt", [](const std::string &) { return TracksText(); }, storedTracks, TRACKS_FILE);
}

void ReadTracksFile() {
  if (!recallText("tracks.txt", "Recall Track Names", ReadTracksText, TRACKS_FILE)) return;
  UpdateNames();
  UpdateSolos();
  UpdateMutes();
}

// ---- all three

bool StoreAllFiles() {
  MessagesFrom counted("store");
  ClearStoreError();
  WritePreferencesFile();
  WriteTracksFile();
  StageWriteToFile();
  if (StoreError[0]) {
    SetStatus("%s", StoreError);
    return false;
  }
  // What the files cannot keep of the console is listed, not lost unsaid.
  std::vector<std::string> lost;
  SettingsNotKept(reserve_fbuff, storedPrefs, storedTracks, lost);
  for (const std::string &l : lost) NotKept(l);
  return true;
}

void SaveAll() {
  CommitEdit();
  if (StoreAllFiles()) SetStatus("Save Complete");
}

namespace {

bool exists(const char *name) {
  struct stat st;
  return stat(name, &st) == 0;
}

// The three recalls as one step; a revert starts them from the start-up console,
// which then stands for a file that is not there.
void recallAll(const char *step, bool revert) {
  MessagesFrom counted("recall");
  NameStep(step);
  if (revert) StartUpModel();
  const bool there[3] = {exists(FaderFile), exists("tracks.txt"), exists("prefs.txt")};
  ClearStoreError();
  StageReadFromFile();
  ReadTracksFile();
  ReadPreferencesFile();
  // A revert leaves the start-up console where a file is not there.
  const int files[3] = {FADER_FILE, TRACKS_FILE, PREFS_FILE};
  for (int f = 0; f < 3; f++)
    if (revert && !there[f]) ModelMatchesFile(files[f]);
  if (StoreError[0]) SetStatus("%s", StoreError);  // the first failure, not the last count
}

}  // namespace

void RecallAll() { recallAll("Recall All", false); }
void RevertAll() { recallAll("Revert All", true); }

bool FolderHoldsMix() { return exists("faders.txt") || exists("tracks.txt") || exists("prefs.txt"); }
