// Stores that fail: a write that comes up short, a directory where the file
// should be, an old file that cannot be read, is cut while it is read or is past the
// size limit, and kept lines that would take the new file past it. Whichever file it hits,
// the old file stays byte for byte, no temporary file is left, the status line names the failure,
// and neither "Store All" nor "Mix" claims success or runs the engine.
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "testutil.h"

namespace {

using FaultsTest = ConsoleTest;

// Root reads any file whatever its mode; while off, it reads as anyone else.
void readAnything(bool on) {
  __user_cap_header_struct head = {_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2];
  ASSERT_EQ(syscall(SYS_capget, &head, data), 0);
  const unsigned caps = 1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH;
  data[0].effective = on ? data[0].effective | (data[0].permitted & caps) : data[0].effective & ~caps;
  ASSERT_EQ(syscall(SYS_capset, &head, data), 0);
}

void fileSizeLimit(rlim_t bytes) {
  rlimit r;
  getrlimit(RLIMIT_FSIZE, &r);
  r.rlim_cur = bytes;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &r), 0);
}

// A read that comes up short, as when another program cuts the file while it is
// read: reads return at most 10 bytes, and the one after a cut read finds the end.
bool cutReads = false;

}  // namespace

extern "C" ssize_t __real_read(int fd, void *buf, size_t n);
extern "C" ssize_t __wrap_read(int fd, void *buf, size_t n) {
  static bool cut = false;
  if (!cutReads) return __real_read(fd, buf, n);
  if (cut) return cut = false, 0;
  cut = n > 10;
  return __real_read(fd, buf, cut ? 10 : n);
}

namespace {

// A short write, a directory in the file's place, an unreadable old file, one cut while
// read, one past the size limit, and kept lines that would take the new file past it.
enum Fault { SHORT_WRITE, DIRECTORY, UNREADABLE, CUT_READ, OVER_LIMIT, TOO_LARGE };

struct File {
  const char *name;
  void (*store)();
  const char *old;
  const char *status[6];  // what the status line says, by fault
};

const char FadersUnread[] = "faders.txt could not be read whole, so it was not replaced",
           PrefsUnread[] = "Could not store prefs.txt: the old file cannot be read",
           TracksUnread[] = "Could not store tracks.txt: the old file cannot be read";
const File Files[] = {
    {"faders.txt", StageWriteToFile, "Old Mix\n# keep me\nv\t3\t-6.00\nend\n",
     {"faders.txt write error: expected 51, returned 5", "faders.txt is a folder", FadersUnread, FadersUnread,
      FadersUnread, "faders.txt would be larger than a recall reads (64 MiB), so it was not stored"}},
    {"prefs.txt", WritePreferencesFile, "# keep me\npre\ton\nend\n",
     {"Could not write prefs.txt: File too large", "prefs.txt is a folder", PrefsUnread, PrefsUnread,
      "Could not store prefs.txt: the old file is too large to keep",
      "prefs.txt would be larger than a recall reads (64 MiB), so it was not stored"}},
    // The tracks file keeps nothing of the old one, but one not read whole is kept too.
    {"tracks.txt", WriteTracksFile, "1 Old +\nend\n",
     {"Could not write tracks.txt: File too large", "tracks.txt is a folder", TracksUnread, TracksUnread,
      "Could not store tracks.txt: the old file is too large to keep"}},
};

// The old file, or for a directory the file inside it, as it must stay.
std::string kept(const File &f, Fault fault) {
  return ReadFile(fault == DIRECTORY ? std::string(f.name) + "/mine" : f.name);
}

TEST_F(FaultsTest, AFailedStoreKeepsTheOldFileAndClaimsNothing) {
  Engine(dir + "/bin", "touch ran.txt\n");
  for (const File &f : Files)
    for (Fault fault : {SHORT_WRITE, DIRECTORY, UNREADABLE, CUT_READ, OVER_LIMIT, TOO_LARGE}) {
      if (!f.status[fault]) continue;
      SCOPED_TRACE(std::string(f.name) + ", fault " + std::to_string(fault));
      ASSERT_EQ(system("rm -rf *.txt"), 0);
      for (const File &g : Files) WriteFile(g.name, g.old), Known(g.name);
      if (fault == DIRECTORY) {
        unlink(f.name);
        mkdir(f.name, 0755);
        WriteFile(std::string(f.name) + "/mine", f.old);
      }
      if (fault == UNREADABLE) chmod(f.name, 0);
      ASSERT_EQ(fault == OVER_LIMIT ? truncate(f.name, MaxFileSize + 1) : 0, 0);
      if (fault == TOO_LARGE)  // a line the store keeps
        WriteFile(f.name, "Mix\n# " + std::string(MaxFileSize - 10, 'x') + "\n"), Known(f.name);
      std::string before[3];
      for (int i = 0; i < 3; i++) before[i] = kept(Files[i], &Files[i] == &f ? fault : SHORT_WRITE);

      // The fault is on for the file's own store, "Store All" and "Mix".
      if (fault == SHORT_WRITE) fileSizeLimit(5);
      if (fault == UNREADABLE) readAnything(false);
      cutReads = fault == CUT_READ;
      ClearStoreError();
      f.store();
      std::string own = Status();
      SaveAll();
      std::string all = Status();
      Mix();
      std::string mix = Status();
      if (fault == SHORT_WRITE) fileSizeLimit(RLIM_INFINITY);
      if (fault == UNREADABLE) readAnything(true);
      cutReads = false;

      // "Store All" (prefs, tracks, faders) names its first failure; a short write or
      // a cut read fails the prefs store too.
      bool all3 = fault == SHORT_WRITE || fault == CUT_READ;
      const char *first = all3 ? Files[1].status[fault] : f.status[fault];
      EXPECT_EQ(own.compare(0, strlen(f.status[fault]), f.status[fault]), 0) << own;
      EXPECT_EQ(all.compare(0, strlen(first), first), 0) << all;
      EXPECT_EQ(mix, all);
      EXPECT_FALSE(FileExists("ran.txt"));
      EXPECT_TRUE(kept(f, fault) == before[&f - Files]);
      for (int i = 0; i < 3 && fault == SHORT_WRITE; i++)  // every store failed
        EXPECT_EQ(ReadFile(Files[i].name), before[i]) << Files[i].name;
      EXPECT_EQ(TemporaryFiles(), 0);
      chmod(f.name, 0644);
    }

  // With the faults gone, everything works again.
  ASSERT_EQ(system("rm -rf *.txt"), 0);
  Mix();
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_TRUE(FileExists("ran.txt"));
}

TEST_F(FaultsTest, AFileOverTheSizeLimitIsNotRecalled) {
  for (const File &f : Files) {
    WriteFile(f.name, "# mine\n");
    ASSERT_EQ(truncate(f.name, MaxFileSize + 1), 0);
  }
  CopyName(NameBuffer[1], "Kick", 128);
  const std::string before = Model();
  Printed(RecallAll);
  EXPECT_EQ(Status(), "faders.txt is too large to read");  // the failure kept, not the count of prefs.txt
  EXPECT_EQ(Changed(before), "");
  WriteTracksFile();
  WriteTracksFile();  // not read whole, so never replaced by a store
  struct stat st;
  EXPECT_TRUE(stat("tracks.txt", &st) == 0 && st.st_size == (off_t)MaxFileSize + 1);
}

}  // namespace
