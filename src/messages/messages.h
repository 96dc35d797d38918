// The messages of the readers, the writers and the stores: printed on standard
// output as they always were, and kept in a bounded list for the "Messages" window;
// and, in a list of their own, every text the status line showed.
#ifndef CORVESSA_MESSAGES_H
#define CORVESSA_MESSAGES_H

#include <cstddef>
#include <string>

// One message as the window lists it.
struct MessageEntry {
  char time[9];      // "hh:mm:ss"
  const char *file;  // "faders.txt", or "" when no file is read
  long line;         // 1, 2, ... of the file; 0 when no line caused it
  std::string text;  // the line, cut to a readable length, or ""
  std::string message;
  long order;        // when it was made, among the messages and the status texts
};

enum { MaxMessages = 5000 };  // the oldest go first

// The file whose lines the messages made from now on are about: text is the whole
// file as read. AboutLine(start) names the line beginning at text[start]; the line
// number is counted only when a message is made. DoneReading() ends it.
void ReadingFile(const char *file, const std::string &text);
extern size_t LineStart;  // where the line begins; the readers set it for every line
inline void AboutLine(size_t start) { LineStart = start; }
void DoneReading();

// Prints text exactly as given (no format), unless EchoMessages is off, and lists
// it without its newline, about the current line, or about file as a whole when that is given.
void Message(const std::string &text, const char *file = nullptr);
extern bool EchoMessages;
// Lists a hint about the current line, which standard output never sees; a line
// that already has a message or hint gets no further one.
void Hint(const std::string &text);
// Lists a text the status line shows, about no file and no line, in the status
// texts (file "status line"); standard output never sees it.
void NoteStatus(const std::string &text);
int StatusCount();
const MessageEntry &StatusAt(int i);  // 0 is the oldest
// Lists a setting of the console that the files do not keep, about no file and
// no line; the note of the command counts them apart.
void NotKept(const std::string &text);
// While one lives, nothing is listed or printed: for a recall only tried.
struct QuietMessages {
  QuietMessages();
  ~QuietMessages();
  bool was;
};
// "line 14 of faders.txt", for hints.
std::string LineName();
// The hints the readers share: a record typed with spaces instead of tabs, which
// the file keeps as a comment line; a field that holds no number where key's
// record wants one, and what then becomes of the record ("reads it as 0").
void SpacedHint(const char *key);
void NumberHint(const char *field, size_t n, const char *key, const char *outcome);

int MessageCount();
const MessageEntry &MessageAt(int i);  // 0 is the oldest
void ClearMessages();  // and the status texts
// Grows whenever the list changes, so that a window can tell when to show it again.
long MessagesVersion();

// A recall or store command: messages made between the first MessagesFrom of a
// command and its end are counted for the note. Nested commands join the outer one.
struct MessagesFrom {
  explicit MessagesFrom(const char *command);  // "recall" or "store"
  ~MessagesFrom();
};
// "2 messages from the last recall: Ctrl+L", "3 settings not kept by the files:
// Ctrl+L"; empty when the command made none. The control window's bottom line carries it.
std::string MessagesNote();

#endif
