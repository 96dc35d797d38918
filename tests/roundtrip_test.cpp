// Random models, stored, reset and recalled: the three texts come back byte for
// byte, and every value that they carry comes back at the precision they write,
// whether their lines end in LF, CR LF, a lone CR or a mix of them.
#include <algorithm>
#include <random>

#include "filetest.h"

namespace {

std::mt19937 rng;
int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
bool chance(int percent) { return pick(100) < percent; }
// A value lo..hi as a file writes it with the given decimals and a reader takes it back.
float any(float lo, float hi, int decimals) {
  char text[400];
  snprintf(text, sizeof text, "%.*f", decimals, std::uniform_real_distribution<float>(lo, hi)(rng));
  return (float)strtod(text, nullptr);
}
// A value of either sign whose size is lo..hi.
float away(float lo, float hi, int decimals) { return (chance(50) ? 1 : -1) * any(lo, hi, decimals); }

// Names of words that look like records, formats and statuses, never with blanks at
// their ends (the tracks file trims them) nor of one character (prefs.txt and cue
// names drop those); sometimes as long as the row allows.
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
  return s.size() == 1 ? s + s : s;
}

void setName(char *row, size_t size, const std::string &name) { snprintf(row, size, "%s", name.c_str()); }

// A random model carrying only what the files carry. With compact set, it is the
// same model as a recall gives it back: the cues in use moved to the front in order,
// tracks after the last one written as a reset leaves them.
void randomModel(bool compact) {
  setName(MixName, sizeof MixName, "Mix " + randomName(100));
  for (int g = 0; g < NGROUPS; g++) {
    if ((SubOn[g] = chance(50)))
      setName(NameBuffer[SubSlot(g + 1)], 128, chance(10) ? "" : randomName(127));
    if ((VcaOn[g] = chance(50))) setName(NameBuffer[VcaSlot(g + 1)], 128, randomName(127));
    for (int r = 0; r < NCHANNELS; r++)
      SubAsn[r * NGROUPS + g] = SubOn[g] && chance(10), VcaAsn[r * NGROUPS + g] = VcaOn[g] && chance(10);
    MuteArray[SubSlot(g + 1)] = chance(20), SoloArray[SubSlot(g + 1)] = chance(20);
  }
  bool rev = false, trev = false;
  for (int s = 0; s < FIRST_VCA; s++) {
    for (const Effect &e : Effects) {
      if (!chance(8)) continue;
      e.table[s * NGROUPS] = 1;
      for (int c = 1; c <= e.values; c++) e.table[s * NGROUPS + c] = any(-1000, 20000, 1);
      rev |= e.table == Prev, trev |= e.table == Ptrev;
    }
    Pan[s] = chance(20) ? away(1, 100, 0) : 0;
  }
  // Reverb settings are written only with a send to use them.
  if (rev) Prtn[0] = any(-50, 20000, 1), Prtn[1] = any(-50, 20000, 1);
  if (trev)
    for (float &v : Ptrtn) v = any(-50, 20000, 1);
  if (rev || trev) {
    Prev_width = any(0, 100, 0);
    for (float &p : Prev_position) p = any(0, 100, 0);
  }
  for (float *f : {Prhp, Prlp})
    if ((f[0] = chance(50))) f[1] = any(-50, 20000, 0);

  int forced = pick(NCUES);
  for (int k = 0, i = 0; k < NCUES; k++) {
    if (!chance(3) && k != forced) {
      if (!compact) IndexActiveArray[k] = 0;
      continue;
    }
    int at = compact ? i++ : k;
    IndexActiveArray[at] = 1;
    IndexMin[at] = any(0, 120, 0), IndexSec[at] = any(0, 60, 3), IndexMsec[at] = any(0, 1000, 0);
    setName(CueNameBuffer[at], 64, randomName(63));
    for (int s = 0; s < NSLOTS; s++) {
      if (!chance(3)) continue;
      int e = Entry(s, at);
      ChanActive[e] = 1, Volume[e] = any(-100, 12, 2);
      Offset[e] = chance(30) ? away(0.001f, 30, 3) : 0;
      Ramp[e] = chance(30) ? away(0.001f, 30, 3) : 0;
      Shape[e] = chance(30) ? chance(50) ? any(0.1f, 0.999f, 3) : any(1.001f, 1.9f, 3) : 1;
    }
  }
  for (int c = 1; c <= NCHANNELS; c++) {
    setName(NameBuffer[c], 128, chance(40) ? randomName(127) : "");
    MuteArray[c] = chance(20), SoloArray[c] = chance(10);
  }

  PreviewOn = chance(50);
  PreviewArray[0] = any(0, 60, 3), PreviewArray[1] = any(0, 60, 3);
  PreviewArray[2] = any(0, 1000, 0), PreviewArray[3] = any(0, 600, 3);
  for (float *v : {XinArray, XoutArray})
    for (int i = 0; i < 3; i++) v[i] = chance(40) ? 0 : any(0.001f, 60, 3);
  for (float &v : HeadTailArray) v = chance(40) ? 0 : away(0.001f, 30, 3);
  for (char *t : {Path, WavDirName, MixDirName, LaunchCommand})
    setName(t, 256, chance(20) ? "" : randomName(255));
  PanlawStore = any(0.1f, 6, 1);
  OutbitsStore = chance(50) ? 16 : 24;
  DitherBits = pick(9), monoOn = chance(50), color = pick(256);
}

// What the tracks file gives back of the model as stored: a soloed track is not
// muted, none after the last one written, and one written as the placeholder
// "----" muted or soloed comes back unnamed and not muted.
void tracksAsRecalled() {
  int last = 1;
  for (int c = 1; c <= NCHANNELS; c++)
    if (!MuteArray[c] && NameBuffer[c][0]) last = c;
  for (int c = 1; c <= NCHANNELS; c++) {
    bool unnamed = !NameBuffer[c][0] || (!strcmp(NameBuffer[c], "----") && (MuteArray[c] || SoloArray[c]));
    MuteArray[c] = c <= last && MuteArray[c] && !SoloArray[c] && !unnamed;
    SoloArray[c] = c <= last && SoloArray[c];
    if (c > last || unnamed) NameBuffer[c][0] = 0;
  }
}

// text with every LF made CR LF or a lone CR, or every other one in a mix (form 0: as it is).
std::string withEnds(const std::string &text, int form) {
  static const char *const ends[] = {"\n", "\r\n", "\r", "\r\n", "\r"};
  std::string out;
  int n = 0;
  for (char c : text) out += c != '\n' ? std::string(1, c) : form > 2 && n++ % 2 ? "\n" : ends[form];
  return out;
}

class RoundTripTest : public FilesTest, public testing::WithParamInterface<int> {};

const char *const Files[] = {"faders.txt", "prefs.txt", "tracks.txt"};
const char *const Old[] = {"Old Mix\n# mine\n", "# mine\n", ""};  // with a line of the user's own
const int ModelsPerBatch = 75;

TEST_P(RoundTripTest, RandomModelsComeBackWhole) {
  for (int seed = GetParam() * ModelsPerBatch; seed < (GetParam() + 1) * ModelsPerBatch; seed++) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    ClearInternalArrays();
    rng.seed(seed);
    randomModel(true);
    TracksText();  // names and mutes the empty tracks before the last one
    tracksAsRecalled();
    const std::string want = Model();

    ClearInternalArrays();
    rng.seed(seed);
    randomModel(false);
    std::string first[3], recalled[3];
    for (int f = 0; f < 3; f++) first[f] = Stored(Files[f], Old[f]);

    ClearInternalArrays();
    HeadTailArray[0] = HeadTailArray[1] = 0;  // not reset, and not written when 0
    for (int f = 0; f < 3; f++) Recall(Files[f], recalled[f] = withEnds(first[f], seed % 5));
    ASSERT_EQ(Changed(want), "");
    ASSERT_EQ(Listed(), "");  // what a store writes, a recall reads without a word

    for (int f = 0; f < 3; f++) ASSERT_EQ(Stored(Files[f], recalled[f]), first[f]) << Files[f];
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RoundTripTest, testing::Range(0, 4));

}  // namespace
