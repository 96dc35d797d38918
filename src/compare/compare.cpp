#include "compare/compare.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "faderfile/faderfile.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"

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

bool same(const ModelTable &t, const char *a, const char *b, bool asWritten) {
  if (t.kind == TEXT) {
    size_t n = strnlen(a, t.size);
    return n == strnlen(b, t.size) && memcmp(a, b, n) == 0;
  }
  if (memcmp(a, b, t.size) == 0) return true;
  if (!asWritten || (t.kind != FLOAT && t.kind != FLAGGED)) return false;
  float x, y;
  memcpy(&x, a, sizeof x), memcpy(&y, b, sizeof y);
  std::string tx, ty;
  AppendFixed(tx, x, t.decimals), AppendFixed(ty, y, t.decimals);
  return tx == ty;
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
                   size_t limit, int file, std::vector<ModelPlace> *places, bool asWritten) {
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
        if (same(m, pa + e, pb + e, asWritten)) continue;
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

void AsFilesCarry() {
  // The cues in use, to the front.
  int n = 0;
  for (int k = 0; k < NCUES; k++) {
    if (IndexActiveArray[k] != 1) continue;
    if (k != n) {
      for (float *t : {Volume, Offset, Ramp, Shape})
        for (int s = 0; s < NSLOTS; s++) t[Entry(s, n)] = t[Entry(s, k)];
      for (int s = 0; s < NSLOTS; s++) ChanActive[Entry(s, n)] = ChanActive[Entry(s, k)];
      IndexMin[n] = IndexMin[k], IndexSec[n] = IndexSec[k], IndexMsec[n] = IndexMsec[k];
      memcpy(CueNameBuffer[n], CueNameBuffer[k], sizeof CueNameBuffer[n]);
      IndexActiveArray[n] = 1;
    }
    n++;
  }
  for (int k = n; k < NCUES; k++) {
    IndexActiveArray[k] = 0;
    IndexMin[k] = IndexSec[k] = IndexMsec[k] = 0;
    CueNameBuffer[k][0] = 0;
    for (int s = 0; s < NSLOTS; s++) ChanActive[Entry(s, k)] = 0;
  }
  for (int e = 0; e < NSLOTS * NCUES; e++)
    if (ChanActive[e] != 1) Volume[e] = Offset[e] = Ramp[e] = 0, Shape[e] = 1, ChanActive[e] = 0;
  // Effects switched off, and the reverb settings no send uses.
  bool used[2] = {false, false};
  for (const Effect &f : Effects)
    for (int s = 0; s < NSLOTS; s++) {
      float *row = f.table + s * NGROUPS;
      if (row[0] != 1.0f) memcpy(row, f.defaults, sizeof f.defaults);
      if (row[0] == 1.0f && (f.table == Prev || f.table == Ptrev)) used[f.table == Ptrev] = true;
    }
  if (!used[0]) Prtn[0] = 0, Prtn[1] = 150;
  if (!used[1]) Ptrtn[0] = 0, Ptrtn[1] = 150, Ptrtn[2] = 5;
  if (!used[0] && !used[1]) Prev_width = 50, Prev_position[0] = 37, Prev_position[1] = 39, Prev_position[2] = 43;
  if (Prhp[0] != 1.0f) Prhp[0] = 0, Prhp[1] = 150;
  if (Prlp[0] != 1.0f) Prlp[0] = 0, Prlp[1] = 7000;
}

size_t SettingsNotKept(const std::string &faders, const std::string &prefs, const std::string &tracks,
                       std::vector<std::string> &lines) {
  const std::string console = ModelImage();
  const int cuesNotRead = CuesNotRead;
  AsFilesCarry();
  const std::string kept = ModelImage();
  StartUpModel();
  {
    QuietMessages quiet;
    ReadFaderText(faders);
    ReadTracksText(tracks);
    ReadPrefsText(prefs);
  }
  AsFilesCarry();
  const std::string recalled = ModelImage();
  SetModelImage(console);
  CuesNotRead = cuesNotRead;
  std::vector<std::string> found;
  size_t n = Differences(kept, recalled, found, (size_t)-1, 0, nullptr, true);
  for (const std::string &f : found) {
    size_t colon = f.find(": "), arrow = f.rfind(" -> ");
    lines.push_back(f.substr(0, colon) + ": " + f.substr(colon + 2, arrow - colon - 2) +
                    " is not kept by the files; a recall gives " + f.substr(arrow + 4));
  }
  return n;
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
