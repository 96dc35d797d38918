// The keyword table and the carrying-over of lines that are not the program's own.
#include <cstring>

#include "faderfile/faderfile.h"
#include "model/model.h"

const char *const FileKeywords[NKEYWORDS] = {
    "hp",     "comp",    "rms",     "nlc",   "lim",    "fxg",     "band1",  "band2",  "hshelf",
    "lshelf", "rev",     "trev",    "rtn",   "trtn",   "rhp",     "rlp",    "width",  "pos",
    "shape",  "t",       "p",       "inc",   "ofs",    "rmp",     "v",      "sub",    "vca",
    "VCA:",   "subname", "vcaname", "pre",   "start",  "length",  "xin",    "xout",   "head",
    "tail",   "oname",   "cue",     "path",  "color",  "submu",   "subso",  "pan",    "outbits",
    "mono",   "play",    "device",  "wavdir", "mixdir", "launch", "dither"};

namespace {

// The keywords chained by first character, for a quick look-up: first[c] and
// next[i] hold a keyword's index plus one, 0 ending the chain.
unsigned char first[128], next[NKEYWORDS];
size_t length[NKEYWORDS];
static_assert(NKEYWORDS < 255, "keyword indexes fit in a byte");

}  // namespace

bool IsKeyword(const char *word, size_t n) {
  static bool indexed = false;
  if (!indexed) {
    for (size_t i = NKEYWORDS; i-- > 0;) {
      unsigned char c = FileKeywords[i][0] & 127;
      length[i] = strlen(FileKeywords[i]);
      next[i] = first[c];
      first[c] = (unsigned char)(i + 1);
    }
    indexed = true;
  }
  unsigned char c = word[0];
  if (n == 0 || c >= 128) return false;
  for (int j = first[c]; j; j = next[j - 1])
    if (length[j - 1] == n && memcmp(FileKeywords[j - 1], word, n) == 0) return true;
  return false;
}

namespace {

// Appends to out the lines of text that are not the program's own: lines whose
// first field (up to the first tab) is not a keyword and that hold some text
// besides tabs, each ended by a newline, in their old order. A line ends at LF,
// CR LF or a lone CR alike, and each carries over ended by LF. The
// scan ends at a line whose first field is "end". The first line is skipped when
// skipFirst is set.
void carryOver(const std::string &text, std::string &out, bool skipFirst) {
  const char *end = text.data() + text.size(), *after;
  for (const char *line = text.data(); line < end; line = after) {
    size_t n = LineAt(line, end, &after);
    bool first = line == text.data();
    size_t field = 0;
    while (field < n && line[field] != '\t') field++;
    if (first && skipFirst) continue;  // the mix name, whatever it says
    if (field == 3 && memcmp(line, "end", 3) == 0) break;
    if (field ? IsKeyword(line, field) : strspn(line, "\t") >= n) continue;  // or only tabs
    out.append(line, n);
    out += '\n';
  }
}

}  // namespace

int CheckForKey(const char *word) { return IsKeyword(word, strlen(word)); }

void ScrubEffects(std::string &text) {
  std::string out;
  AppendName(out, MixName, sizeof MixName);
  out += '\n';
  carryOver(text, out, true);
  text.swap(out);
}

void ScrubPrefs(std::string &text) {
  std::string out;
  carryOver(text, out, false);
  text.swap(out);
}
