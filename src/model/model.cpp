#include "model/model.h"

#include <cstdio>
#include <cstring>

#include "textfile/textfile.h"

float Volume[NSLOTS * NCUES], Offset[NSLOTS * NCUES], Ramp[NSLOTS * NCUES], Shape[NSLOTS * NCUES];
int ChanActive[NSLOTS * NCUES];
float IndexMin[NCUES], IndexSec[NCUES], IndexMsec[NCUES];
int IndexActiveArray[NCUES];
float Pan[NSLOTS];
int SoloArray[NSLOTS], MuteArray[NSLOTS];
int SubAsn[NROWS * NGROUPS], SubOn[NGROUPS], VcaAsn[NROWS * NGROUPS], VcaOn[NGROUPS];
float Pcomp[NSLOTS * NGROUPS], Prms[NSLOTS * NGROUPS], Pnlc[NSLOTS * NGROUPS],
    Plim[NSLOTS * NGROUPS], Pfxg[NSLOTS * NGROUPS], Php[NSLOTS * NGROUPS],
    Plshelf[NSLOTS * NGROUPS], Pband1[NSLOTS * NGROUPS], Pband2[NSLOTS * NGROUPS],
    Phshelf[NSLOTS * NGROUPS], Prev[NSLOTS * NGROUPS], Ptrev[NSLOTS * NGROUPS];
float Prtn[2], Ptrtn[3], Prhp[2], Prlp[2], Prev_width, Prev_position[3];
char NameBuffer[NSLOTS][128], CueNameBuffer[NCUES][64], MixName[128];
char Path[256], WavDirName[256], MixDirName[256], LaunchCommand[256], DeviceName[32];
int PlayMode, OutbitsStore, DitherBits, monoOn, PreviewOn, color = 97, CNL;
float PanlawStore, PreviewArray[4], XinArray[3], XoutArray[3], HeadTailArray[2];
char tbuffer[256] = CORVESSA_VERSION;

const Effect Effects[NEFFECTS] = {
    {"hp", "EQ: High Pass", Php, 1, {0, 100}, {{60, 600}}},
    {"comp", "Peak Comp", Pcomp, 4, {0, 0, 10, 100, 1.5f}, {{-30, 0}, {0.1f, 50}, {10, 1000}, {1.1f, 4}}},
    {"rms", "RMS Comp", Prms, 4, {0, 0, 10, 100, 1.5f}, {{-30, 0}, {0.1f, 200}, {10, 1000}, {1.1f, 4}}},
    {"nlc", "Non Lin Comp", Pnlc, 3, {0, 0, 300, 2}, {{-30, 0}, {10, 2000}, {1.1f, 8}}},
    {"lim", "Limiter", Plim, 1, {0, 0}, {{-18, 0}}},
    {"band1", "EQ: Band 1", Pband1, 3, {0, 500, 0, 1}, {{60, 1000}, {-12, 12}, {0.1f, 8}}},
    {"band2", "EQ: Band 2", Pband2, 3, {0, 2500, 0, 1}, {{1000, 16000}, {-12, 12}, {0.1f, 8}}},
    {"hshelf", "EQ: High Shelf", Phshelf, 3, {0, 8000, 0, 1}, {{4000, 16000}, {-12, 12}, {0.1f, 8}}},
    {"lshelf", "EQ: Low Shelf", Plshelf, 3, {0, 500, 0, 1}, {{30, 300}, {-12, 12}, {0.1f, 8}}},
    {"rev", "Reverb", Prev, 1, {0, 0}, {{-24, 0}}},
    {"trev", "Tap Reverb", Ptrev, 1, {0, 0}, {{-24, 0}}},
    {"fxg", "Effects Gain", Pfxg, 1, {0, 0}, {{-15, 15}}},
};

const ReverbSetting ReverbSettings[] = {
    {"reverb return", &Prtn[0], {-24, 0}},         {"tap reverb return", &Ptrtn[0], {-24, 0}},
    {"reverb room length", &Prtn[1], {25, 1000}},  {"tap count", &Ptrtn[2], {1, 11}},
    {"tap reverb room length", &Ptrtn[1], {25, 500}}, {"reverb low pass", &Prlp[1], {2000, 12000}},
    {"reverb high pass", &Prhp[1], {60, 1000}},    {"reverb width", &Prev_width, {0, 100}},
    {"reverb position front / back", &Prev_position[0], {0, 100}},
    {"reverb position left / right", &Prev_position[1], {0, 100}},
    {"reverb position floor / ceiling", &Prev_position[2], {0, 100}},
};
const int NREVERBSETTINGS = sizeof ReverbSettings / sizeof ReverbSettings[0];

const ReverbSetting *ReverbSettingOf(const float *value) {
  for (const ReverbSetting &s : ReverbSettings)
    if (s.value == value) return &s;
  return nullptr;
}
const int MasterOrder[NEFFECTS] = {FX_HP,     FX_COMP,   FX_RMS,    FX_NLC, FX_LIM,  FX_BAND1,
                                   FX_BAND2,  FX_HSHELF, FX_LSHELF, FX_FXG, FX_REV, FX_TREV};

// decimals: of a FLOAT or FLAGGED value, as the files write it.
#define TABLE(name, t, shape, files, kind, decimals) \
  {name, t, sizeof t[0], sizeof t / sizeof t[0], shape, files, kind, decimals}
#define VALUE(name, v, files, kind, decimals) {name, &v, sizeof v, 1, VALUES, files, kind, decimals}
#define EFFECT(t) TABLE(nullptr, t, EFFECT_ROW, FF, FLAGGED, 1)
namespace {
enum { FF = FADER_FILE, TF = TRACKS_FILE, PF = PREFS_FILE };
}
const ModelTable ModelTables[] = {
    TABLE("volume", Volume, PER_CUE, FF, FLOAT, 2),
    TABLE("offset", Offset, PER_CUE, FF, FLOAT, 3),
    TABLE("ramp", Ramp, PER_CUE, FF, FLOAT, 3),
    TABLE("shape", Shape, PER_CUE, FF, FLOAT, 3),
    TABLE("entry", ChanActive, PER_CUE, FF, FLAG, 0),
    TABLE("min/meas", IndexMin, CUES, FF, FLOAT, 0),
    TABLE("sec/beat", IndexSec, CUES, FF, FLOAT, 3),
    TABLE("msec/tick", IndexMsec, CUES, FF, FLOAT, 0),
    TABLE("Active", IndexActiveArray, CUES, FF, FLAG, 0),
    TABLE("cue name", CueNameBuffer, CUES, FF, TEXT, 0),
    TABLE("pan", Pan, PER_SLOT, FF, FLOAT, 0),
    TABLE("solo", SoloArray, PER_SLOT, FF | TF, FLAG, 0),
    TABLE("mute", MuteArray, PER_SLOT, FF | TF, FLAG, 0),
    TABLE("name", NameBuffer, PER_SLOT, FF | TF, TEXT, 0),
    TABLE("submix", SubAsn, ROUTING, FF, FLAG, 0),
    TABLE("submix", SubOn, GROUPS, FF, FLAG, 0),
    TABLE("VCA", VcaAsn, ROUTING, FF, FLAG, 0),
    TABLE("VCA", VcaOn, GROUPS, FF, FLAG, 0),
    EFFECT(Php), EFFECT(Pcomp), EFFECT(Prms), EFFECT(Pnlc), EFFECT(Plim), EFFECT(Pband1),
    EFFECT(Pband2), EFFECT(Phshelf), EFFECT(Plshelf), EFFECT(Prev), EFFECT(Ptrev), EFFECT(Pfxg),
    TABLE("reverb return and room length", Prtn, VALUES, FF, FLOAT, 1),
    TABLE("tap reverb return, room length and tap count", Ptrtn, VALUES, FF, FLOAT, 1),
    TABLE("reverb high pass", Prhp, VALUES, FF, FLAGGED, 0),
    TABLE("reverb low pass", Prlp, VALUES, FF, FLAGGED, 0),
    VALUE("reverb width", Prev_width, FF, FLOAT, 0),
    TABLE("reverb position", Prev_position, VALUES, FF, FLOAT, 0),
    VALUE("mix name", MixName, FF | PF, TEXT, 0),
    VALUE("Path to Tarnell4", Path, PF, TEXT, 0),
    VALUE("Wavefile Directory", WavDirName, PF, TEXT, 0),
    VALUE("Mix Directory", MixDirName, PF, TEXT, 0),
    VALUE("Launch Command", LaunchCommand, PF, TEXT, 0),
    VALUE("output device", DeviceName, PF, TEXT, 0),
    VALUE("play mode", PlayMode, PF, WHOLE, 0),
    VALUE("output bits", OutbitsStore, PF, WHOLE, 0),
    VALUE("Dither", DitherBits, PF, WHOLE, 0),
    VALUE("mono output", monoOn, PF, FLAG, 0),
    VALUE("Preview Mode", PreviewOn, PF, FLAG, 0),
    VALUE("Color", color, PF, WHOLE, 0),
    VALUE("Pan law", PanlawStore, PF, FLOAT, 1),
    TABLE("preview", PreviewArray, VALUES, PF, FLOAT, 3),
    TABLE("Xin", XinArray, VALUES, PF, FLOAT, 3),
    TABLE("Xout", XoutArray, VALUES, PF, FLOAT, 3),
    TABLE("Head and Tail", HeadTailArray, VALUES, PF, FLOAT, 3),
};
#undef TABLE
#undef VALUE
#undef EFFECT
const int NMODELTABLES = sizeof ModelTables / sizeof ModelTables[0];

namespace {

template <class T, int N>
void fill(T (&a)[N], T v) {
  for (T &x : a) x = v;
}

}  // namespace

std::string SlotName(int s) {
  if (s == MASTER) return "the master";
  if (s <= NCHANNELS) return "channel " + std::to_string(s);
  if (s < FIRST_VCA) return "submix " + std::to_string(s - FIRST_SUB + 1);
  return "VCA " + std::to_string(s - FIRST_VCA + 1);
}

std::string DescribeElement(const ModelTable &t, int i) {
  std::string name = t.name ? t.name : "";
  switch (t.shape) {
    case PER_CUE:
      return name + " of " + SlotName(i / NCUES) + " at time index " + std::to_string(i % NCUES + 1);
    case PER_SLOT: return name + " of " + SlotName(i);
    case EFFECT_ROW:
      for (const Effect &e : Effects)
        if (e.table == t.address) name = e.label;
      return name + " of " + SlotName(i / NGROUPS);
    case ROUTING:
      return name + " " + std::to_string(i % NGROUPS + 1) + " assignment of channel " +
             std::to_string(i / NGROUPS + 1);
    case GROUPS: return name + " " + std::to_string(i + 1) + " in use";
    case CUES: return name + " of time index " + std::to_string(i + 1);
    case VALUES: break;
  }
  return name;
}

size_t ModelSize() {
  size_t n = 0;
  for (int i = 0; i < NMODELTABLES; i++) n += (size_t)ModelTables[i].size * ModelTables[i].count;
  return n;
}

void ClearInternalArrays() {
  CNL = 1;

  for (const Effect &e : Effects)
    for (int s = 0; s < NSLOTS; s++) memcpy(e.table + s * NGROUPS, e.defaults, sizeof e.defaults);
  Prtn[0] = 0, Prtn[1] = 150;
  Ptrtn[0] = 0, Ptrtn[1] = 150, Ptrtn[2] = 5;
  Prhp[0] = 0, Prhp[1] = 150;
  Prlp[0] = 0, Prlp[1] = 7000;
  Prev_width = 50;
  Prev_position[0] = 37, Prev_position[1] = 39, Prev_position[2] = 43;

  for (int s = 0; s < FIRST_SUB; s++) NameBuffer[s][0] = 0;
  for (int n = 1; n <= NGROUPS; n++) {
    snprintf(NameBuffer[SubSlot(n)], sizeof NameBuffer[0], "Submix %i", n);
    snprintf(NameBuffer[VcaSlot(n)], sizeof NameBuffer[0], "VCA %i", n);
  }
  strcpy(NameBuffer[MASTER], "Master");
  for (char *name : CueNameBuffer) name[0] = 0;
  Path[0] = MixDirName[0] = WavDirName[0] = LaunchCommand[0] = 0;
  strcpy(MixName, "MixFilename");
  strcpy(DeviceName, "default");

  fill(Volume, 0.0f);
  fill(Ramp, 0.0f);
  fill(Shape, 1.0f);
  fill(Offset, 0.0f);
  fill(Pan, 0.0f);
  fill(IndexMin, 0.0f);
  fill(IndexSec, 0.0f);
  fill(IndexMsec, 0.0f);
  fill(IndexActiveArray, 0);
  IndexActiveArray[0] = 1;
  fill(ChanActive, 0);
  fill(SoloArray, 0);
  fill(MuteArray, 0);
  fill(SubAsn, 0);
  fill(VcaAsn, 0);
  fill(SubOn, 0);
  fill(VcaOn, 0);

  PreviewOn = 0;
  monoOn = 0;
  fill(PreviewArray, 0.0f);
  fill(XinArray, 0.0f);
  fill(XoutArray, 0.0f);
  OutbitsStore = 24;
  PanlawStore = 3.0f;
  PlayMode = 0;
  DitherBits = 1;
}

void StartUpModel() {
  ClearInternalArrays();
  HeadTailArray[0] = HeadTailArray[1] = 0;
  color = 97;
}

void CopyName(char *dst, const char *src, int n) { CopyName(dst, src, src ? strlen(src) : 0, n); }

void CopyName(char *dst, const char *src, size_t len, int n) {
  if (!src) len = 0;
  int i = 0;
  for (; (size_t)i < len && i < n - 1; i++) dst[i] = NameChar(src[i]);
  if ((size_t)i < len) {
    // Cut: drop a UTF-8 character that no longer fits whole.
    int lead = i;
    while (lead > 0 && (dst[lead - 1] & 0xC0) == 0x80) lead--;
    unsigned char c = lead > 0 ? dst[lead - 1] : 0;
    int want = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (lead > 0 && i - (lead - 1) < want) i = lead - 1;
  }
  dst[i] = 0;
}
