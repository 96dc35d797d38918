#include "compare/compare.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "faderfile/faderfile.h"
#include "model/model.h"

namespace {

size_t tableBytes(const ModelTable &t) { return (size_t)t.size * t.count; }

// A float as the files write it; with more decimals where that would hide the difference.
std::string number(float v, int decimals, float other) {
  std::string s, o;
  AppendFixed(s, v, decimals);
  AppendFixed(o, other, decimals);
  if (s != o || v == other) return s;
  s.clear(), o.clear();
  AppendFixed(s, v, 6), AppendFixed(o, other, 6);
  if (s != o) return s;
  char buf[64];
  snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

// Element i of table t, read from an image of that table, beside the other side's.
std::string value(const ModelTable &t, int i, const char *p, const char *other) {
  switch (t.kind) {
    case TEXT: return "\"" + std::string(p, strnlen(p, t.size)) + "\"";
    case FLAG:
    case WHOLE: {
      int v;
      memcpy(&v, p, sizeof v);
      if (t.kind == FLAG && (v == 0 || v == 1)) return v ? "on" : "off";
      return std::to_string(v);
    }
    default: {
      float v, w;
      memcpy(&v, p, sizeof v), memcpy(&w, other, sizeof w);
      int row = t.shape == EFFECT_ROW ? NGROUPS : t.count;
      if (t.kind == FLAGGED && i % row == 0 && (v == 0 || v == 1)) return v ? "on" : "off";
      return number(v, t.decimals, w);
    }
  }
}

// The element in the undo status line's words, and which of a setting's values it is.
std::string describe(const ModelTable &t, int i) {
  std::string what = DescribeElement(t, i);
  if (t.shape == EFFECT_ROW && i % NGROUPS) return what + ", value " + std::to_string(i % NGROUPS);
  if (t.shape == VALUES && t.count > 1)
    return t.kind != FLAGGED ? what + ", value " + std::to_string(i + 1)
           : i               ? what + ", value " + std::to_string(i)
                             : what;
  return what;
}

bool same(const ModelTable &t, const char *a, const char *b) {
  if (t.kind == TEXT) {
    size_t n = strnlen(a, t.size);
    return n == strnlen(b, t.size) && memcmp(a, b, n) == 0;
  }
  return memcmp(a, b, t.size) == 0;
}

void split(const std::string &text, std::vector<std::string> &lines) {
  for (size_t p = 0; p < text.size();) {
    size_t nl = text.find('\n', p);
    if (nl == std::string::npos) nl = text.size();
    lines.push_back(text.substr(p, nl - p));
    p = nl + 1;
  }
}

}  // namespace

std::string ModelImage() {
  std::string image;
  image.reserve(ModelSize());
  for (int t = 0; t < NMODELTABLES; t++)
    image.append((const char *)ModelTables[t].address, tableBytes(ModelTables[t]));
  return image;
}

void SetModelImage(const std::string &image) {
  if (image.size() != ModelSize()) return;
  size_t at = 0;
  for (int t = 0; t < NMODELTABLES; t++) {
    memcpy(ModelTables[t].address, image.data() + at, tableBytes(ModelTables[t]));
    at += tableBytes(ModelTables[t]);
  }
}

int ListedUnder(const ModelTable &t) {
  return t.files & TRACKS_FILE ? TRACKS_FILE : t.files & FADER_FILE ? FADER_FILE : PREFS_FILE;
}

size_t Differences(const std::string &a, const std::string &b, std::vector<std::string> &lines,
                   size_t limit, int file, std::vector<ModelPlace> *places) {
  if (a.size() != ModelSize() || b.size() != ModelSize()) return 0;
  size_t found = 0, at = 0;
  for (int t = 0; t < NMODELTABLES; at += tableBytes(ModelTables[t]), t++) {
    const ModelTable &m = ModelTables[t];
    if (file && ListedUnder(m) != file) continue;
    const char *pa = a.data() + at, *pb = b.data() + at;
    size_t n = tableBytes(m), chunk = m.size >= 512 ? m.size : 512 / m.size * m.size;
    for (size_t c = 0; c < n; c += chunk) {
      size_t end = c + chunk < n ? c + chunk : n;
      if (memcmp(pa + c, pb + c, end - c) == 0) continue;
      for (size_t e = c; e < end; e += m.size) {
        if (same(m, pa + e, pb + e)) continue;
        if (found++ >= limit) continue;
        int i = (int)(e / m.size);
        lines.push_back(describe(m, i) + ": " + value(m, i, pa + e, pb + e) + " -> " +
                        value(m, i, pb + e, pa + e));
        if (places) places->push_back({t, i});
      }
    }
  }
  return found;
}

std::vector<std::string> CarriedLines(const std::string &file, const std::string &text) {
  std::vector<std::string> lines;
  std::string kept = text;
  if (file == "faders.txt") {
    ScrubEffects(kept);
    kept.erase(0, kept.find('\n') + 1);  // the mix name line
  } else if (file == "prefs.txt") {
    ScrubPrefs(kept);
  } else {
    return lines;
  }
  split(kept, lines);
  return lines;
}

size_t LineDifferences(const std::string &file, const std::string &a, const std::string &b,
                       std::vector<std::string> &lines, size_t limit) {
  std::vector<std::string> was = CarriedLines(file, a), now = CarriedLines(file, b);
  std::unordered_map<std::string, int> count;  // lines of a not yet matched in b
  for (const std::string &l : was) count[l]++;
  std::vector<std::string> added;
  for (const std::string &l : now)
    if (count[l] > 0)
      count[l]--;
    else
      added.push_back(l);
  size_t found = 0;
  auto note = [&](const char *how, const std::string &l) {
    if (found++ < limit) lines.push_back(std::string(how) + " line of " + file + ": \"" + l + "\"");
  };
  for (const std::string &l : was)
    if (count[l] > 0) count[l]--, note("removed", l);
  for (const std::string &l : added) note("added", l);
  return found;
}
