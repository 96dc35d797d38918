// The text files' common layer: numbers with "." whatever the locale, whole-file
// reads and atomic replacement, and the names and records the files are made of.
#ifndef CORVESSA_TEXTFILE_H
#define CORVESSA_TEXTFILE_H

#include <cstddef>
#include <string>
#include <sys/types.h>

// Largest file that is read, or whose old lines a store keeps.
const size_t MaxFileSize = 64u << 20;

// ---- numbers

// Appends v as printf("%.<decimals>f") would in the C locale (decimals 0..6).
void AppendFixed(std::string &out, double v, int decimals);
// Appends n as printf("%i") would.
void AppendInt(std::string &out, long n);
// Reads a number as atof would in the C locale; *end (if given) is set past it.
double ParseNumber(const char *s, const char **end = nullptr);
// The same for the text s..e, which need not end in a zero byte (one in it ends
// the number, as any other character that is not part of it). The common forms
// (blanks, a sign, at most 15 digits with a point) are read here, the rest by
// ParseNumberAtLength from a copy.
double ParseNumberAtLength(const char *s, const char *e, const char **end);
inline double ParseNumber(const char *s, const char *e, const char **end) {
  static const double tens[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char *p = s;
  while (p < e && (*p == ' ' || *p == '\t' || *p == '\v' || *p == '\f')) p++;
  bool neg = false;
  if (p < e && (*p == '-' || *p == '+')) neg = *p++ == '-';
  const char *digits = p;
  unsigned long long n = 0;
  while (p < e && (unsigned char)(*p - '0') < 10) n = n * 10 + (*p++ - '0');
  int scale = 0;
  bool point = p < e && *p == '.';
  if (point) {
    const char *q = ++p;
    while (p < e && (unsigned char)(*p - '0') < 10) n = n * 10 + (*p++ - '0');
    scale = int(p - q);
  }
  int count = int(p - digits) - point;
  if (count <= 0 || count > 15 || (p < e && ((*p | 0x20) == 'e' || (*p | 0x20) == 'x')))
    return ParseNumberAtLength(s, e, end);
  double v = (double)n / tens[scale];  // both exact, so correctly rounded
  if (end) *end = p;
  return neg ? -v : v;
}
// A number as short as it reads, in the C locale ("-7", "0.125", "1e+30"), for messages.
std::string NumberText(double v);
// Reads an integer as atoi would, saturating instead of overflowing.
long ParseInt(const char *s);
// A control's value truncated toward zero, saturating at the ends of int (NaN gives 0).
int TruncateToInt(double v);

// ---- whole files

enum { FILE_OK, FILE_MISSING, FILE_UNREADABLE, FILE_TOO_LARGE, FILE_NOT_TEXT };
// Reads a regular file whole into text (replacing it). FILE_MISSING when it does
// not exist; FILE_UNREADABLE when it is not a regular file or a read comes up short;
// FILE_TOO_LARGE when it holds more than limit bytes. text is untouched unless FILE_OK.
int ReadWholeFile(const char *name, std::string &text, size_t limit);
// ReadWholeFile for a text file of at most MaxFileSize bytes: a UTF-8 byte-order
// mark is dropped, and UTF-16 or binary bytes give FILE_NOT_TEXT. When remember is
// set, the file read becomes the one this session knows (see ReplaceFile).
int ReadTextFile(const char *name, std::string &text, bool remember = false);
// True when text starts like UTF-16 or a binary file rather than text. A few
// NUL or control bytes here and there do not make a file binary.
bool LooksBinary(const char *p, size_t n);

// The line of text that starts at p, before end: its length up to the line end
// (LF, CR LF or a lone CR); *next is set past that line end.
size_t LineAt(const char *p, const char *end, const char **next);

enum {
  WRITE_OK,
  WRITE_OPEN_FAILED,    // no temporary file could be made in the folder
  WRITE_SHORT,          // a write came up short
  WRITE_SYNC_FAILED,    // the data could not be synced to the disk
  WRITE_RENAME_FAILED,  // the new file could not be put in place
  WRITE_TOO_LARGE,      // larger than a recall accepts
  WRITE_NOT_REGULAR,    // a device, FIFO, socket or folder in the file's place
  WRITE_FOLDER,         // a folder in the file's place
  WRITE_READ_ONLY,      // no write permission on the file
  WRITE_DANGLING,       // a symbolic link to a folder that does not exist
  WRITE_UNREAD,         // the file changed on disk since this session last read or wrote it
};
// Replaces a file with data, durably: the text goes whole to a temporary file
// in the file's folder, is synced, and is renamed over the file, and the folder
// is synced. A symbolic link is followed; the mode, owner and group are kept; a
// file with several hard links, or whose owner cannot be kept, is written over in
// place once the new text is safe in the temporary file. With keepUnread, an
// existing file is only replaced when it is the one this session last read or
// wrote, unchanged since, or when it holds data already (WRITE_UNREAD otherwise). On any failure
// the old file is left as it was, the temporary file is removed, and *written
// holds the bytes that reached it.
int ReplaceFile(const char *name, const char *data, size_t len, size_t *written, bool keepUnread = false);
// Writes len bytes of data to fd (at offset at, or where it stands when at < 0);
// *written counts them. False when a write fails or writes nothing.
bool WriteAll(int fd, const char *data, size_t len, off_t at, size_t *written);
// Syncs a folder, so that a file made or renamed in it stays; quiet where that cannot be.
void SyncFolder(const std::string &folder);
// When set, called once the new text is safe and before an existing file is
// replaced with data: name as given, target the file itself, inPlace when it is written over.
extern void (*KeepReplaced)(const char *name, const char *target, bool inPlace, const char *data, size_t len);
// Forgets the files read and written, as at start-up; or one of them, which a
// store then replaces only when asked.
void ForgetFiles();
void ForgetFile(const char *name);

// ---- names and records

// A character of a name as files hold it: a tab, line feed, carriage return or
// NUL byte becomes a space, so that no name can break a record or be cut short.
inline char NameChar(char c) { return c == '\t' || c == '\n' || c == '\r' || c == '\0' ? ' ' : c; }
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
