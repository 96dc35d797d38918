// tracks.txt: the regular channels' names with their solo and mute state,
// one "number name status" line per channel, then "end".
#include <cstring>

#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"
#include "textfile/textfile.h"

namespace {

const char Placeholder[] = "----";  // the name of an unnamed channel in the file

}  // namespace

std::string TracksText() {
  // Channels up to the last one that is named and not muted.
  int last = 1;
  for (int c = 1; c <= NCHANNELS; c++)
    if (MuteArray[c] == 0 && NameBuffer[c][0]) last = c;

  // An unnamed channel is written as the placeholder, muted; the console keeps it as it is.
  std::string text;
  for (int c = 1; c <= last; c++) {
    bool unnamed = !NameBuffer[c][0];
    AppendInt(text, c);
    text += ' ';
    if (unnamed)
      text += Placeholder;
    else
      AppendName(text, NameBuffer[c], sizeof NameBuffer[c]);
    text += SoloArray[c] == 1 ? " ++\n" : MuteArray[c] == 1 || unnamed ? " off\n" : " +\n";
  }
  text += "end\n";
  return text;
}

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

bool isStatus(const std::string &s) { return s == "+" || s == "++" || s == "off"; }

// Where the records start: after a header line that ends in "begin", if any.
size_t recordsStart(const std::string &text) {
  const char *end = text.data() + text.size(), *next;
  for (size_t p = text.find("begin"); p != std::string::npos; p = text.find("begin", p + 1))
    if (LineAt(text.data() + p, end, &next) == 5) return next - text.data();
  return 0;
}

// Lays record line (its number already taken off) over channel c: the status
// is the last blank-separated word, the name is the text before it, trimmed.
// A lone word is the status when it reads like one, otherwise the name.
void readRecord(int c, const char *s, const char *e) {
  while (s < e && blank(*s)) s++;
  while (e > s && blank(e[-1])) e--;
  const char *w = e;
  while (w > s && !blank(w[-1])) w--;
  std::string status(w, e);
  const char *n = w;
  while (n > s && blank(n[-1])) n--;
  std::string name(s, n);
  if (name.empty() && !isStatus(status)) name.swap(status);

  // The writer's placeholder of an unnamed channel: unnamed, and not muted.
  bool placeholder = name == Placeholder && (status == "off" || status == "++");
  if (placeholder)
    NameBuffer[c][0] = 0;
  else if (!name.empty())
    CopyName(NameBuffer[c], name.data(), name.size(), sizeof NameBuffer[c]);
  if (status == "++")
    SoloArray[c] = 1;
  else if (!status.empty() && status != "+" && !placeholder)
    MuteArray[c] = 1;
  if (!status.empty() && !isStatus(status))
    Hint(LineName() + ": \"" + status + "\" is no status: it mutes " + SlotName(c) +
         (name.empty() ? "" : ", named \"" + name + "\""));
}

}  // namespace

void ReadTracksText(const std::string &text) {
  ReadingFile("tracks.txt", text);

  // Record k names channel k, whatever number it carries.
  int k = 0;
  const char *end = text.data() + text.size(), *next;
  for (const char *s = text.data() + recordsStart(text); s < end; s = next) {
    AboutLine(s - text.data());
    const char *e = s + LineAt(s, end, &next);

    while (s < e && blank(*s)) s++;
    if (s == e) continue;  // an empty line is no record
    const char *w = s;
    while (w < e && !blank(*w)) w++;
    if (w - s == 3 && memcmp(s, "end", 3) == 0) break;
    if (k == NCHANNELS) {
      Hint(LineName() + " is past the last channel, " + std::to_string(NCHANNELS) +
           "; it is not read");
      break;
    }
    // Record k names channel k: a number that is not k, or no number at all, says otherwise.
    std::string number(s, w);
    if (number.find_first_not_of("0123456789") != std::string::npos)
      Hint(LineName() + " looks like a comment; it names " + SlotName(k + 1));
    else if (ParseInt(number.c_str()) != k + 1)
      Hint(LineName() + " carries the number " + number + "; it names " + SlotName(k + 1));
    readRecord(++k, w, e);
  }
  DoneReading();
}
