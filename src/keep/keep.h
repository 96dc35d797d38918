// What Corvessa keeps in the working folder's .corvessa/ so that no work is lost:
// the unstored changes (recovery/) and every file a store replaced (history/);
// and mixes compared with the console.
#ifndef CORVESSA_KEEP_H
#define CORVESSA_KEEP_H

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "compare/compare.h"

// The three files in the order "Recall All" reads them.
enum { KEPT_FADERS, KEPT_TRACKS, KEPT_PREFS, NKEPT };
extern const char *const KeptFiles[NKEPT];  // "faders.txt", "tracks.txt", "prefs.txt"

// A text for some of the three files; a file without one stands as it is stored.
// console: the whole console as a ModelImage, when that is known ("" otherwise);
// it holds what the texts do and what no file carries (an entry at a cue not in use).
struct MixTexts {
  std::string text[NKEPT];
  bool given[NKEPT] = {};
  std::string console;
};

// What could not be kept, and why ("no history is kept: .corvessa: Not a
// directory"); "" while all is well. The newest trouble stands until another.
const std::string &KeepTrouble();

// ---- unstored changes

// The texts "Store All" would write now, each file's carried-over lines kept, and the console.
MixTexts StoreAllTexts();
// Writes them to .corvessa/recovery/, each durably and atomically as a store writes
// its file (one unchanged since the last write is left as it is), the console
// where it differs from the start-up console. False, KeepTrouble saying why, when
// one could not be written.
bool WriteRecovery(const MixTexts &texts);
// Reads the recovery: false when there is none; *when is when it was written. The
// console is left "" when it was written by a program whose tables differ.
bool ReadRecovery(MixTexts &texts, time_t *when);
// Whether it was written after every one of the three files that exist.
bool RecoveryIsNewer();
void RemoveRecovery();
// Moves the recovery's texts into the history ("...-unstored-faders.txt"), named
// by the time they were written; the console goes, holding nothing a store would
// write that they lack. False, KeepTrouble saying why, when they could not be moved.
bool SetAsideRecovery();

// ---- the history

// From now on a store that replaces one of the three files keeps the old file
// first: a hard link, or a durable copy when it is written over in place or
// cannot be linked. Identical versions in a row are kept once.
void StartHistory();
struct Version {
  std::string path;  // ".corvessa/history/2026-12-07T18-04-31.250-faders.txt"
  std::string time;  // "2026-12-07 18:04:31"
  int file;          // KEPT_FADERS...
  bool unstored;     // set aside from a recovery
  long long size;
};
std::vector<Version> ListHistory();  // newest first
// Changes whenever a version is kept or dropped.
std::string HistoryStamp();
// Beyond these the oldest go first: versions of each file, bytes in all.
extern int HistoryMaxVersions;
extern long long HistoryMaxBytes;

// ---- comparing

// The model that "Revert All" would give with the texts in place of their files,
// taken without a message (the console given, when it is); the console is left as it is.
std::string MixImage(const MixTexts &texts);
// The same for the files as stored, read again only when one of them changed.
const std::string &StoredImage();
// Changes whenever one of the three files does.
std::string FilesStamp();
// The differences from image a to image b as the Compare window lists them: for
// each file that has some, a heading ("faders.txt: 2 differences") and one line
// each, at most limit of them in all, then how many more there are. places gets
// each line's place, a table of -1 for the others. The number of differences.
size_t CompareList(const std::string &a, const std::string &b, std::vector<std::string> &lines,
                   std::vector<ModelPlace> &places, size_t limit = 10000);

#endif
