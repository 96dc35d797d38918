// prefs.txt: the output and engine preferences.
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
  text += carried;
  text += "end\n";
  return text;
}

// ---- reading

namespace {

enum Kind { PREVIEW, NUMBERS, TRUNCATED, WHOLE, TEXT, MONO };

// The records of prefs.txt and the model fields they fill.
struct Record {
  const char *key;
  Kind kind;
  float *numbers;  // NUMBERS: n values
  int *whole;      // TRUNCATED, WHOLE
  char *text;      // TEXT: a row of n bytes
  int n;
};

const Record records[] = {
    {"pre", PREVIEW, nullptr, nullptr, nullptr, 0},
    {"start", NUMBERS, PreviewArray, nullptr, nullptr, 3},
    {"length", NUMBERS, PreviewArray + 3, nullptr, nullptr, 1},
    {"xin", NUMBERS, XinArray, nullptr, nullptr, 3},
    {"xout", NUMBERS, XoutArray, nullptr, nullptr, 3},
    {"head", NUMBERS, HeadTailArray, nullptr, nullptr, 1},
    {"tail", NUMBERS, HeadTailArray + 1, nullptr, nullptr, 1},
    {"path", TEXT, nullptr, nullptr, Path, sizeof Path},
    {"wavdir", TEXT, nullptr, nullptr, WavDirName, sizeof WavDirName},
    {"mixdir", TEXT, nullptr, nullptr, MixDirName, sizeof MixDirName},
    {"oname", TEXT, nullptr, nullptr, MixName, sizeof MixName},
    {"pan", NUMBERS, &PanlawStore, nullptr, nullptr, 1},
    {"outbits", TRUNCATED, nullptr, &OutbitsStore, nullptr, 1},
    {"device", TEXT, nullptr, nullptr, DeviceName, sizeof DeviceName},
    {"play", WHOLE, nullptr, &PlayMode, nullptr, 1},
    {"mono", MONO, nullptr, nullptr, nullptr, 0},
    {"color", WHOLE, nullptr, &color, nullptr, 1},
    {"launch", TEXT, nullptr, nullptr, LaunchCommand, sizeof LaunchCommand},
    {"dither", WHOLE, nullptr, &DitherBits, nullptr, 1},
};

int wholeNumber(const char *s) {
  long v = ParseInt(s);
  return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : (int)v;
}

// Lays one record over the model. fields[0] is the keyword; rest is the text
// after the keyword's tab. A keyword with nothing but blanks after it changes nothing.
void apply(const Record &r, const std::vector<std::string> &fields, const std::string &rest) {
  int values = rest.find_first_not_of(" \t") == std::string::npos ? 0 : (int)fields.size() - 1;
  switch (r.kind) {
    case PREVIEW:
      if (rest == "on") PreviewOn = 1;
      if (rest == "off") PreviewOn = 0;
      break;
    case NUMBERS:
      for (int i = 0; i < r.n && i < values; i++)
        ReadFileValue(fields[i + 1].c_str(), r.numbers[i]);  // infinite or NaN: kept
      break;
    case TRUNCATED:
      if (values > 0 && std::isfinite(ParseNumber(fields[1].c_str())))
        *r.whole = TruncateToInt(ParseNumber(fields[1].c_str()));
      break;
    case WHOLE:
      if (values > 0) *r.whole = wholeNumber(fields[1].c_str());
      break;
    case TEXT:
      if (values > 0) CopyName(r.text, rest.c_str(), r.n);
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

// A value of a number record that holds no number.
void numberHint(const Record &r, const std::vector<std::string> &fields, const std::string &rest) {
  if (r.kind != NUMBERS && r.kind != TRUNCATED && r.kind != WHOLE) return;
  if (rest.find_first_not_of(" \t") == std::string::npos) return;  // changes nothing
  for (size_t i = 1; i < fields.size() && (int)i <= r.n; i++) {
    const char *s = fields[i].c_str(), *end;
    ParseNumber(s, &end);
    if (end == s) return NumberHint(s, fields[i].size(), r.key, "reads it as 0");
  }
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
    numberHint(*r, fields, rest);
  }
  DoneReading();
}
