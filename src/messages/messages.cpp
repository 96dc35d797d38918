// The message list and what the readers tell it about the line being read.
#include "messages/messages.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>

#include "textfile/textfile.h"

namespace {

std::deque<MessageEntry> entries, statuses;
long serial;  // messages and status texts, in the order they were made

// The file being read and the line the messages are about.
struct Reading {
  const char *file = nullptr;
  const char *text = nullptr;
  size_t size = 0;
  size_t counted = 0;    // line ends are counted up to here
  long lines = 0;        // line ends before counted
  size_t noted = SIZE_MAX;  // the line that has a message already
} now;

// The command being counted.
int depth = 0, made = 0, lastMade = 0, notKept = 0, lastNotKept = 0;
bool quiet;  // a recall only tried, whose messages nobody sees
long version = 0;
const char *command = "", *lastCommand = "";

const size_t Readable = 100;  // a longer line is cut here

long lineNumber() {
  if (LineStart < now.counted) now.counted = 0, now.lines = 0;  // a line met before
  const char *end = now.text + LineStart, *next;
  for (const char *p = now.text + now.counted; p < end; p = next) LineAt(p, end, &next), now.lines++;
  now.counted = LineStart;
  return now.lines + 1;
}

std::string lineText() {
  const char *s = now.text + LineStart, *next;
  const char *e = s + LineAt(s, now.text + now.size, &next);
  bool cut = size_t(e - s) > Readable;
  if (cut) e = s + Readable;
  std::string t(s, e);
  for (char &c : t)
    if ((unsigned char)c < ' ' || c == 127) c = ' ';  // tabs, NUL bytes
  if (cut) t += "...";
  return t;
}

// A new entry of list, stamped with the time, and text without its newline.
MessageEntry &entry(std::deque<MessageEntry> &list, const std::string &text) {
  static time_t last = -1;
  static char stamp[9];
  time_t t = time(nullptr);
  if (t != last) {
    struct tm tm;
    localtime_r(&t, &tm);
    strftime(stamp, sizeof stamp, "%H:%M:%S", &tm);
    last = t;
  }
  if (list.size() >= MaxMessages) list.pop_front();
  list.emplace_back();
  MessageEntry &m = list.back();
  memcpy(m.time, stamp, sizeof stamp);
  m.file = "";
  m.line = 0;
  m.message.assign(text, 0, text.size() - (!text.empty() && text.back() == '\n'));
  m.order = serial++;
  version++;
  return m;
}

void add(const std::string &text, const char *file) {
  if (quiet) return;
  MessageEntry &m = entry(entries, text);
  m.file = file ? file : now.file ? now.file : "";
  if (!file && now.text && LineStart <= now.size) {
    m.line = lineNumber();
    m.text = lineText();
    now.noted = LineStart;
  }
  made++;
}

}  // namespace

size_t LineStart;

void ReadingFile(const char *file, const std::string &text) {
  now = Reading();
  now.file = file;
  now.text = text.data();
  now.size = text.size();
  LineStart = SIZE_MAX;
}


void DoneReading() {
  now = Reading();
  LineStart = 0;
}

bool EchoMessages = true;

void Message(const std::string &text, const char *file) {
  if (EchoMessages && !quiet) fputs(text.c_str(), stdout);
  add(text, file);
}

void Hint(const std::string &text) {
  if (now.text && LineStart == now.noted) return;
  add(text, nullptr);
}

void NoteStatus(const std::string &text) { entry(statuses, text).file = "status line"; }

std::string LineName() {
  std::string s = "line ";
  if (now.text && LineStart <= now.size) s += std::to_string(lineNumber());
  return s + " of " + (now.file ? now.file : "");
}

void SpacedHint(const char *key) {
  Hint(LineName() + " looks like a \"" + key +
       "\" record written with spaces; it is kept as a comment line");
}

void NumberHint(const char *field, size_t n, const char *key, const char *outcome) {
  std::string what = "a field is empty";
  n = strnlen(field, n);  // a zero byte ends the number as any other character
  if (n) {
    size_t shown = n < 24 ? n : 24;
    what = "\"" + std::string(field, shown) + (n > shown ? "...\"" : "\"") + " is not a number";
    for (char &c : what)
      if ((unsigned char)c < ' ') c = ' ';
  }
  Hint(LineName() + ": " + what + "; the \"" + key + "\" record " + outcome);
}

int MessageCount() { return (int)entries.size(); }
const MessageEntry &MessageAt(int i) { return entries[i]; }

int StatusCount() { return (int)statuses.size(); }
const MessageEntry &StatusAt(int i) { return statuses[i]; }

void ClearMessages() {
  entries.clear();
  statuses.clear();
  version++;
}

long MessagesVersion() { return version; }

MessagesFrom::MessagesFrom(const char *what) {
  if (depth++ == 0) command = what, made = notKept = 0;
}

MessagesFrom::~MessagesFrom() {
  if (--depth) return;
  lastMade = made;
  lastNotKept = notKept;
  lastCommand = command;
}

std::string MessagesNote() {
  int others = lastMade - lastNotKept;
  std::string note;
  if (others) note = std::to_string(others) + (others == 1 ? " message" : " messages") + " from the last " + lastCommand;
  if (lastNotKept)
    note += (note.empty() ? "" : ", ") + std::to_string(lastNotKept) +
            (lastNotKept == 1 ? " setting" : " settings") + " not kept by the files";
  return note.empty() ? note : note + ": Ctrl+L";
}

void NotKept(const std::string &text) {
  add(text, "");
  notKept += !quiet;
}

QuietMessages::QuietMessages() : was(quiet) { quiet = true; }
QuietMessages::~QuietMessages() { quiet = was; }
