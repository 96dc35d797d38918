// prefs.txt: the output and engine preferences.
#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "faderfile/faderfile.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"

// ---- writing

namespace {

bool allZero(const float *v, int n) {
  for (int i = 0; i < n; i++)
    if (v[i] != 0) return false;
  return true;
}

}  // namespace

std::string PrefsText(const std::string &oldText) {
  // Lines of the old file that are not the program's own are kept.
  std::string carried = oldText;
  ScrubPrefs(carried);

  std::string text = PreviewOn == 1 ? "pre\ton\n" : "pre\toff\n";
  AppendNumberRecord(text, "start", PreviewArray, 3, 3, 0);
  AppendNumberRecord(text, "length", PreviewArray + 3, 1, 3);
  if (!allZero(XinArray, 3)) AppendNumberRecord(text, "xin", XinArray, 3, 3);
  if (!allZero(XoutArray, 3)) AppendNumberRecord(text, "xout", XoutArray, 3, 3);
  if (HeadTailArray[0] != 0) AppendNumberRecord(text, "head", HeadTailArray, 1, 3);
  if (HeadTailArray[1] != 0) AppendNumberRecord(text, "tail", HeadTailArray + 1, 1, 3);
  if (strlen(Path) > 1) AppendNameRecord(text, "path", Path, sizeof Path);
  if (MixDirName[0]) AppendNameRecord(text, "mixdir", MixDirName, sizeof MixDirName);
  if (WavDirName[0]) AppendNameRecord(text, "wavdir", WavDirName, sizeof WavDirName);
  if (PanlawStore > 0 && (double)PanlawStore < 6.1)
    AppendNumberRecord(text, "pan", &PanlawStore, 1, 1);
  AppendIntRecord(text, "outbits", OutbitsStore);
  AppendIntRecord(text, "dither", DitherBits);
  if (monoOn == 1) text += "mono\n";
  AppendIntRecord(text, "color", color);
  if (strlen(LaunchCommand) > 1)
    AppendNameRecord(text, "launch", LaunchCommand, sizeof LaunchCommand);
  // Set only by a file: written back whenever not as at start-up.
  if (strcmp(DeviceName, "default")) AppendNameRecord(text, "device", DeviceName, sizeof DeviceName);
  if (PlayMode != 0) AppendIntRecord(text, "play", PlayMode);
  text += carried;
  text += "end\n";
  return text;
}

// ---- reading

namespace {

enum Kind { PREVIEW, NUMBERS, TRUNCATED, WHOLE, TEXT, MONO };

// The records of prefs.txt, the model fields they fill, and what the preferences
// window takes of their numbers (none where lo > hi).
struct Record {
  const char *key;
  Kind kind;
  float *numbers;  // NUMBERS: n values
  int *whole;      // TRUNCATED, WHOLE
  char *text;      // TEXT: a row of n bytes
  int n;
  Accepted accepts;
};

const Accepted Times = {0, 9999}, Any = {1, 0};
const Record records[] = {
    {"pre", PREVIEW, nullptr, nullptr, nullptr, 0, Any},
    {"start", NUMBERS, PreviewArray, nullptr, nullptr, 3, Times},
    {"length", NUMBERS, PreviewArray + 3, nullptr, nullptr, 1, Times},
    {"xin", NUMBERS, XinArray, nullptr, nullptr, 3, Times},
    {"xout", NUMBERS, XoutArray, nullptr, nullptr, 3, Times},
    {"head", NUMBERS, HeadTailArray, nullptr, nullptr, 1, Times},
    {"tail", NUMBERS, HeadTailArray + 1, nullptr, nullptr, 1, Times},
    {"path", TEXT, nullptr, nullptr, Path, sizeof Path, Any},
    {"wavdir", TEXT, nullptr, nullptr, WavDirName, sizeof WavDirName, Any},
    {"mixdir", TEXT, nullptr, nullptr, MixDirName, sizeof MixDirName, Any},
    {"oname", TEXT, nullptr, nullptr, MixName, sizeof MixName, Any},
    {"pan", NUMBERS, &PanlawStore, nullptr, nullptr, 1, {0, 6}},
    {"outbits", TRUNCATED, nullptr, &OutbitsStore, nullptr, 1, {16, 24}},
    {"device", TEXT, nullptr, nullptr, DeviceName, sizeof DeviceName, Any},
    {"play", WHOLE, nullptr, &PlayMode, nullptr, 1, Any},
    {"mono", MONO, nullptr, nullptr, nullptr, 0, Any},
    {"color", WHOLE, nullptr, &color, nullptr, 1, {0, 255}},
    {"launch", TEXT, nullptr, nullptr, LaunchCommand, sizeof LaunchCommand, Any},
    {"dither", WHOLE, nullptr, &DitherBits, nullptr, 1, {0, 8}},
};

// Reads the record's numbers into v: false, with a hint, when one holds no number,
// or one that is infinite, NaN or beyond what the field holds (the record is
// then not read). A number with text after it is read as far as it goes, with a hint.
bool readNumbers(const Record &r, const std::vector<std::string> &fields, double *v) {
  for (int i = 0; i < r.n && i < (int)fields.size() - 1; i++) {
    const std::string &f = fields[i + 1];
    const char *s = f.c_str(), *end;
    if (r.kind == WHOLE) {  // an integer, as atoi reads it
      const char *d = s + strspn(s, " \t");
      d += *d == '-' || *d == '+';
      end = *d >= '0' && *d <= '9' ? d + strspn(d, "0123456789") : s;
      v[i] = (double)ParseInt(s);
    } else {
      v[i] = ParseNumber(s, s + f.size(), &end);
    }
    bool fits = r.kind == NUMBERS ? std::fabs(v[i]) <= FLT_MAX : v[i] > INT_MIN - 1.0 && v[i] < INT_MAX + 1.0;
    const char *digits = s + strspn(s, " \t+-");
    bool word = *digits != '.' && (*digits < '0' || *digits > '9');  // "inf", "nan": no number
    if (end == s || (!fits && word)) {
      NumberHint(s, f.size(), r.key, "is not read");
      return false;
    }
    if (!fits) {
      Hint(LineName() + ": \"" + f.substr(0, 24) + "\" is too large for the \"" + r.key + "\" record, which is not read");
      return false;
    }
    if (f.find_first_not_of(" \t", end - s) != std::string::npos)
      Hint(LineName() + ": \"" + f.substr(0, 24) + "\" is read as " + NumberText(r.kind == TRUNCATED ? std::trunc(v[i]) : v[i]));
  }
  return true;
}

// A value kept as read although the preferences window would not take it.
void outside(const Record &r, double v) {
  if (r.accepts.lo > r.accepts.hi || (v >= r.accepts.lo && v <= r.accepts.hi)) return;
  std::string takes = r.kind == TRUNCATED ? "16 or 24" : NumberText(r.accepts.lo) + " to " + NumberText(r.accepts.hi);
  if (r.kind == TRUNCATED && (v == 16 || v == 24)) return;
  Hint(LineName() + ": the \"" + r.key + "\" value " + NumberText(v) +
       " is kept as read, though the preferences window takes " + takes);
}

// Lays one record over the model. fields[0] is the keyword; rest is the text
// after the keyword's tab. A keyword with nothing but blanks after it changes nothing.
void apply(const Record &r, const std::vector<std::string> &fields, const std::string &rest) {
  bool values = rest.find_first_not_of(" \t") != std::string::npos;
  if (!values && r.kind != MONO) Hint(LineName() + ": the \"" + r.key + "\" record holds no value; it is not read");
  double v[3];
  switch (r.kind) {
    case PREVIEW:
      if (rest == "on") PreviewOn = 1;
      if (rest == "off") PreviewOn = 0;
      if (values && rest != "on" && rest != "off")
        Hint(LineName() + ": \"" + rest.substr(0, 24) + "\" is neither on nor off; the \"pre\" record is not read");
      break;
    case NUMBERS:
    case TRUNCATED:
    case WHOLE: {
      int n = std::min(r.n, (int)fields.size() - 1);
      if (!values || !readNumbers(r, fields, v)) break;
      for (int i = 0; i < n; i++) {
        if (r.kind == NUMBERS)
          r.numbers[i] = (float)v[i];
        else
          *r.whole = r.kind == TRUNCATED ? TruncateToInt(v[i]) : (int)v[i];
        outside(r, r.kind == NUMBERS ? r.numbers[i] : *r.whole);
      }
      break;
    }
    case TEXT:
      if (values) CopyName(r.text, rest.data(), rest.size(), r.n);
      break;
    case MONO: monoOn = 1; break;
  }
}

const Record *findRecord(const std::string &key) {
  for (const Record &r : records)
    if (key == r.key) return &r;
  return nullptr;
}

// A line without a tab whose first word, up to a space, is a keyword and whose
// next word could start such a record: a record typed with spaces.
void spacedHint(const std::string &line) {
  size_t sp = line.find(' '), w = line.find_first_not_of(' ', sp);
  const Record *r = sp && sp != std::string::npos ? findRecord(line.substr(0, sp)) : nullptr;
  if (!r || w == std::string::npos) return;
  std::string word = line.substr(w, line.find(' ', w) - w);
  bool number = strchr("0123456789+-.", word[0]) != nullptr;
  bool fits = r->kind == TEXT || (r->kind == PREVIEW ? word == "on" || word == "off"
                                                      : r->kind != MONO && number);
  if (fits) SpacedHint(r->key);
}

}  // namespace

void ReadPrefsText(const std::string &text) {
  ReadingFile("prefs.txt", text);

  std::vector<std::string> fields;
  const char *end = text.data() + text.size(), *after;
  for (const char *p = text.data(); p < end; p = after) {
    AboutLine(p - text.data());
    std::string line(p, LineAt(p, end, &after));

    size_t tab = line.find('\t');
    std::string key = line.substr(0, tab);
    if (key == "end") break;
    const Record *r = findRecord(key);
    if (!r) {
      if (tab == std::string::npos) spacedHint(line);
      continue;
    }

    fields.clear();
    for (size_t f = 0;;) {
      size_t next = line.find('\t', f);
      fields.push_back(line.substr(f, next == std::string::npos ? std::string::npos : next - f));
      if (next == std::string::npos) break;
      f = next + 1;
    }
    std::string rest = tab == std::string::npos ? std::string() : line.substr(tab + 1);
    apply(*r, fields, rest);
  }
  DoneReading();
}
