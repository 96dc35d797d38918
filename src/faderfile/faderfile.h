// The fader file faders.txt: keywords, writer and reader.
#ifndef CORVESSA_FADERFILE_H
#define CORVESSA_FADERFILE_H

#include <string>

// Numbers, whole files, names and records, which all three files share.
#include "textfile/textfile.h"

// ---- the fader file

extern std::string reserve_fbuff;  // the fader text: the last text read or written

enum { NKEYWORDS = 52 };
extern const char *const FileKeywords[NKEYWORDS];  // of the fader and preferences files
int CheckForKey(const char *word);                 // 1 when word is one of them
// Reads faders.txt into reserve_fbuff; the bytes read, 0 when nothing usable was
// read (a missing file is created holding the mix name line). *state, if given,
// is the ReadTextFile result. The file read becomes the one this session knows.
long ReadFaderFile(int *state = nullptr);
void MakeNewFile();  // faders.txt holding the mix name ("mixFilename" when it is empty)
// Rebuild text as the carried-over lines of an old file: lines whose first field
// is not a keyword, up to an "end" line. ScrubEffects starts the result with the
// mix name line and drops the old first line; ScrubPrefs keeps only the lines.
void ScrubEffects(std::string &text);
void ScrubPrefs(std::string &text);
void AppendBuffer(std::string &text);       // routing, effects and reverb records
void VolumePlateToText(std::string &text);  // pans, cue blocks, submix mutes and solos, "end"
// Replaces faders.txt with text; the bytes written, 0 (and the failure reported) when
// the old file had to be kept.
long WriteFaderFile(const std::string &text);
void StageWriteToFile();   // "Store Faders / Effects"
void StageReadFromFile();  // "Recall Faders / Effects"

#endif
