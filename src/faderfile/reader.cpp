// The fader file reader: lays faders.txt over the model in one pass over its lines,
// reading the text where it lies. A record is a line whose first field (its text up
// to the first tab) is a keyword; the line whose first field is "end" closes the
// program's part of the file.
#include <cfloat>
#include <cmath>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstdio>
#include <cstring>

#include "faderfile/faderfile.h"
#include "messages/messages.h"
#include "model/model.h"

namespace {

enum Kind {
  VOLUME, VCAVOL, OFFSET, RAMP, SHAPE, TIME, INC, CUE,               // cue blocks
  PAN, SEND, AMOUNT, FIRST, SUBMU, SUBSO, SUB, SUBNAME, VCA, VCANAME  // the rest
};

struct Keyword {
  const char *key;
  Kind kind;
  float *target;
  int count;
};

// Cue records first: they are by far the most common. The other effects are
// looked up in Effects. count: values of a reverb setting; which filter for "rhp", "rlp".
const Keyword keywords[] = {
    {"v", VOLUME, nullptr, 0},   {"ofs", OFFSET, Offset, 0},  {"rmp", RAMP, Ramp, 0},
    {"shape", SHAPE, Shape, 0}, {"vca", VCAVOL, nullptr, 0},  {"t", TIME, nullptr, 0},
    {"cue", CUE, nullptr, 0},   {"inc", INC, nullptr, 0},    {"p", PAN, Pan, 0},
    {"rev", SEND, Prev, 0},     {"trev", SEND, Ptrev, 0},    {"rtn", AMOUNT, Prtn, 2},
    {"trtn", AMOUNT, Ptrtn, 3}, {"width", AMOUNT, &Prev_width, 1},
    {"pos", AMOUNT, Prev_position, 3},                       {"rhp", FIRST, Prhp, 0},
    {"rlp", FIRST, Prlp, 1},    {"submu", SUBMU, nullptr, 0}, {"subso", SUBSO, nullptr, 0},
    {"sub", SUB, nullptr, 0},   {"subname", SUBNAME, nullptr, 0},
    {"VCA:", VCA, nullptr, 0},  {"vcaname", VCANAME, nullptr, 0}};

// The two routing matrices: submixes and VCAs.
struct Routing {
  int *on, *asn, firstSlot;
  const char *numberError, *name;
};
const Routing routings[2] = {{SubOn, SubAsn, FIRST_SUB, "Submix number out of range!\n", "sub"},
                             {VcaOn, VcaAsn, FIRST_VCA, "VCA number out of range!\n", "VCA"}};

const char SlotError[] = ">>Channel number out of range or not specified!\n";

// A field: text of the line, which does not end in a zero byte. A NUL byte in a
// line is an ordinary character: it ends no field and no line (a number ends at
// it as at any other character that is not part of it).
struct Field {
  const char *p = nullptr;
  size_t n = 0;
};

// A record's fields are read through a cursor into its line: p is the rest of
// the line, which ends at end.
struct Fields {
  const char *p, *end;
  Field rest() const { return {p, size_t(end - p)}; }
};

// The next field, after any run of tabs; p is nullptr when the line has ended.
Field nextField(Fields &f) {
  while (f.p < f.end && *f.p == '\t') f.p++;
  if (f.p >= f.end) return {};
  Field field = {f.p, 0};
  while (f.p < f.end && *f.p != '\t') f.p++;
  field.n = f.p - field.p;
  if (f.p < f.end) f.p++;
  return field;
}

bool blank(char c) { return c == ' ' || c == '\t'; }

// What the line being read gives hints for: a number refused where one belongs
// (a channel number that is none, a value that is no number, infinite or too
// large: its record is not read), and a number with text after it, read as far
// as it goes.
Field badSlot, badValue, trailing;
bool tooLarge;          // badValue reads as a number, but beyond a float
double trailingValue;   // what trailing was read as
int extraRecords;       // lines holding more than one record, and the first of them
size_t firstExtra;

// The text after a number read from f, up to end: a hint when it holds more than blanks.
void moreAfterNumber(Field f, const char *end, double value) {
  const char *e = f.p + f.n;
  while (end < e && *end == ' ') end++;
  if (end == e || trailing.p) return;
  // A keyword after a tab: a second record on the line.
  for (const char *w = end; w < e;) {
    const char *we = w;
    while (we < e && *we != '\t') we++;
    if (w > end && we > w && IsKeyword(w, we - w)) {
      if (!extraRecords++) firstExtra = LineStart;
      return;
    }
    w = we + 1;
  }
  trailing = f, trailingValue = value;
}
inline void afterNumber(Field f, const char *end, double value) {
  if (end != f.p + f.n) moreAfterNumber(f, end, value);  // most numbers end their field
}

// Reads an integer field as atoi would, but only when it starts with a number.
bool readInt(Field f, long *v) {
  const char *p = f.p, *e = f.p + f.n;
  while (p < e && blank(*p)) p++;
  const char *d = p + (p < e && (*p == '-' || *p == '+'));
  if (d >= e || *d < '0' || *d > '9') {
    if (!badSlot.p) badSlot = f;
    return false;
  }
  bool neg = *p == '-';
  long n = 0;
  for (; d < e && *d >= '0' && *d <= '9'; d++) n = n < 100000000000L ? n * 10 + (*d - '0') : n;  // saturates
  *v = neg ? -n : n;
  afterNumber(f, d, *v);
  return true;
}

// Reads a value field into v: false, noted, when it holds no number, or one that
// is infinite, NaN or beyond a float (the record is then not read).
bool readFloat(Field f, float &v) {
  const char *end;
  double d = ParseNumber(f.p, f.p + f.n, &end);
  if (end > f.p && std::fabs(d) <= FLT_MAX) {
    v = (float)d;
    afterNumber(f, end, d);
    return true;
  }
  if (!badValue.p) {
    const char *p = f.p, *e = f.p + f.n;
    while (p < e && (blank(*p) || *p == '-' || *p == '+')) p++;
    badValue = f, tooLarge = end > f.p && p < e && (*p == '.' || (*p >= '0' && *p <= '9'));
  }
  return false;
}

// A slot named by its number that the files name otherwise: what a store writes
// for key (nullptr when no file keeps it).
void slotHint(const char *key, int slot) {
  if (slot <= NCHANNELS) return;
  std::string n = std::to_string(slot < FIRST_VCA ? slot - SubSlot(0) : slot - VcaSlot(0));
  std::string as = slot < FIRST_VCA ? std::string(key) + " G " + n
                   : !strcmp(key, "v") ? "vca " + n : "";
  Hint(LineName() + ": slot " + std::to_string(slot) + " is " + SlotName(slot) +
       (as.empty() ? "; no file keeps it for a \"" + std::string(key) + "\" record"
                   : "; a store writes it as \"" + as + "\""));
}

// Reads a slot: a channel number 0..maxNumber, "G" and a submix number 1..8, or "M".
// Returns the slot, -1 when it is not one, -2 when the line ends too early.
int readSlot(Fields &f, long maxNumber, const char *key) {
  Field s = nextField(f);
  if (!s.p) return -2;
  if (s.n == 1 && s.p[0] == 'M') return MASTER;
  long n;
  if (s.n == 1 && s.p[0] == 'G') {
    if (!(s = nextField(f)).p) return -2;
    return readInt(s, &n) && n >= 1 && n <= NGROUPS ? SubSlot(n) : -1;
  }
  if (!readInt(s, &n) || n < 0 || n > maxNumber) return -1;
  slotHint(key, (int)n);
  return int(n);
}

void tooFew(const char *key) {
  Message(std::string(">>Too few fields in a \"") + key + "\" record; skipped\n");
}

// Takes n - 1 fields and the rest of the line over n values; false when the line
// is short (*shortLine set) or a value is refused.
bool readValues(Fields &f, float *v, int n, bool *shortLine) {
  *shortLine = false;
  bool ok = true;
  for (int i = 0; i < n - 1; i++) {
    Field s = nextField(f);
    if (!s.p) return !(*shortLine = true);
    ok = readFloat(s, v[i]) && ok;
  }
  return readFloat(f.rest(), v[n - 1]) && ok;
}

// The hints for the record just read: a number refused, or read with text after it.
void sayNumberHint(const char *key) {
  if (badSlot.p) {
    NumberHint(badSlot.p, badSlot.n, key, "is not read");
  } else if (badValue.p && tooLarge) {
    std::string t(badValue.p, strnlen(badValue.p, badValue.n < 24 ? badValue.n : 24));
    Hint(LineName() + ": \"" + t + "\" is too large for a value; the \"" + key + "\" record is not read");
  } else if (badValue.p) {
    NumberHint(badValue.p, badValue.n, key, "is not read");
  } else if (trailing.p) {
    std::string t(trailing.p, trailing.n);
    for (char &c : t)
      if ((unsigned char)c < ' ') c = ' ';
    Hint(LineName() + ": \"" + t + "\" is read as " + NumberText(trailingValue));
  }
}
inline void numberHint(const char *key) {
  if (badSlot.p || badValue.p || trailing.p) sayNumberHint(key);
}

// A value kept as read although the window would not take it: "a " (or "an ") what after.
// The text is made only when it is said: every value of a file passes here.
void sayOutside(float v, const Accepted &a, const char *what, const char *window, const char *after) {
  std::string takes = a.hi < FLT_MAX ? NumberText(a.lo) + " to " + NumberText(a.hi) : NumberText(a.lo) + " and more";
  const char *article = what[0] && strchr("AEIOUaeiou", what[0]) ? ": an " : ": a ";
  Hint(LineName() + article + what + after + " of " + NumberText(v) + " is kept as read, though the " + window +
       " takes " + takes);
}
inline void outside(float v, const Accepted &a, const char *what, const char *window, const char *after = "") {
  if (!(v >= a.lo && v <= a.hi)) sayOutside(v, a, what, window, after);
}

// A second record for what an earlier one set: for slot's (none when -1) what.
void twice(bool &seen, const char *key, int slot = -1, const char *what = "", bool firstCounts = false) {
  if (seen)
    Hint(LineName() + ": another \"" + key + "\" record" + (slot < 0 ? "" : " for " + SlotName(slot) + what) +
         "; the " + (firstCounts ? "first" : "later") + " one counts");
  seen = true;
}

const Accepted FromZero = {0, FLT_MAX};  // ramps and times: 0 and more

// The state of one scan.
struct Scan {
  // cue blocks
  int cue = -1, slot = 1;
  bool open = false;  // the current block can take entries
  float min = 0, sec = 0, msec = 0;
  int extraCues = 0;                   // blocks past the last cue
  int backwards = 0;                   // cues whose time is before the last one's, and the first
  size_t firstBackwards = 0;
  bool entrySeen[NSLOTS] = {};         // entries of the current cue
  // records once already: a second one for the same thing gets a hint
  bool effectSeen[NEFFECTS][NSLOTS] = {}, panSeen[NSLOTS] = {}, sendSeen[2][NSLOTS] = {};
  bool amountSeen[4] = {}, seenFirst[2] = {false, false};  // reverb filters: only the first counts
  bool nameSeen[2][NGROUPS] = {};
  // routing lists, applied after the scan
  std::string lists[2][NGROUPS];
  bool listed[2][NGROUPS] = {};
  size_t listLine[2][NGROUPS];  // where the list's line starts
  size_t line = 0;              // where the line being read starts
};

// A cue record that no cue can take: before the first "t" record.
void notRead(int cue, const char *key) {
  if (cue < 0) Hint(LineName() + ": the \"" + key + "\" record before the first \"t\" record is not read");
}

// Holds an effect record's slot: false, with a message, when it is none.
bool checkValI(int slot) {
  if (slot >= 0 && slot < FIRST_VCA) return true;
  Message(SlotError);
  return false;
}

void ParamsFromBuffer(Scan &st, Fields &f, const Effect &e) {
  int slot = readSlot(f, NCHANNELS, e.key);
  if (slot == -2) return tooFew(e.key);
  if (!checkValI(slot)) return;
  float v[NGROUPS], *row = e.table + slot * NGROUPS;
  bool shortLine;
  if (!readValues(f, v, e.values, &shortLine)) {
    if (shortLine) tooFew(e.key);
    return;
  }
  twice(st.effectSeen[&e - Effects][slot], e.key, slot);
  row[0] = 1.0f;
  for (int c = 1; c <= e.values; c++) {
    row[c] = v[c - 1];
    outside(v[c - 1], e.accepts[c - 1], e.label, "effects window", " value");
  }
}

void Params1D(Scan &st, Fields &f, const char *key, float *array) {
  int slot = readSlot(f, NSLOTS - 1, key);
  if (slot == -2) return tooFew(key);
  float v;
  if (slot < 0 || !readFloat(f.rest(), v)) return;
  twice(st.panSeen[slot], key, slot);
  array[slot] = v;
  outside(v, AcceptedPan, "pan", "faders window");
}

void Params2D(Scan &st, Fields &f, const char *key, float *table) {
  int slot = readSlot(f, NSLOTS - 1, key);
  if (slot == -2) return tooFew(key);
  if (slot < 0) {
    Message(SlotError);
    return;
  }
  float v;
  if (!readFloat(f.rest(), v)) return;
  twice(st.sendSeen[table == Ptrev][slot], key, slot);
  table[slot * NGROUPS] = 1.0f;
  table[slot * NGROUPS + 1] = v;
  outside(v, Effects[table == Ptrev ? FX_TREV : FX_REV].accepts[0], "send level", "effects window");
}

void ParamGetAmt(Scan &st, Fields &f, const char *key, float *array, int count) {
  float v[3];
  bool shortLine;
  if (!readValues(f, v, count, &shortLine)) {
    if (shortLine) tooFew(key);
    return;
  }
  twice(st.amountSeen[array == Prtn ? 0 : array == Ptrtn ? 1 : array == &Prev_width ? 2 : 3], key);
  for (int i = 0; i < count; i++) {
    array[i] = v[i];
    if (const ReverbSetting *s = ReverbSettingOf(array + i))
      outside(v[i], s->accepts, s->name, "reverb window");
  }
}

void ParamGetTwo(Fields &f, const char *key, float *pair, bool &seen) {
  float v;
  if (!readFloat(f.rest(), v)) return;
  bool first = !seen;
  twice(seen, key, -1, "", true);
  if (!first) return;
  pair[0] = 1.0f;
  pair[1] = v;
  outside(v, ReverbSettingOf(pair + 1)->accepts, ReverbSettingOf(pair + 1)->name, "reverb window");
}

void ReadSubmixState(Fields &f, int *flags) {
  long n;
  if (readInt(f.rest(), &n) && n >= 1 && n <= NGROUPS)
    flags[SubSlot(n)] = 1;
  else
    Message(routings[0].numberError);
}

// "sub" or "VCA:" (name false), "subname" or "vcaname" (name true).
void parseRouting(Scan &st, Fields &f, const char *key, int which, bool name) {
  const Routing &r = routings[which];
  Field s = nextField(f);
  if (!s.p) return tooFew(key);
  long n;
  bool valid = readInt(s, &n) && n >= 1 && n <= NGROUPS;
  if (name) {
    if (!valid) return;
    twice(st.nameSeen[which][n - 1], key, r.firstSlot + n - 1);
    CopyName(NameBuffer[r.firstSlot + n - 1], f.p, f.end - f.p, sizeof NameBuffer[0]);
    return;
  }
  if (!valid) {
    Message(r.numberError);
    return;
  }
  twice(st.listed[which][n - 1], key, r.firstSlot + n - 1);
  r.on[n - 1] = 1;
  st.lists[which][n - 1].assign(f.p, f.end - f.p);
  st.listLine[which][n - 1] = st.line;
}

void ParseSubmix(Scan &st, Fields &f, const char *key, bool name) {
  parseRouting(st, f, key, 0, name);
}

void ParseVCA(Scan &st, Fields &f, const char *key, bool name) {
  parseRouting(st, f, key, 1, name);
}

// Assigns the channels of a comma-separated list to group index of a matrix.
void routeList(const std::string &list, int index, int which) {
  const Routing &r = routings[which];
  size_t pos = 0;
  while (pos <= list.size()) {
    size_t comma = list.find(',', pos);
    if (comma == std::string::npos) comma = list.size();
    std::string piece = list.substr(pos, comma - pos);
    pos = comma + 1;
    if (piece.find_first_not_of(" \t") == std::string::npos) continue;  // empty piece
    long c;
    if (readInt({piece.data(), piece.size()}, &c) && c >= 1 && c <= NCHANNELS)
      r.asn[(c - 1) * NGROUPS + index] = 1;
    else
      Message(std::string("Channel assigned to ") + r.name + " " + std::to_string(index) +
              " is out of range!\n");
  }
}

void RouteChannel(const std::string &list, int index) { routeList(list, index, 0); }
void RoutetoVCA(const std::string &list, int index) { routeList(list, index, 1); }

// Cue blocks: "cue", "t", "inc", then the entries of the block.

// A new block, from "t" or "inc", at the time min, sec, msec.
void openCue(Scan &st, float min, float sec, float msec) {
  st.cue++;
  st.open = st.cue < NCUES;
  if (!st.open) {
    st.extraCues++;
    return;
  }
  bool earlier = st.cue > 0 && (min < st.min || (min == st.min && (sec < st.sec || (sec == st.sec && msec < st.msec))));
  if (earlier && !st.backwards++) st.firstBackwards = st.line;
  for (float v : {min, sec, msec}) outside(v, FromZero, "time", "faders window");
  st.min = min, st.sec = sec, st.msec = msec;
  IndexMin[st.cue] = min;
  IndexSec[st.cue] = sec;
  IndexMsec[st.cue] = msec;
  IndexActiveArray[st.cue] = 1;
  memset(st.entrySeen, 0, sizeof st.entrySeen);
}

void readTime(Scan &st, Fields &f, const char *key) {
  Field m = nextField(f), s = m.p ? nextField(f) : Field();
  float t[3];
  if (!s.p) tooFew(key);
  if (s.p && readFloat(m, t[0]) & readFloat(s, t[1]) & readFloat(f.rest(), t[2]))
    openCue(st, t[0], t[1], t[2]);
  else
    st.open = false;  // the entries that follow belong to no cue
}

// "v" names a channel, submix or the master; "vca" a VCA by its number.
void readEntry(Scan &st, Fields &f, const Keyword &k) {
  if (!st.open) return notRead(st.cue, k.key);
  int slot;
  if (k.kind == VOLUME) {
    slot = readSlot(f, NSLOTS - 1, k.key);
  } else {
    Field s = nextField(f);
    long n;
    slot = !s.p ? -2 : readInt(s, &n) && n >= 1 && n <= NGROUPS ? VcaSlot(n) : -1;
  }
  st.slot = -1;  // modifiers after a bad entry must not land on another slot
  if (slot == -2) return tooFew(k.key);
  if (slot == -1) {
    Message(SlotError);
    return;
  }
  float v;
  if (!readFloat(f.rest(), v)) return;
  twice(st.entrySeen[slot], k.key, slot, " in this cue");
  st.slot = slot;
  ChanActive[Entry(slot, st.cue)] = 1;
  Volume[Entry(slot, st.cue)] = v;
  outside(v, AcceptedVolume, "volume", "faders window");
}

void readCueRecord(Scan &st, Fields &f, const Keyword &k) {
  switch (k.kind) {
    case CUE:
      if (st.cue + 1 < NCUES)
        CopyName(CueNameBuffer[st.cue + 1], f.p, f.end - f.p, sizeof CueNameBuffer[0]);
      return;
    case TIME: return readTime(st, f, k.key);
    case INC: {
      float inc;
      if (readFloat(f.rest(), inc)) openCue(st, st.min, st.sec + inc, st.msec);
      return;
    }
    case VOLUME:
    case VCAVOL: return readEntry(st, f, k);
    default: {  // "ofs", "rmp", "shape"
      if (!st.open || st.slot < 0) return notRead(st.cue, k.key);
      float v;
      if (!readFloat(f.rest(), v)) return;
      k.target[Entry(st.slot, st.cue)] = v;
      if (k.kind == RAMP) outside(v, FromZero, "ramp", "faders window");
      if (k.kind == SHAPE) outside(v, AcceptedShape, "shape", "faders window");
    }
  }
}

void readRecord(Scan &st, Fields &f, const Keyword &k) {
  switch (k.kind) {
    case PAN: return Params1D(st, f, k.key, k.target);
    case SEND: return Params2D(st, f, k.key, k.target);
    case AMOUNT: return ParamGetAmt(st, f, k.key, k.target, k.count);
    case FIRST: return ParamGetTwo(f, k.key, k.target, st.seenFirst[k.count]);
    case SUBMU: return ReadSubmixState(f, MuteArray);
    case SUBSO: return ReadSubmixState(f, SoloArray);
    case SUB:
    case SUBNAME: return ParseSubmix(st, f, k.key, k.kind == SUBNAME);
    case VCA:
    case VCANAME: return ParseVCA(st, f, k.key, k.kind == VCANAME);
    default: return readCueRecord(st, f, k);
  }
}

// Whether key is the first field word of n characters.
inline bool is(const char *key, const char *word, size_t n) {
  if (key[0] != word[0]) return false;  // most lines are told apart here
  size_t i = 1;
  while (i < n && key[i] && key[i] == word[i]) i++;
  return i == n && key[n] == 0;
}

const Keyword *findKeyword(const char *word, size_t n) {
  for (const Keyword &k : keywords)
    if (is(k.key, word, n)) return &k;
  return nullptr;
}

const Effect *findEffect(const char *word, size_t n) {
  for (const Effect &e : Effects)
    if (is(e.key, word, n)) return &e;
  return nullptr;
}

// A line without a tab whose first word, up to a space, is a keyword and whose
// next word could start such a record: a record typed with spaces.
void spacedHint(const char *line, const char *stop) {
  const char *sp = static_cast<const char *>(memchr(line, ' ', stop - line));
  if (!sp || sp == line) return;
  const char *key = nullptr;
  bool text = false;  // a cue name may be any word
  if (const Keyword *k = findKeyword(line, sp - line))
    key = k->key, text = k->kind == CUE;
  else if (const Effect *e = findEffect(line, sp - line))
    key = e->key;
  const char *w = sp + strspn(sp, " ");
  if (!key || w >= stop) return;
  bool marker = (*w == 'G' || *w == 'M') && (w[1] == ' ' || w + 1 == stop);
  if (text || marker || strchr("0123456789+-.", *w)) SpacedHint(key);
}

// Where the line that starts at p ends (at LF or CR, or at end), and its first
// tab (nullptr for none): sixteen bytes at a time where the text allows.
const char *lineEnd(const char *p, const char *end, const char **tab) {
  *tab = nullptr;
#ifdef __SSE2__
  const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), ht = _mm_set1_epi8('\t');
  for (; end - p >= 16; p += 16) {
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    unsigned stops = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(b, lf), _mm_cmpeq_epi8(b, cr)));
    unsigned tabs = _mm_movemask_epi8(_mm_cmpeq_epi8(b, ht));
    if (stops) tabs &= (stops & -stops) - 1;  // only those before the line's end
    if (tabs && !*tab) *tab = p + __builtin_ctz(tabs);
    if (stops) return p + __builtin_ctz(stops);
  }
#endif
  for (; p < end && *p != '\n' && *p != '\r'; p++)
    if (*p == '\t' && !*tab) *tab = p;
  return p;
}



// One pass over the lines of text.
void scanText(const std::string &text) {
  Scan st;
  // Effects and sends without a record are off.
  for (const Effect &e : Effects)
    for (int s = 0; s < NSLOTS; s++) e.table[s * NGROUPS] = 0;
  const char *p = text.data(), *end = p + text.size(), *base = p;
  bool seekName = true;
  extraRecords = 0;
  for (const char *line = p; line < end; line = p) {
    AboutLine(st.line = line - base);
    // The line's end (LF, CR LF or a lone CR) and its first tab.
    const char *tab, *stop = lineEnd(line, end, &tab);
    p = stop + (stop < end) + (stop + 1 < end && stop[0] == '\r' && stop[1] == '\n');

    size_t n = (tab ? tab : stop) - line;
    bool isEnd = n == 3 && !memcmp(line, "end", 3);
    if (seekName) {
      // The first line that holds anything names the mix, unless it is a record;
      // as the first line it never ends the program's part of the file.
      if (stop == line) continue;
      seekName = false;
      bool key = !memchr(line, 0, n) && IsKeyword(line, n);  // a field with a NUL is no keyword
      if (isEnd) continue;
      if (!key) {
        CopyName(MixName, line, stop - line, sizeof MixName);
        continue;
      }
    }
    if (isEnd) break;

    Fields f = {tab ? tab + 1 : stop, stop};
    badSlot.p = badValue.p = trailing.p = nullptr;
    if (const Keyword *k = findKeyword(line, n)) {
      readRecord(st, f, *k);
      numberHint(k->key);
    } else if (const Effect *e = findEffect(line, n)) {
      ParamsFromBuffer(st, f, *e);
      numberHint(e->key);
    } else if (!tab) {
      spacedHint(line, stop);
    }
  }
  // What many lines share gets one message or hint, at the first of them.
  CuesNotRead = st.extraCues;
  if (st.extraCues) {
    int all = NCUES + st.extraCues;
    std::string lost = st.extraCues == 1 ? "cue " + std::to_string(all) + " was"
                                          : "cues " + std::to_string(NCUES + 1) + " to " + std::to_string(all) + " were";
    Message("faders.txt holds " + std::to_string(all) + " cues; Corvessa holds " + std::to_string(NCUES) + ": " +
                lost + " not read\n",
            "faders.txt");
  }
  if (st.backwards) {
    AboutLine(st.firstBackwards);
    int more = st.backwards - 1;
    Hint(LineName() + ": this cue's time is earlier than the one before it" +
         (more == 1 ? " (so is 1 more cue)" : more ? " (so are " + std::to_string(more) + " more cues)" : ""));
  }
  if (extraRecords) {
    AboutLine(firstExtra);
    int more = extraRecords - 1;
    Hint(LineName() + " holds more than one record; only the first is read" +
         (more == 1 ? " (so does 1 more line)" : more ? " (so do " + std::to_string(more) + " more lines)" : ""));
  }
  for (int which = 0; which < 2; which++)
    for (int g = 0; g < NGROUPS; g++)
      if (st.listed[which][g] && routings[which].on[g] == 1) {
        AboutLine(st.listLine[which][g]);
        (which ? RoutetoVCA : RouteChannel)(st.lists[which][g], g);
      }
}

}  // namespace

int CuesNotRead;

int LoadFaderText(const char *name, std::string &text, bool remember) {
  const char *file = "faders.txt";
  int state = ReadTextFile(name, text, remember);
  switch (state) {
    case FILE_TOO_LARGE:
      Message("faders.txt is larger than " + std::to_string(MaxFileSize) + " bytes; not read\n", file);
      break;
    case FILE_UNREADABLE: Message("fader file read error\n", file); break;
    case FILE_NOT_TEXT: Message("faders.txt is not a text file\n", file); break;
    case FILE_OK:
      if (text.empty()) Message("faders.txt file is empty\n", file);
      break;
  }
  return state;
}

void ReadFaderText(const std::string &text) {
  ReadingFile("faders.txt", text);
  scanText(text);
  DoneReading();
}
