// The recovery and the history in .corvessa/: durable writes, names by time, caps.
#include "keep/keep.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "faderfile/faderfile.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"

const char *const KeptFiles[NKEPT] = {"faders.txt", "tracks.txt", "prefs.txt"};
int HistoryMaxVersions = 200;
long long HistoryMaxBytes = 256ll << 20;

namespace {

const char Top[] = ".corvessa", Recovery[] = ".corvessa/recovery", History[] = ".corvessa/history";
const char Unstored[] = "unstored-";
enum { STAMP = 23 };  // "2026-12-07T18-04-31.250"

std::string trouble;
std::string written[NKEPT + 1];  // the recovery texts and console as last written

bool fail(const char *what, const std::string &path) {
  trouble = std::string(what) + ": " + path + ": " + strerror(errno);
  return false;
}

// The folder and .corvessa/ above it, made and synced when they are not there.
bool makeFolder(const char *folder, const char *what) {
  for (const char *f : {Top, folder}) {
    if (mkdir(f, 0777) == 0) {
      SyncFolder(f == Top ? "." : Top);
    } else {
      struct stat st;
      if (errno != EEXIST || stat(f, &st) != 0 || !S_ISDIR(st.st_mode)) {
        if (errno == EEXIST) errno = ENOTDIR;
        return fail(what, f);
      }
    }
  }
  return true;
}

std::string inFolder(const char *folder, const std::string &name) { return std::string(folder) + "/" + name; }

bool mtime(const char *path, struct timespec &t) {
  struct stat st;
  if (stat(path, &st) != 0) return false;
  t = st.st_mtim;
  return true;
}

bool later(const struct timespec &a, const struct timespec &b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// The recovery's file of each of the three files, and (NKEPT) its console.
std::string recoveryPath(int f) { return inFolder(Recovery, f < NKEPT ? KeptFiles[f] : "console"); }

// The newest time of the recovery's files; false when there is none.
bool recoveryTime(struct timespec &newest) {
  bool any = false;
  newest = {0, 0};
  for (int f = 0; f <= NKEPT; f++) {
    struct timespec t;
    if (!mtime(recoveryPath(f).c_str(), t)) continue;
    if (!any || later(t, newest)) newest = t;
    any = true;
  }
  return any;
}

// "2026-12-07T18-04-31.250": local time to the millisecond.
std::string stamp(const struct timespec &t) {
  struct tm tm;
  localtime_r(&t.tv_sec, &tm);
  char s[48];
  size_t n = strftime(s, sizeof s, "%Y-%m-%dT%H-%M-%S", &tm);
  snprintf(s + n, sizeof s - n, ".%03ld", t.tv_nsec / 1000000);
  return s;
}

// A free name in the history for file f kept at time t; the versions a store keeps
// get times later than those before, so that the names sort as they were kept.
std::string versionPath(int f, bool unstored, struct timespec t) {
  static struct timespec last;
  t.tv_nsec -= t.tv_nsec % 1000000;  // names tell milliseconds
  for (int k = 0;; k++) {
    if (!unstored && !later(t, last)) t = last, t.tv_nsec += 1000000;
    if (t.tv_nsec >= 1000000000) t.tv_sec++, t.tv_nsec -= 1000000000;
    std::string path = inFolder(History, stamp(t) + "-" + (unstored ? Unstored : "") + KeptFiles[f]);
    struct stat st;
    if (!unstored) last = t;
    if (k == 1000 || lstat(path.c_str(), &st) != 0) return path;
    t.tv_nsec += 1000000;
  }
}

int fileOf(const char *name) {
  for (int f = 0; f < NKEPT; f++)
    if (!strcmp(name, KeptFiles[f])) return f;
  return -1;
}

bool sameBytes(const std::string &a, const std::string &b) {
  std::string x, y;
  return ReadWholeFile(a.c_str(), x, HistoryMaxBytes) == FILE_OK &&
         ReadWholeFile(b.c_str(), y, HistoryMaxBytes) == FILE_OK && x == y;
}

// Copies a file durably: whole to a temporary file, synced, renamed, the folder synced.
bool copyFile(const char *from, const std::string &to) {
  std::string tmp = inFolder(History, ".copy-XXXXXX");
  int in = open(from, O_RDONLY | O_CLOEXEC | O_NONBLOCK), out = in < 0 ? -1 : mkstemp(&tmp[0]);
  bool ok = out >= 0;
  char buf[1 << 16];
  for (ssize_t n; ok && (n = read(in, buf, sizeof buf)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    size_t written;
    ok = n > 0 && WriteAll(out, buf, n, -1, &written);
  }
  ok = ok && fsync(out) == 0;
  if (out >= 0 && close(out) != 0) ok = false;
  if (in >= 0) close(in);
  ok = ok && rename(tmp.c_str(), to.c_str()) == 0;
  int err = errno;
  if (!ok && out >= 0) unlink(tmp.c_str());
  if (ok) SyncFolder(History);
  errno = err;
  return ok;
}

// Drops the oldest versions beyond the caps, quietly.
void dropOldest() {
  std::map<std::string, int> count;
  long long total = 0;
  bool full = false;
  for (const Version &v : ListHistory()) {
    std::string kind = std::string(v.unstored ? Unstored : "") + KeptFiles[v.file];
    if (++count[kind] > HistoryMaxVersions || (full = full || total + v.size > HistoryMaxBytes)) {
      unlink(v.path.c_str());
      continue;
    }
    total += v.size;
  }
}

// The old file of a store, kept before it is replaced, unless it holds the new
// text already, or only the mix name line a store creates when there is none.
void keepVersion(const char *name, const char *target, bool inPlace, const char *data, size_t len) {
  int f = fileOf(name);
  struct stat st;
  if (f < 0 || stat(target, &st) != 0) return;
  int err = errno;
  std::string old, stub;
  AppendName(stub, MixName, sizeof MixName);
  stub += '\n';
  bool nothingNew = ((size_t)st.st_size == len || (f == KEPT_FADERS && (size_t)st.st_size == stub.size())) &&
                    ReadWholeFile(target, old, len > stub.size() ? len : stub.size()) == FILE_OK &&
                    (old == std::string(data, len) || (f == KEPT_FADERS && old == stub));
  if (!nothingNew && makeFolder(History, "no history is kept")) {
    std::vector<Version> kept = ListHistory();
    auto last = std::find_if(kept.begin(), kept.end(), [f](const Version &v) { return v.file == f && !v.unstored; });
    if (last == kept.end() || last->size != st.st_size || !sameBytes(last->path, target)) {
      struct timespec now;
      clock_gettime(CLOCK_REALTIME, &now);
      std::string path = versionPath(f, false, now);
      bool linked = !inPlace && link(target, path.c_str()) == 0;
      if (linked) SyncFolder(History);
      if (linked || copyFile(target, path))
        dropOldest();
      else
        fail("no history is kept", History);
    }
  }
  errno = err;
}

// ---- the console as the bytes in which it differs from the start-up console

// The first line: names the tables' layout, so that another program's is not read.
std::string consoleHeader() {
  unsigned long long h = 1469598103934665603ull;
  for (int t = 0; t < NMODELTABLES; t++)
    for (const std::string &s : {std::string(ModelTables[t].name ? ModelTables[t].name : "-"),
                                 std::to_string(ModelTables[t].size), std::to_string(ModelTables[t].count)})
      for (char c : s + ";") h = (h ^ (unsigned char)c) * 1099511628211ull;
  return "Corvessa console " + std::to_string(ModelSize()) + " " + std::to_string(h) + "\n";
}

const std::string &startUp() {
  static const std::string image = [] {
    MixTexts none;
    for (bool &g : none.given) g = true;
    return MixImage(none);
  }();
  return image;
}

uint32_t word(const std::string &s, size_t i) {
  uint32_t w;
  memcpy(&w, s.data() + 4 * i, 4);
  return w;
}

void appendRun(std::string &out, const std::string &image, size_t at, size_t len) {
  uint32_t a = (uint32_t)at, n = (uint32_t)len;
  out.append((const char *)&a, 4).append((const char *)&n, 4).append(image, at, len);
}

// The header, then runs of differing 4-byte words: where (4 bytes), how many bytes (4), the bytes.
std::string encodeConsole(const std::string &image) {
  const std::string &base = startUp();
  std::string out = consoleHeader();
  size_t n = image.size() / 4;
  for (size_t i = 0; i < n;) {
    if (word(image, i) == word(base, i) && ++i) continue;
    size_t j = i, same = 0;
    for (; j < n && same < 4; j++) same = word(image, j) == word(base, j) ? same + 1 : 0;
    appendRun(out, image, 4 * i, 4 * (j - same - i));
    i = j;
  }
  if (image.size() % 4) appendRun(out, image, 4 * n, image.size() % 4);
  return out;
}

bool decodeConsole(const std::string &data, std::string &image) {
  std::string header = consoleHeader();
  if (data.compare(0, header.size(), header)) return false;
  std::string out = startUp();
  for (size_t p = header.size(); p < data.size();) {
    uint32_t at, len;
    if (data.size() - p < 8) return false;
    memcpy(&at, &data[p], 4), memcpy(&len, &data[p + 4], 4);
    p += 8;
    if (at > out.size() || len > out.size() - at || len > data.size() - p) return false;
    out.replace(at, len, data, p, len);
    p += len;
  }
  image.swap(out);
  return true;
}

}  // namespace

const std::string &KeepTrouble() { return trouble; }

// ---- unstored changes

MixTexts StoreAllTexts() {
  QuietMessages quiet;
  // The lines the stores carry over, read again only when a file changed: a
  // carried-over text is carried over whole again.
  static std::string stamp, carried[NKEPT];
  if (stamp != FilesStamp()) {
    stamp = FilesStamp();
    for (int f : {KEPT_FADERS, KEPT_PREFS}) {
      if (ReadTextFile(KeptFiles[f], carried[f]) != FILE_OK) carried[f].clear();
      f == KEPT_FADERS ? ScrubEffects(carried[f]) : ScrubPrefs(carried[f]);
    }
  }
  MixTexts t;
  t.text[KEPT_FADERS] = FaderText(carried[KEPT_FADERS]);
  t.text[KEPT_TRACKS] = TracksText();
  t.text[KEPT_PREFS] = PrefsText(carried[KEPT_PREFS]);
  for (bool &g : t.given) g = true;
  t.console = ModelImage();
  return t;
}

bool WriteRecovery(const MixTexts &texts) {
  if (!makeFolder(Recovery, "unstored changes are not kept")) return false;
  for (int f = 0; f <= NKEPT; f++) {
    bool console = f == NKEPT;
    if (console ? texts.console.empty() : !texts.given[f]) continue;
    std::string text = console ? encodeConsole(texts.console) : texts.text[f];
    if (text == written[f]) continue;
    size_t n;
    errno = 0;
    if (ReplaceFile(recoveryPath(f).c_str(), text.data(), text.size(), &n) != WRITE_OK)
      return fail("unstored changes are not kept", recoveryPath(f));
    written[f].swap(text);
  }
  return true;
}

bool ReadRecovery(MixTexts &texts, time_t *when) {
  struct timespec t;
  if (!recoveryTime(t)) return false;
  texts = MixTexts();
  for (int f = 0; f < NKEPT; f++)
    texts.given[f] = ReadTextFile(recoveryPath(f).c_str(), texts.text[f]) == FILE_OK;
  std::string console;
  if (ReadWholeFile(recoveryPath(NKEPT).c_str(), console, MaxFileSize) != FILE_OK ||
      !decodeConsole(console, texts.console))
    texts.console.clear();
  if (when) *when = t.tv_sec;
  return true;
}

bool RecoveryIsNewer() {
  struct timespec r, t;
  if (!recoveryTime(r)) return false;
  for (const char *f : KeptFiles)
    if (mtime(f, t) && !later(r, t)) return false;
  return true;
}

void RemoveRecovery() {
  for (int f = 0; f <= NKEPT; f++) unlink(recoveryPath(f).c_str());
  for (std::string &w : written) w.clear();
  SyncFolder(Recovery);
}

bool SetAsideRecovery() {
  struct timespec t;
  if (!recoveryTime(t)) return true;
  if (!makeFolder(History, "the unstored changes could not be set aside")) return false;
  for (int f = 0; f < NKEPT; f++) {
    std::string from = recoveryPath(f), to = versionPath(f, true, t);
    if (rename(from.c_str(), to.c_str()) != 0 && errno != ENOENT)
      return fail("the unstored changes could not be set aside", from);
  }
  unlink(recoveryPath(NKEPT).c_str());
  for (std::string &w : written) w.clear();
  SyncFolder(History);
  SyncFolder(Recovery);
  dropOldest();
  return true;
}

// ---- the history

void StartHistory() { KeepReplaced = keepVersion; }

std::vector<Version> ListHistory() {
  std::vector<Version> list;
  DIR *d = opendir(History);
  if (!d) return list;
  while (dirent *e = readdir(d)) {
    std::string name = e->d_name;
    struct stat st;
    if (name.size() <= STAMP + 1 || name[10] != 'T' || name[19] != '.' || name[STAMP] != '-' ||
        fstatat(dirfd(d), e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
      continue;
    std::string kind = name.substr(STAMP + 1);
    bool unstored = !kind.compare(0, strlen(Unstored), Unstored);
    int f = fileOf(kind.c_str() + (unstored ? strlen(Unstored) : 0));
    if (f < 0) continue;
    std::string time = name.substr(0, 19);
    time[10] = ' ', time[13] = time[16] = ':';
    list.push_back({inFolder(History, name), time, f, unstored, (long long)st.st_size});
  }
  closedir(d);
  std::sort(list.begin(), list.end(), [](const Version &a, const Version &b) { return a.path > b.path; });
  return list;
}

std::string HistoryStamp() {
  struct stat st;
  if (stat(History, &st) != 0) return "";
  return std::to_string(st.st_ino) + " " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}
