// The fader file writer: faders.txt from the model, keeping the lines it does not own.
#include <cstring>

#include "faderfile/faderfile.h"
#include "model/model.h"

std::string reserve_fbuff;

namespace {

// A slot as records name it: "n" for a channel, "G\tn" for a submix, "M" for the master.
void appendSlot(std::string &t, int slot) {
  if (slot == MASTER) {
    t += 'M';
  } else if (slot <= NCHANNELS) {
    AppendInt(t, slot);
  } else {
    t += "G\t";
    AppendInt(t, slot - SubSlot(0));
  }
}

// "subname" and "sub" (or "vcaname" and "VCA:") of every group in use.
void appendRouting(std::string &t, const char *nameKey, const char *listKey, const int *on,
                   const int *asn, int firstSlot) {
  for (int g = 0; g < NGROUPS; g++) {
    if (on[g] != 1) continue;
    t += nameKey;
    t += '\t';
    AppendInt(t, g + 1);
    t += '\t';
    AppendName(t, NameBuffer[firstSlot + g], sizeof NameBuffer[0]);
    t += '\n';
    t += listKey;
    t += '\t';
    AppendInt(t, g + 1);
    t += '\t';
    bool first = true;
    for (int r = 0; r < NROWS; r++) {
      if (asn[r * NGROUPS + g] != 1) continue;
      if (!first) t += ',';
      AppendInt(t, r + 1);
      first = false;
    }
    t += '\n';
  }
}

void appendEffects(std::string &t, int slot, const int *order) {
  for (int i = 0; i < NEFFECTS; i++) {
    const Effect &e = Effects[order ? order[i] : i];
    const float *row = e.table + slot * NGROUPS;
    if (row[0] != 1.0f) continue;
    t += e.key;
    t += '\t';
    appendSlot(t, slot);
    for (int c = 1; c <= e.values; c++) {
      t += '\t';
      AppendFixed(t, row[c], 1);
    }
    t += '\n';
  }
}

bool sendsUsed(const float *table) {
  for (int s = 0; s < NSLOTS; s++)
    if (table[s * NGROUPS] == 1.0f) return true;
  return false;
}

void appendModifier(std::string &t, const char *key, float v) { AppendNumberRecord(t, key, &v, 1, 3); }

// The entries of cue k: slots 1..127, submixes, VCAs, then the master.
void appendEntries(std::string &t, int k) {
  for (int i = 1; i <= NSLOTS; i++) {
    int s = i % NSLOTS, e = Entry(s, k);
    if (ChanActive[e] != 1) continue;
    if (s >= FIRST_VCA) {
      t += "vca\t";
      AppendInt(t, s - VcaSlot(0));
    } else {
      t += "v\t";
      appendSlot(t, s);
    }
    t += '\t';
    AppendFixed(t, Volume[e], 2);
    t += '\n';
    if (Offset[e] != 0) appendModifier(t, "ofs", Offset[e]);
    if (Ramp[e] != 0) appendModifier(t, "rmp", Ramp[e]);
    if (Shape[e] != 1.0f) appendModifier(t, "shape", Shape[e]);
  }
}

// One line per entry and modifier: reserve for them all at once.
void reserveForCues(std::string &t) {
  size_t lines = 0;
  for (int e = 0; e < NSLOTS * NCUES; e++) lines += ChanActive[e] == 1;
  t.reserve(t.size() + 4096 + lines * 64 + NCUES * (sizeof CueNameBuffer[0] + 32));
}

// The pans of the channels, the submixes, then the master.
void appendPans(std::string &t) {
  for (int i = 1; i <= FIRST_VCA; i++) {
    int s = i % FIRST_VCA;
    if (Pan[s] == 0) continue;
    t += "p\t";
    appendSlot(t, s);
    t += '\t';
    AppendFixed(t, Pan[s], 0);
    t += '\n';
  }
}

// A cue block: its name, its time and its entries.
void appendCue(std::string &t, int k) {
  t += '\n';
  if (strnlen(CueNameBuffer[k], sizeof CueNameBuffer[0]) >= 2) {
    t += "\ncue\t";
    AppendName(t, CueNameBuffer[k], sizeof CueNameBuffer[0]);
    t += '\n';
  }
  t += "\nt\t";
  AppendFixed(t, IndexMin[k], 0);
  t += '\t';
  AppendFixed(t, IndexSec[k], 3);
  t += '\t';
  AppendFixed(t, IndexMsec[k], 0);
  t += '\n';
  appendEntries(t, k);
}

// The submix mutes, then the submix solos.
void appendSubmixStates(std::string &t) {
  const char *keys[] = {"submu\t", "subso\t"};
  const int *flags[] = {MuteArray, SoloArray};
  for (int i = 0; i < 2; i++)
    for (int n = 1; n <= NGROUPS; n++) {
      if (flags[i][SubSlot(n)] != 1) continue;
      t += keys[i];
      AppendInt(t, n);
      t += '\n';
    }
}

}  // namespace

void AppendBuffer(std::string &text) {
  text += '\n';
  appendRouting(text, "subname", "sub", SubOn, SubAsn, FIRST_SUB);
  text += "\n\n";
  appendRouting(text, "vcaname", "VCA:", VcaOn, VcaAsn, FIRST_VCA);
  text += '\n';
  for (int s = 1; s <= NCHANNELS; s++) appendEffects(text, s, nullptr);
  text += '\n';
  for (int s = FIRST_SUB; s < FIRST_VCA; s++) appendEffects(text, s, nullptr);
  text += '\n';
  appendEffects(text, MASTER, MasterOrder);
  text += '\n';

  bool rev = sendsUsed(Prev), trev = sendsUsed(Ptrev);
  if (rev) AppendNumberRecord(text, "rtn", Prtn, 2, 1);
  if (trev) AppendNumberRecord(text, "trtn", Ptrtn, 3, 1);
  if (Prlp[0] == 1.0f) AppendNumberRecord(text, "rlp", Prlp + 1, 1, 0);
  if (Prhp[0] == 1.0f) AppendNumberRecord(text, "rhp", Prhp + 1, 1, 0);
  if ((rev || trev) && Prev_width >= 0 && Prev_width <= 100)
    AppendNumberRecord(text, "width", &Prev_width, 1, 0);
  if (rev || trev) AppendNumberRecord(text, "pos", Prev_position, 3, 0);
  text += '\n';
}

void VolumePlateToText(std::string &text) {
  reserveForCues(text);
  text += '\n';
  appendPans(text);
  text += '\n';
  for (int k = 0; k < NCUES; k++)
    if (IndexActiveArray[k] == 1) appendCue(text, k);
  text += '\n';
  appendSubmixStates(text);
  text += "end\n";
}

std::string FaderText(const std::string &oldText) {
  std::string text = oldText;
  ScrubEffects(text);
  AppendBuffer(text);
  VolumePlateToText(text);
  return text;
}
