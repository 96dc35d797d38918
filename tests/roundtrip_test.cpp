// Random models, stored, reset and recalled: the three files come back byte for
// byte, and every value that they carry comes back at the precision they write.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include "app/app.h"
#include "faderfile/records.h"
#include "model/model.h"
#include "testutil.h"

namespace {

// Everything the three files can carry.
struct Model {
  float vol[NSLOTS * NCUES], ofs[NSLOTS * NCUES], rmp[NSLOTS * NCUES], shape[NSLOTS * NCUES];
  int active[NSLOTS * NCUES];
  float min[NCUES], sec[NCUES], msec[NCUES];
  int inUse[NCUES];
  float pan[NSLOTS];
  int solo[NSLOTS], mute[NSLOTS];
  int subAsn[NROWS * NGROUPS], subOn[NGROUPS], vcaAsn[NROWS * NGROUPS], vcaOn[NGROUPS];
  float fx[NEFFECTS][NSLOTS * NGROUPS];
  float rtn[2], trtn[3], rhp[2], rlp[2], width, pos[3];
  char names[NSLOTS][128], cues[NCUES][64], mix[128];
  char path[256], wav[256], mixdir[256], launch[256];
  int outbits, dither, mono, preview, color;
  float panlaw, previewAt[4], xin[3], xout[3], headTail[2];

  Model() {
#define GRAB(field, table) memcpy(field, table, sizeof field)
    GRAB(vol, Volume), GRAB(ofs, Offset), GRAB(rmp, Ramp), GRAB(shape, Shape);
    GRAB(active, ChanActive), GRAB(min, IndexMin), GRAB(sec, IndexSec), GRAB(msec, IndexMsec);
    GRAB(inUse, IndexActiveArray), GRAB(pan, Pan), GRAB(solo, SoloArray), GRAB(mute, MuteArray);
    GRAB(subAsn, SubAsn), GRAB(subOn, SubOn), GRAB(vcaAsn, VcaAsn), GRAB(vcaOn, VcaOn);
    for (int e = 0; e < NEFFECTS; e++) GRAB(fx[e], Effects[e].table);
    GRAB(rtn, Prtn), GRAB(trtn, Ptrtn), GRAB(rhp, Prhp), GRAB(rlp, Prlp), GRAB(pos, Prev_position);
    GRAB(names, NameBuffer), GRAB(cues, CueNameBuffer), GRAB(mix, MixName), GRAB(path, Path);
    GRAB(wav, WavDirName), GRAB(mixdir, MixDirName), GRAB(launch, LaunchCommand);
    GRAB(previewAt, PreviewArray), GRAB(xin, XinArray), GRAB(xout, XoutArray);
    GRAB(headTail, HeadTailArray);
#undef GRAB
    width = Prev_width, outbits = OutbitsStore, dither = DitherBits, mono = monoOn;
    preview = PreviewOn, color = ::color, panlaw = PanlawStore;
  }
};

std::mt19937 rng;
int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
bool chance(int percent) { return pick(100) < percent; }
float any(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }
// A value of either sign whose size is lo..hi.
float away(float lo, float hi) { return chance(50) ? any(lo, hi) : -any(lo, hi); }

// Names of words that look like records, formats and statuses, never with blanks at
// their ends (the tracks file trims them); sometimes as long as the row allows.
std::string randomName(size_t max) {
  static const char *const words[] = {
      "end", "inc", "comp", "v",   "t",    "cue",  "begin", "++",
      "off", "+",   "%s",   "%i",  "100%", "Kick", "Vox L", "\xc3\xa9t\xc3\xa9",
      "G",   "M",   "sub",  "----"};
  std::string s;
  for (int n = 1 + pick(4); n > 0; n--) s += std::string(s.empty() ? "" : " ") + words[pick(20)];
  if (chance(5)) s = std::string(max, 'a' + pick(26));
  s.resize(std::min(s.size(), max));
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

void setName(char *row, size_t size, const std::string &name) {
  snprintf(row, size, "%s", name.c_str());
}

void randomModel() {
  setName(MixName, sizeof MixName, "Mix " + randomName(100));
  for (int g = 0; g < NGROUPS; g++) {
    SubOn[g] = chance(50), VcaOn[g] = chance(50);
    setName(NameBuffer[128 + g], 128, chance(10) ? "" : randomName(127));
    setName(NameBuffer[136 + g], 128, randomName(127));
    for (int r = 0; r < 127; r++)
      SubAsn[r * NGROUPS + g] = chance(10), VcaAsn[r * NGROUPS + g] = chance(10);
    MuteArray[128 + g] = chance(20), SoloArray[128 + g] = chance(20);
  }
  for (int s = 0; s <= 135; s++) {
    for (const EffectRecord &e : Effects) {
      if (!chance(8)) continue;
      e.table[s * NGROUPS] = 1;
      for (int c = 1; c <= e.values; c++) e.table[s * NGROUPS + c] = any(-1000, 20000);
    }
    Pan[s] = chance(20) ? away(1, 100) : 0;
  }
  for (float *v : {Prtn, Prtn + 1, Ptrtn, Ptrtn + 1, Ptrtn + 2, Prhp + 1, Prlp + 1})
    *v = any(-50, 20000);
  Prhp[0] = chance(50), Prlp[0] = chance(50);
  // A width above 100 or a pan law out of its range is not written, so the
  // recall leaves the default, which is: such values are not for this test.
  Prev_width = any(0, 100);
  for (float &p : Prev_position) p = any(0, 100);

  IndexActiveArray[0] = 0;
  IndexActiveArray[pick(NCUES)] = 1;
  for (int k = 0; k < NCUES; k++) {
    if (chance(3)) IndexActiveArray[k] = 1;
    if (!IndexActiveArray[k]) continue;
    IndexMin[k] = any(0, 120), IndexSec[k] = any(0, 60), IndexMsec[k] = any(0, 1000);
    setName(CueNameBuffer[k], 64, chance(20) ? std::string(1, 'A' + pick(26)) : randomName(63));
    for (int s = 0; s < NSLOTS; s++) {
      if (!chance(3)) continue;
      int e = s * NCUES + k;
      ChanActive[e] = 1, Volume[e] = any(-100, 12);
      Offset[e] = chance(30) ? away(0.001f, 30) : 0;
      Ramp[e] = chance(30) ? away(0.001f, 30) : 0;
      Shape[e] = chance(30) ? 1 + away(0.001f, 0.9f) : 1;
    }
  }
  for (int c = 1; c <= 127; c++) {
    setName(NameBuffer[c], 128, chance(40) ? randomName(127) : "");
    MuteArray[c] = chance(20), SoloArray[c] = chance(10);
  }

  PreviewOn = chance(50);
  PreviewArray[0] = any(0, 60), PreviewArray[1] = any(0, 60), PreviewArray[2] = any(0, 1000);
  PreviewArray[3] = any(0, 600);
  for (float *v : {XinArray, XoutArray})
    for (int i = 0; i < 3; i++) v[i] = chance(40) ? 0 : any(0.001f, 60);
  for (float &v : HeadTailArray) v = chance(40) ? 0 : away(0.001f, 30);
  char *texts[] = {Path, WavDirName, MixDirName, LaunchCommand};
  for (char *t : texts) setName(t, 256, chance(20) ? "" : chance(10) ? "/" : randomName(255));
  PanlawStore = any(0.1f, 6);
  OutbitsStore = chance(50) ? 16 : 24;
  DitherBits = pick(9), monoOn = chance(50), color = pick(256);
}

// The value as a file writes it with the given decimals and a reader takes it back.
float at(double v, int decimals) {
  char text[400];
  snprintf(text, sizeof text, "%.*f", decimals, v);
  return (float)strtod(text, nullptr);
}

// Collects the values that did not come back, a few of them spelled out.
struct Checker {
  int failures = 0;
  std::string report;
  template <class T>
  void eq(const T &got, const T &want, const char *what, int i = 0, int j = 0) {
    if (got == want) return;
    if (++failures <= 10)
      report += std::string(what) + "[" + std::to_string(i) + "][" + std::to_string(j) +
                "]: " + std::to_string(got) + " instead of " + std::to_string(want) + "\n";
  }
  void str(const char *got, const char *want, const char *what, int i = 0) {
    eq(std::string(got) == want ? 1 : 0, 1, what, i);
  }
};

// The recalled model (now) against the stored one (was) and the reset one (reset).
void checkValues(const Model &was, const Model &reset, Checker &c) {
  Model now;
  c.str(now.mix, was.mix, "MixName");
  for (int g = 0; g < NGROUPS; g++) {
    const int *onW[] = {was.subOn, was.vcaOn}, *onN[] = {now.subOn, now.vcaOn};
    const int *asnW[] = {was.subAsn, was.vcaAsn}, *asnN[] = {now.subAsn, now.vcaAsn};
    for (int m = 0; m < 2; m++) {
      int slot = 128 + 8 * m + g;
      c.eq(onN[m][g], onW[m][g], "on", m, g);
      c.str(now.names[slot], (onW[m][g] ? was : reset).names[slot], "group name", slot);
      for (int r = 0; r < NROWS; r++)
        c.eq(asnN[m][r * NGROUPS + g], onW[m][g] ? asnW[m][r * NGROUPS + g] : 0, "member", r, g);
    }
    c.eq(now.mute[128 + g], was.mute[128 + g], "submix mute", g);
    c.eq(now.solo[128 + g], was.solo[128 + g], "submix solo", g);
  }
  bool used = false;
  for (int e = 0; e < NEFFECTS; e++)
    for (int s = 0; s <= 135; s++) {
      const float *w = was.fx[e] + s * NGROUPS, *n = now.fx[e] + s * NGROUPS;
      c.eq(n[0], w[0] == 1.0f ? 1.0f : 0.0f, Effects[e].key, s);
      if (w[0] != 1.0f) continue;
      used |= Effects[e].table == Prev || Effects[e].table == Ptrev;
      for (int col = 1; col <= Effects[e].values; col++)
        c.eq(n[col], at(w[col], 1), Effects[e].key, s, col);
    }
  for (int s = 0; s <= 135; s++)
    c.eq(now.pan[s], was.pan[s] != 0 ? at(was.pan[s], 0) : 0.0f, "pan", s);
  bool rev = false, trev = false;
  for (int s = 0; s <= 135; s++) rev |= was.fx[9][s * 8] == 1.0f, trev |= was.fx[10][s * 8] == 1.0f;
  for (int i = 0; i < 2; i++) c.eq(now.rtn[i], rev ? at(was.rtn[i], 1) : reset.rtn[i], "rtn", i);
  for (int i = 0; i < 3; i++)
    c.eq(now.trtn[i], trev ? at(was.trtn[i], 1) : reset.trtn[i], "trtn", i);
  for (int i = 0; i < 3; i++) c.eq(now.pos[i], used ? at(was.pos[i], 0) : reset.pos[i], "pos", i);
  bool width = used && was.width >= 0 && was.width <= 100;
  c.eq(now.width, width ? at(was.width, 0) : reset.width, "width");
  const float *filtW[] = {was.rhp, was.rlp}, *filtN[] = {now.rhp, now.rlp},
              *filtR[] = {reset.rhp, reset.rlp};
  for (int f = 0; f < 2; f++) {
    bool on = filtW[f][0] == 1.0f;
    c.eq(filtN[f][0], on ? 1.0f : filtR[f][0], "filter", f);
    c.eq(filtN[f][1], on ? at(filtW[f][1], 0) : filtR[f][1], "filter", f, 1);
  }

  int i = 0;  // the i-th cue in use comes back as cue i
  for (int k = 0; k < NCUES; k++) {
    if (!was.inUse[k]) continue;
    c.eq(now.inUse[i], 1, "in use", i);
    c.eq(now.min[i], at(was.min[k], 0), "minutes", i);
    c.eq(now.sec[i], at(was.sec[k], 3), "seconds", i);
    c.eq(now.msec[i], at(was.msec[k], 0), "milliseconds", i);
    c.str(now.cues[i], strlen(was.cues[k]) >= 2 ? was.cues[k] : reset.cues[i], "cue name", i);
    for (int s = 0; s < NSLOTS; s++) {
      int e = s * NCUES + i, w = s * NCUES + k;
      c.eq(now.active[e], was.active[w], "entry", s, i);
      if (!was.active[w]) continue;
      c.eq(now.vol[e], at(was.vol[w], 2), "volume", s, i);
      c.eq(now.ofs[e], was.ofs[w] != 0 ? at(was.ofs[w], 3) : 0.0f, "offset", s, i);
      c.eq(now.rmp[e], was.rmp[w] != 0 ? at(was.rmp[w], 3) : 0.0f, "ramp", s, i);
      c.eq(now.shape[e], was.shape[w] != 1.0f ? at(was.shape[w], 3) : 1.0f, "shape", s, i);
    }
    i++;
  }
  for (; i < NCUES; i++) c.eq(now.inUse[i], reset.inUse[i], "in use", i);

  int last = 1;
  for (int ch = 1; ch <= 127; ch++)
    if (!was.mute[ch] && was.names[ch][0]) last = ch;
  for (int ch = 1; ch <= 127; ch++) {
    bool listed = ch <= last;
    c.str(now.names[ch], listed ? was.names[ch] : "", "channel name", ch);
    c.eq(now.solo[ch], int(listed && was.solo[ch]), "solo", ch);
    c.eq(now.mute[ch], int(listed && was.mute[ch] && !was.solo[ch]), "mute", ch);
  }

  c.eq(now.preview, was.preview, "preview");
  for (int j = 0; j < 4; j++)
    c.eq(now.previewAt[j], at(was.previewAt[j], j == 2 ? 0 : 3), "preview at", j);
  const float *xW[] = {was.xin, was.xout}, *xN[] = {now.xin, now.xout};
  for (int x = 0; x < 2; x++) {
    bool zero = !xW[x][0] && !xW[x][1] && !xW[x][2];
    for (int j = 0; j < 3; j++) c.eq(xN[x][j], zero ? 0.0f : at(xW[x][j], 3), "xin/xout", x, j);
  }
  for (int j = 0; j < 2; j++)
    c.eq(now.headTail[j], was.headTail[j] != 0 ? at(was.headTail[j], 3) : 0.0f, "head/tail", j);
  c.str(now.path, strlen(was.path) > 1 ? was.path : "", "path");
  c.str(now.launch, strlen(was.launch) > 1 ? was.launch : "", "launch");
  c.str(now.wav, was.wav, "wavdir");
  c.str(now.mixdir, was.mixdir, "mixdir");
  bool panlaw = was.panlaw > 0 && (double)was.panlaw < 6.1;
  c.eq(now.panlaw, panlaw ? at(was.panlaw, 1) : reset.panlaw, "pan law");
  c.eq(now.outbits, was.outbits, "outbits");
  c.eq(now.dither, was.dither, "dither");
  c.eq(now.mono, was.mono, "mono");
  c.eq(now.color, was.color, "color");
}

class RoundTripTest : public ConsoleTest, public testing::WithParamInterface<int> {};

const char *const Files[] = {"faders.txt", "prefs.txt", "tracks.txt"};
const int ModelsPerBatch = 75;

TEST_P(RoundTripTest, RandomModelsComeBackWhole) {
  for (int seed = GetParam() * ModelsPerBatch; seed < (GetParam() + 1) * ModelsPerBatch; seed++) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    ClearInternalArrays();
    rng.seed(seed);
    randomModel();
    // Lines of the user's own, to be kept through it all.
    WriteFile("faders.txt", "old name\n# my notes\tcomp\n");
    WriteFile("prefs.txt", "# engine tuning\tmono\n");
    SaveAll();
    ASSERT_EQ(Status(), "Save Complete");
    auto was = std::make_unique<Model>();
    std::string first[3];
    for (int f = 0; f < 3; f++) first[f] = ReadFile(Files[f]);
    ASSERT_NE(first[0].find("\n# my notes\tcomp\n"), std::string::npos);
    ASSERT_NE(first[1].find("\n# engine tuning\tmono\nend\n"), std::string::npos);

    ClearInternalArrays();
    HeadTailArray[0] = HeadTailArray[1] = 0;
    color = 97;
    auto reset = std::make_unique<Model>();
    RecallAll();
    Checker c;
    checkValues(*was, *reset, c);
    EXPECT_EQ(c.failures, 0) << c.report;

    SaveAll();
    for (int f = 0; f < 3; f++) {
      std::string again = ReadFile(Files[f]);
      size_t at =
          std::mismatch(again.begin(), again.end(), first[f].begin(), first[f].end()).first -
          again.begin();
      size_t line = again.rfind('\n', at) + 1;
      ASSERT_EQ(again, first[f]) << Files[f] << " differs from its line " << again.substr(line, 60);
    }
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RoundTripTest, testing::Range(0, 4));

}  // namespace
