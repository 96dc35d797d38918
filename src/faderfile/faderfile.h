// The fader file faders.txt: keywords, writer and reader; and the number
// and whole-file helpers that all three files share.
#ifndef CORVESSA_FADERFILE_H
#define CORVESSA_FADERFILE_H

#include <cstddef>
#include <string>

// ---- numbers, always with "." as the decimal point, whatever the locale

// Appends v as printf("%.<decimals>f") would in the C locale (decimals 0..6).
void AppendFixed(std::string &out, double v, int decimals);
// Appends n as printf("%i") would.
void AppendInt(std::string &out, long n);
// Reads a number as atof would in the C locale; *end (if given) is set past it.
double ParseNumber(const char *s, const char **end = nullptr);
// Reads an integer as atoi would, saturating instead of overflowing.
long ParseInt(const char *s);

// ---- whole files

enum { FILE_OK, FILE_MISSING, FILE_UNREADABLE, FILE_TOO_LARGE };
// Reads a regular file whole into text (replacing it). FILE_MISSING when it does
// not exist; FILE_UNREADABLE when it is not a regular file or a read comes up short;
// FILE_TOO_LARGE when it holds more than limit bytes. text is untouched unless FILE_OK.
int ReadWholeFile(const char *name, std::string &text, size_t limit);

enum { WRITE_OK, WRITE_OPEN_FAILED, WRITE_SHORT, WRITE_RENAME_FAILED };
// Replaces a file atomically: writes a temporary file in the same directory and
// renames it over name. On any failure the old file is left as it was, the
// temporary file is removed, and *written holds the bytes that reached it.
int ReplaceFile(const char *name, const char *data, size_t len, size_t *written);

// ---- the fader file

extern std::string reserve_fbuff;  // the fader text: the last text read or written

enum { NKEYWORDS = 52 };
extern const char *const FileKeywords[NKEYWORDS];  // of the fader and preferences files
int CheckForKey(const char *word);                 // 1 when word is one of them
// Reads faders.txt into reserve_fbuff; the bytes read, 0 when nothing usable was
// read (a missing file is created holding the mix name line).
long ReadFaderFile();
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

// Largest faders.txt that a recall accepts.
const size_t MaxFaderFile = 64u << 20;

#endif
