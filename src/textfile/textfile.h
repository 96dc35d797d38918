// The text files' common layer: numbers with "." whatever the locale, whole-file
// reads and atomic replacement, and the names and records the files are made of.
#ifndef CORVESSA_TEXTFILE_H
#define CORVESSA_TEXTFILE_H

#include <cstddef>
#include <string>

// Largest file that is read, or whose old lines a store keeps.
const size_t MaxFileSize = 64u << 20;

// ---- numbers

// Appends v as printf("%.<decimals>f") would in the C locale (decimals 0..6).
void AppendFixed(std::string &out, double v, int decimals);
// Appends n as printf("%i") would.
void AppendInt(std::string &out, long n);
// Reads a number as atof would in the C locale; *end (if given) is set past it.
double ParseNumber(const char *s, const char **end = nullptr);
// Reads an integer as atoi would, saturating instead of overflowing.
long ParseInt(const char *s);
// A control's value truncated toward zero, saturating at the ends of int (NaN gives 0).
int TruncateToInt(double v);

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

// Reads a whole text file of at most MaxFileSize bytes: true when it was read. A
// missing file is passed over in silence; one that cannot be read is reported on
// the status line.
bool LoadTextFile(const char *name, std::string &text);
// Replaces a file atomically with text: true when done; a failure is reported
// as a store error naming the file, and the old file stays as it was.
bool StoreTextFile(const char *name, const std::string &text);

// ---- names and records

// A character of a name as files hold it: a tab, line feed or carriage return
// becomes a space, so that no name can break a record.
inline char NameChar(char c) { return c == '\t' || c == '\n' || c == '\r' ? ' ' : c; }
// Appends a name row of n bytes, up to its first zero byte, each character as NameChar gives it.
void AppendName(std::string &out, const char *row, size_t n);

// Records: the keyword, each value after a tab, then a line feed.
// n numbers with the given decimals, the last one with lastDecimals if that is given.
void AppendNumberRecord(std::string &out, const char *key, const float *v, int n, int decimals,
                        int lastDecimals = -1);
void AppendIntRecord(std::string &out, const char *key, long v);
// A name row of n bytes, as AppendName writes it.
void AppendNameRecord(std::string &out, const char *key, const char *row, size_t n);

#endif
