// A selection typed as the files name slots: "1-20,G1 @ 10-40".
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "range/range.h"

namespace {

// What a number of a selection names: n of a kind is slot (or cue) first + n - 1.
struct Kind {
  char letter;
  int first, count;
  const char *limits;
};
const Kind slotKinds[] = {{0, 1, NCHANNELS, "channels are 1 to 127"},
                          {'G', FIRST_SUB, NGROUPS, "submixes are G1 to G8"},
                          {'V', FIRST_VCA, NGROUPS, "VCAs are V1 to V8"}};
const Kind cueKind = {0, 0, NCUES, "time indexes are 1 to 512"};

struct Reader {
  const char *text, *p;
  char *error;
  int size;
  CellRange got;

  void blanks() {
    while (*p == ' ' || *p == '\t') p++;
  }
  bool letter(char c) {
    if (!c || toupper((unsigned char)*p) != c) return false;
    p++, blanks();
    return true;
  }
  long number() {
    if (!isdigit((unsigned char)*p)) return -1;
    long n = 0;
    for (; isdigit((unsigned char)*p); p++) n = std::min(n * 10 + (*p - '0'), 1000000L);
    blanks();
    return n;
  }
  // Refuses the text, quoting the item that begins at `at`.
  bool fail(const char *at, const char *why) {
    int n = (int)strcspn(at, ",@");
    while (n > 0 && isspace((unsigned char)at[n - 1])) n--;
    int col = int(at - text) + 1;
    if (n)
      snprintf(error, size, "Not a selection at column %i (\"%.*s\"): %s", col, std::min(n, 24), at, why);
    else
      snprintf(error, size, "Not a selection at column %i: %s", col, why);
    return false;
  }
  // One item: "M", or a number or a range of one kind ("13", "G1-8", "G1-G8").
  bool item(bool slots) {
    const char *at = p, *what = slots ? "not a slot" : "not a time index";
    if (slots && letter('M')) return got.row[MapSlotRow(MASTER)] = true;
    const Kind *kind = slots ? slotKinds : &cueKind;
    for (const Kind &k : slotKinds)
      if (slots && letter(k.letter)) {
        kind = &k;
        break;
      }
    long a = number(), b = a;
    if (a >= 0 && *p == '-') {
      p++, blanks();
      if (slots && isalpha((unsigned char)*p) && !letter(kind->letter))
        return fail(at, "a range stays within one kind of slot");
      b = number();
    }
    if (a < 0 || b < 0) return fail(at, what);
    if (a < 1 || b < 1 || a > kind->count || b > kind->count) return fail(at, kind->limits);
    if (a > b) return fail(at, "a range goes from the lower number to the higher");
    for (int n = (int)a; n <= b; n++) {
      int i = kind->first + n - 1;
      if (slots) got.row[MapSlotRow(i)] = true;
      else got.cue[i] = IndexActiveArray[i] == 1;
    }
    return true;
  }
  // Items separated by commas, up to the "@" (slots) or the end (time indexes).
  bool list(bool slots) {
    for (;;) {
      blanks();
      const char *at = p;
      if (!item(slots)) return false;
      if (*p == ',') {
        p++;
        continue;
      }
      if (*p == (slots ? '@' : 0)) return true;
      if (!*p) return fail(p, "no \"@\" before the time indexes");
      return fail(at, slots ? "not a slot" : "not a time index");
    }
  }
};

// Appends a kind's runs of selected items to out ("G1-8"); a run of time indexes
// goes on over the cues not in use.
void runs(std::string &out, const Kind &k, const CellRange &r, bool slots) {
  auto on = [&](int n) {
    int i = k.first + n - 1;
    return slots ? r.row[MapSlotRow(i)] : r.cue[i] && IndexActiveArray[i] == 1;
  };
  auto unused = [&](int n) { return !slots && IndexActiveArray[k.first + n - 1] != 1; };
  for (int n = 1; n <= k.count; n++) {
    if (!on(n)) continue;
    int last = n;
    for (int m = n + 1; m <= k.count && (on(m) || unused(m)); m++)
      if (on(m)) last = m;
    char text[32], letter[2] = {k.letter, 0};
    int len = snprintf(text, sizeof text, "%s%s%i", out.empty() || out.back() == ' ' ? "" : ",", letter, n);
    if (last > n) snprintf(text + len, sizeof text - len, "-%i", last);
    out += text;
    n = last;
  }
}

}  // namespace

std::string RangeText(const CellRange &r) {
  if (!RangeRows(r) || !RangeCues(r)) return "";
  std::string out;
  for (const Kind &k : slotKinds) runs(out, k, r, true);
  if (r.row[MapSlotRow(MASTER)]) out += out.empty() ? "M" : ",M";
  out += " @ ";
  runs(out, cueKind, r, false);
  return out;
}

bool ReadCellRange(const char *text, CellRange &r, char *error, int size) {
  Reader in{text, text, error, size, {}};
  if (!in.list(true)) return false;
  in.p++, in.blanks();
  const char *cues = in.p;
  if (!in.list(false)) return false;
  if (!RangeCues(in.got)) return in.fail(cues, "none of these time indexes is in use");
  r = in.got;
  return true;
}
