// Random models of what the windows set, stored, reset and recalled: the three
// texts come back byte for byte, and every value comes back at the precision they
// write or is listed as not kept, whether their lines end in LF, CR LF, a lone CR or a mix.
#include <algorithm>
#include <random>

#include "compare/compare.h"
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

float within(const Accepted &a, int decimals) { return any(a.lo, a.hi, decimals); }

// A random model of what the windows set, each value within what its window takes;
// now and then one that no file keeps (a pan law of 0, a one-character path or cue
// name, the name of a group that routes nothing, a VCA's pan or mute, a solo of the
// master or a VCA).
void randomModel() {
  setName(MixName, sizeof MixName, chance(5) ? "Jam" : "Mix " + randomName(100));
  for (int g = 0; g < NGROUPS; g++) {
    SubOn[g] = chance(50), VcaOn[g] = chance(50);
    if (SubOn[g] || chance(5)) setName(NameBuffer[SubSlot(g + 1)], 128, chance(10) ? "" : randomName(127));
    if (VcaOn[g] || chance(5)) setName(NameBuffer[VcaSlot(g + 1)], 128, randomName(127));
    for (int r = 0; r < NCHANNELS; r++)
      SubAsn[r * NGROUPS + g] = SubOn[g] && chance(10), VcaAsn[r * NGROUPS + g] = VcaOn[g] && chance(10);
    MuteArray[SubSlot(g + 1)] = chance(20), SoloArray[SubSlot(g + 1)] = chance(20);
    MuteArray[VcaSlot(g + 1)] = chance(3), SoloArray[VcaSlot(g + 1)] = chance(3);
    Pan[VcaSlot(g + 1)] = chance(3) ? away(1, 100, 0) : 0;
  }
  SoloArray[MASTER] = chance(3);
  for (int s = 0; s < FIRST_VCA; s++) {
    for (const Effect &e : Effects) {
      if (!chance(8)) continue;
      e.table[s * NGROUPS] = 1;
      for (int c = 1; c <= e.values; c++) e.table[s * NGROUPS + c] = within(e.accepts[c - 1], 1);
    }
    Pan[s] = chance(20) ? away(1, 100, 0) : 0;
  }
  for (int i = 0; i < NREVERBSETTINGS; i++)
    *ReverbSettings[i].value = within(ReverbSettings[i].accepts, ReverbSettings[i].value == Prtn ||
                                                                         ReverbSettings[i].value == Ptrtn ? 1 : 0);
  Prhp[0] = chance(50), Prlp[0] = chance(50);

  for (int k = 0; k < NCUES; k++) {  // in use at random, their times rising
    if (!(IndexActiveArray[k] = chance(3) || k == 0)) continue;
    IndexMin[k] = k, IndexSec[k] = any(0, 60, 3), IndexMsec[k] = any(0, 1000, 0);
    setName(CueNameBuffer[k], 64, chance(5) ? "A" : randomName(63));
    for (int s = 0; s < NSLOTS; s++) {
      if (!chance(3)) continue;
      int e = Entry(s, k);
      ChanActive[e] = 1, Volume[e] = within(AcceptedVolume, 2);
      Offset[e] = chance(30) ? away(0.001f, 30, 3) : 0;
      Ramp[e] = chance(30) ? any(0.001f, 30, 3) : 0;
      Shape[e] = chance(30) ? within(AcceptedShape, 3) : 1;
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
  for (float &v : HeadTailArray) v = chance(40) ? 0 : any(0.001f, 30, 3);
  for (char *t : {Path, WavDirName, MixDirName, LaunchCommand})
    setName(t, 256, chance(20) ? "" : chance(5) ? "/" : randomName(255));
  PanlawStore = chance(5) ? 0 : any(0.1f, 6, 1);
  OutbitsStore = chance(50) ? 16 : 24;
  DitherBits = pick(9), monoOn = chance(50), color = pick(256);
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

// What a store writes, a recall reads without a word, and a second store writes
// again; every value the console held comes back, or the store listed it as not kept.
TEST_P(RoundTripTest, RandomModelsComeBackWholeOrAreListed) {
  for (int seed = GetParam() * ModelsPerBatch; seed < (GetParam() + 1) * ModelsPerBatch; seed++) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    StartUpModel();
    rng.seed(seed);
    randomModel();
    const float panlaw = PanlawStore;
    std::string first[3], recalled[3];
    for (int f = 0; f < 3; f++) first[f] = Stored(Files[f], Old[f]);
    std::vector<std::string> lost;
    SettingsNotKept(first[0], first[1], first[2], lost);
    AsFilesCarry();
    const std::string console = ModelImage();

    StartUpModel();
    for (int f = 0; f < 3; f++) Recall(Files[f], recalled[f] = withEnds(first[f], seed % 5));
    ASSERT_EQ(Listed(), "");
    // A recall keeps the pan law it had where the file holds none, and a second store writes it.
    for (int f = 0; f < 3; f++) {
      if (f == 1 && panlaw == 0) continue;
      ASSERT_EQ(Stored(Files[f], recalled[f]), first[f]) << Files[f];
    }
    AsFilesCarry();
    std::vector<std::string> back;
    Differences(console, ModelImage(), back);
    const std::string notKept = " is not kept by the files; a recall gives ";
    for (std::string &l : lost) l.replace(l.find(notKept), notKept.size(), " -> ");
    EXPECT_EQ(back, lost);
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RoundTripTest, testing::Range(0, 4));

}  // namespace
