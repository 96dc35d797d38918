// The fader file faders.txt as text: keywords, writer and reader.
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
bool IsKeyword(const char *word, size_t n);        // the same for a word of n characters
// Rebuild text as the carried-over lines of an old file: lines whose first field
// is not a keyword, up to an "end" line. ScrubEffects starts the result with the
// mix name line and drops the old first line; ScrubPrefs keeps only the lines.
void ScrubEffects(std::string &text);
void ScrubPrefs(std::string &text);
void AppendBuffer(std::string &text);       // routing, effects and reverb records
void VolumePlateToText(std::string &text);  // pans, cue blocks, submix mutes and solos, "end"

// Reads faders.txt (name: where it is) for a recall or a store: the ReadTextFile
// result. A file that is empty, too large, unreadable or not text is noted in the
// message list. When remember is set, the file read becomes the one this session knows.
int LoadFaderText(const char *name, std::string &text, bool remember);

// The text a fader store writes over a file that holds oldText (its carried-over
// lines kept as every store keeps them), from the model as it stands.
std::string FaderText(const std::string &oldText);
// Lays a fader text over the model as a recall does; messages go to the message list.
void ReadFaderText(const std::string &text);
// The cue blocks past the last cue that the last ReadFaderText could not read: a
// text that holds some was not read whole.
extern int CuesNotRead;

#endif
