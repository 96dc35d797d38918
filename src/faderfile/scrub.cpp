// The keyword table and the carrying-over of lines that are not the program's own.
#include <cstring>

#include "faderfile/faderfile.h"
#include "model/model.h"

namespace {

const char *const keywords[] = {
    "hp",     "comp",    "rms",     "nlc",   "lim",    "fxg",     "band1",  "band2",  "hshelf",
    "lshelf", "rev",     "trev",    "rtn",   "trtn",   "rhp",     "rlp",    "width",  "pos",
    "shape",  "t",       "p",       "inc",   "ofs",    "rmp",     "v",      "sub",    "vca",
    "VCA:",   "subname", "vcaname", "pre",   "start",  "length",  "xin",    "xout",   "head",
    "tail",   "oname",   "cue",     "path",  "color",  "submu",   "subso",  "pan",    "outbits",
    "mono",   "play",    "device",  "wavdir", "mixdir", "launch", "dither"};
static_assert(sizeof keywords / sizeof *keywords == 52, "52 keywords");

bool isKey(const char *word, size_t n) {
  for (const char *k : keywords)
    if (strlen(k) == n && memcmp(k, word, n) == 0) return true;
  return false;
}

// Appends to out the lines of text that are not the program's own: lines whose
// first field (up to the first tab) is not a keyword and that hold some text
// besides tabs, each ended by a newline, in their old order and byte for byte.
// A line ending in CR LF is judged as one ending in LF. The scan ends at a line
// whose first field is "end". The first line is skipped when skipFirst is set.
void carryOver(const std::string &text, std::string &out, bool skipFirst) {
  size_t pos = 0, len = text.size();
  for (bool first = true; pos < len; first = false) {
    const char *line = text.data() + pos;
    const char *nl = static_cast<const char *>(memchr(line, '\n', len - pos));
    size_t n = nl ? size_t(nl - line) : len - pos;
    pos += n + 1;
    size_t m = n && line[n - 1] == '\r' ? n - 1 : n;  // the line without its CR
    const char *tab = static_cast<const char *>(memchr(line, '\t', m));
    size_t field = tab ? size_t(tab - line) : m;
    if (field == 3 && memcmp(line, "end", 3) == 0) break;
    if (first && skipFirst) continue;
    if (strspn(line, "\t") >= m) continue;  // no text besides tabs
    if (isKey(line, field)) continue;
    out.append(line, n);
    out += '\n';
  }
}

}  // namespace

int CheckForKey(const char *word) { return isKey(word, strlen(word)); }

void ScrubEffects(std::string &text) {
  std::string out = MixName;
  out += '\n';
  carryOver(text, out, true);
  text.swap(out);
}

void ScrubPrefs(std::string &text) {
  std::string out;
  carryOver(text, out, false);
  text.swap(out);
}
