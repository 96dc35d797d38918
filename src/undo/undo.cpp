// The journal keeps a shadow copy of the model. A step is the byte ranges that
// differ from the shadow, with the shadow's bytes; undo and redo swap those bytes
// with the model's, so one copy serves both ways.
#include "undo/undo.h"

#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "model/model.h"

namespace {

struct Range {
  int table, at, len;  // bytes at..at+len of a table
  bool operator==(const Range &o) const { return table == o.table && at == o.at && len == o.len; }
};

struct Step {
  std::vector<Range> ranges;
  std::vector<char> data;  // the other side's bytes, range after range
  std::string name;        // the command's, if a command made it
  std::string what;        // the one change, in the user's words
  int changes = 0;         // elements changed
  int cue = -1, bank = -1; // the one cue and bank it touched, -1 for none or several
  const void *source = nullptr;
  size_t bytes() const { return sizeof *this + data.size() + ranges.size() * sizeof(Range); }
};

std::deque<Step> history;
size_t done;   // history[0..done) can be undone, the rest redone
size_t bytes;  // step data held
std::vector<char> shadow, stored;  // the model at the last step, and as the files hold it
std::vector<size_t> base;          // where each table starts in them
std::vector<char> differs;         // per table: whether it differs from `stored`
std::string pendingName;
bool mergeable;
long version;

char *model(int t) { return (char *)ModelTables[t].address; }
size_t tableBytes(int t) { return (size_t)ModelTables[t].size * ModelTables[t].count; }

// A cue or bank seen in a step: the first one, or -2 once there are several.
void see(int &have, int v) { have = have == -1 || have == v ? v : -2; }

void touch(Step &s, const ModelTable &t, int i) {
  int slot = -1;
  if (t.shape == PER_CUE) see(s.cue, i % NCUES), slot = i / NCUES;
  if (t.shape == CUES) see(s.cue, i);
  if (t.shape == PER_SLOT) slot = i;
  if (slot >= 0 && SlotBank(slot)) see(s.bank, SlotBank(slot));
}

bool same4(const char *a, const char *b) {
  uint32_t x, y;
  memcpy(&x, a, 4), memcpy(&y, b, 4);
  return x == y;
}

// The ranges of table t that differ from the shadow; unchanged gaps of a few
// bytes join the ranges around them.
void compare(int t, Step &s) {
  const ModelTable &m = ModelTables[t];
  const char *now = model(t), *was = shadow.data() + base[t];
  size_t chunk = m.size >= 512 ? m.size : 512 / m.size * m.size, n = tableBytes(t);
  for (size_t c = 0; c < n; c += chunk) {
    size_t end = c + chunk < n ? c + chunk : n;
    if (memcmp(now + c, was + c, end - c) == 0) continue;
    for (size_t e = c; e < end; e += m.size) {
      if (m.size == 4 ? same4(now + e, was + e) : memcmp(now + e, was + e, m.size) == 0) continue;
      int i = (int)(e / m.size);
      if (s.changes++ == 0) s.what = DescribeElement(m, i);
      touch(s, m, i);
      Range *last = s.ranges.empty() ? nullptr : &s.ranges.back();
      if (last && last->table == t && (int)e - (last->at + last->len) <= 32)
        last->len = (int)e + m.size - last->at;
      else
        s.ranges.push_back({t, (int)e, m.size});
    }
  }
}

void takeShadow(const Range &r) { memcpy(shadow.data() + base[r.table] + r.at, model(r.table) + r.at, r.len); }

// Whether the tables a step touched still differ from what the files hold.
void checkStored(const Step &s) {
  int last = -1;
  for (const Range &r : s.ranges)
    if (r.table != last) {
      last = r.table;
      differs[r.table] = memcmp(model(r.table), stored.data() + base[r.table], tableBytes(r.table)) != 0;
    }
}

void dropOldest() {
  bytes -= history.front().bytes();
  history.pop_front();
  done--;
}

// Swaps a step's bytes with the model's: the model goes back or forward.
void apply(Step &s) {
  version++;
  char *d = s.data.data();
  for (const Range &r : s.ranges) {
    char *m = model(r.table) + r.at;
    for (int k = 0; k < r.len; k++) std::swap(m[k], d[k]);
    d += r.len;
    takeShadow(r);
  }
}

// What an undo or redo of s shows: the words and the cue and bank the step touched.
StepShown shown(const Step &s, const char *verb) {
  checkStored(s);
  StepShown r;
  r.status = std::string(verb) + ": " +
             (!s.name.empty()      ? s.name
              : s.changes == 1 ? s.what
                               : std::to_string(s.changes) + " changes");
  r.cue = s.cue >= 0 ? s.cue : -1;
  r.bank = s.bank >= 0 ? s.bank : -1;
  r.moved = true;
  return r;
}

StepShown nothing(const char *text) {
  StepShown r;
  r.status = text;
  return r;
}

}  // namespace

void StartJournal() {
  history.clear();
  done = bytes = 0;
  base.clear();
  size_t n = 0;
  for (int t = 0; t < NMODELTABLES; t++) base.push_back(n), n += tableBytes(t);
  shadow.resize(n);
  for (int t = 0; t < NMODELTABLES; t++) memcpy(shadow.data() + base[t], model(t), tableBytes(t));
  stored = shadow;
  differs.assign(NMODELTABLES, 0);
  pendingName.clear();
  mergeable = false;
}

void RecordStep(const void *source, bool typed) {
  if (shadow.empty()) StartJournal();
  Step s;
  for (int t = 0; t < NMODELTABLES; t++) compare(t, s);
  s.name.swap(pendingName);
  if (s.ranges.empty()) return;
  version++;
  // Clicks on one control merge; each edit typed into a field is a step of its own.
  s.source = source;

  // The same control changing the same values again adds to its step.
  Step *top = done ? &history[done - 1] : nullptr;
  if (mergeable && !typed && top && done == history.size() && top->name.empty() && s.name.empty() &&
      top->source == s.source && top->ranges == s.ranges) {
    for (const Range &r : s.ranges) takeShadow(r);
    checkStored(s);
    return;
  }

  for (const Range &r : s.ranges) {
    const char *was = shadow.data() + base[r.table] + r.at;
    s.data.insert(s.data.end(), was, was + r.len);
    takeShadow(r);
  }
  checkStored(s);
  while (history.size() > done) bytes -= history.back().bytes(), history.pop_back();
  bytes += s.bytes();
  history.push_back(std::move(s));
  done++;
  while (history.size() > 1 && (history.size() > MAX_STEPS || bytes > MAX_HISTORY_BYTES)) dropOldest();
  // A single step beyond the bound cannot be kept at all.
  if (bytes > MAX_HISTORY_BYTES) dropOldest();
  mergeable = !history.empty() && history.back().name.empty();
}

void NameStep(const char *name) {
  if (!pendingName.empty()) return;
  RecordStep();  // what came before the command is a step of its own
  pendingName = name;
}

void RenameStep(const char *name) {
  if (!pendingName.empty()) pendingName = name;
}

StepShown UndoStep() {
  RecordStep();
  mergeable = false;
  if (!done) return nothing("Nothing to undo");
  Step &s = history[--done];
  apply(s);
  return shown(s, "Undone");
}

StepShown RedoStep() {
  RecordStep();
  mergeable = false;
  if (done == history.size()) return nothing("Nothing to redo");
  Step &s = history[done++];
  apply(s);
  return shown(s, "Redone");
}

void ModelMatchesFile(int file) {
  if (shadow.empty()) StartJournal();
  for (int t = 0; t < NMODELTABLES; t++)
    if (ModelTables[t].files & file) {
      memcpy(stored.data() + base[t], model(t), tableBytes(t));
      differs[t] = 0;
    }
  mergeable = false;
}

bool UnstoredChanges() {
  for (char d : differs)
    if (d) return true;
  return false;
}

long ModelVersion() { return version; }

int UndoSteps() { return (int)done; }
size_t HistoryBytes() { return bytes; }
