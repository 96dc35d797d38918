// The message list and what the readers tell it about the line being read.
#include "messages/messages.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>

#include "textfile/textfile.h"

namespace {

std::deque<MessageEntry> entries;

// The file being read and the line the messages are about.
struct Reading {
  const char *file = nullptr;
  const char *text = nullptr;
  size_t size = 0, line = 0;
  size_t counted = 0;    // line ends are counted up to here
  long lines = 0;        // line ends before counted
  size_t noted = SIZE_MAX;  // the line that has a message already
} now;

// The command being counted.
int depth = 0, made = 0, lastMade = 0;
long version = 0;
const char *command = "", *lastCommand = "";

const size_t Readable = 100;  // a longer line is cut here

long lineNumber() {
  if (now.line < now.counted) now.counted = 0, now.lines = 0;  // a line met before
  const char *end = now.text + now.line, *next;
  for (const char *p = now.text + now.counted; p < end; p = next) LineAt(p, end, &next), now.lines++;
  now.counted = now.line;
  return now.lines + 1;
}

std::string lineText() {
  const char *s = now.text + now.line, *next;
  const char *e = s + LineAt(s, now.text + now.size, &next);
  bool cut = size_t(e - s) > Readable;
  if (cut) e = s + Readable;
  std::string t(s, e);
  for (char &c : t)
    if ((unsigned char)c < ' ' || c == 127) c = ' ';  // tabs, NUL bytes
  if (cut) t += "...";
  return t;
}

void add(const std::string &text, const char *file) {
  static time_t last = -1;
  static char stamp[9];
  time_t t = time(nullptr);
  if (t != last) {
    struct tm tm;
    localtime_r(&t, &tm);
    strftime(stamp, sizeof stamp, "%H:%M:%S", &tm);
    last = t;
  }
  if (entries.size() >= MaxMessages) entries.pop_front();
  entries.emplace_back();
  MessageEntry &m = entries.back();
  memcpy(m.time, stamp, sizeof stamp);
  m.file = file ? file : now.file ? now.file : "";
  m.line = 0;
  if (!file && now.text && now.line <= now.size) {
    m.line = lineNumber();
    m.text = lineText();
    now.noted = now.line;
  }
  m.message.assign(text, 0, text.size() - (!text.empty() && text.back() == '\n'));
  made++;
  version++;
}

}  // namespace

void ReadingFile(const char *file, const std::string &text) {
  now = Reading();
  now.file = file;
  now.text = text.data();
  now.size = text.size();
  now.line = SIZE_MAX;
}

void AboutLine(size_t start) { now.line = start; }

void DoneReading() { now = Reading(); }

bool EchoMessages = true;

void Message(const std::string &text, const char *file) {
  if (EchoMessages) fputs(text.c_str(), stdout);
  add(text, file);
}

void Hint(const std::string &text) {
  if (now.text && now.line == now.noted) return;
  add(text, nullptr);
}

std::string LineName() {
  std::string s = "line ";
  if (now.text && now.line <= now.size) s += std::to_string(lineNumber());
  return s + " of " + (now.file ? now.file : "");
}

void SpacedHint(const char *key) {
  Hint(LineName() + " looks like a \"" + key +
       "\" record written with spaces; it is kept as a comment line");
}

void NumberHint(const char *field, const char *key, const char *outcome) {
  std::string what = "a field is empty";
  if (*field) {
    size_t n = strnlen(field, 24);
    what = "\"" + std::string(field, n) + (field[n] ? "...\"" : "\"") + " is not a number";
    for (char &c : what)
      if ((unsigned char)c < ' ') c = ' ';
  }
  Hint(LineName() + ": " + what + "; the \"" + key + "\" record " + outcome);
}

int MessageCount() { return (int)entries.size(); }
const MessageEntry &MessageAt(int i) { return entries[i]; }

void ClearMessages() {
  entries.clear();
  version++;
}

long MessagesVersion() { return version; }

MessagesFrom::MessagesFrom(const char *what) {
  if (depth++ == 0) command = what, made = 0;
}

MessagesFrom::~MessagesFrom() {
  if (--depth) return;
  lastMade = made;
  lastCommand = command;
}

std::string MessagesNote() {
  if (!lastMade) return "";
  return std::to_string(lastMade) + (lastMade == 1 ? " message" : " messages") +
         " from the last " + lastCommand + ": Ctrl+L";
}
