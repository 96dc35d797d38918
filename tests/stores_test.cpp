// Stores that never lose a mix: a file the session has not read is not replaced
// unasked, the new text is on the disk before it replaces the old, the file's
// owner, group, mode, links and kind are kept, and a store killed at any point
// leaves the old or the new file whole.
#include <csignal>
#include <functional>
#include <fcntl.h>
#include <grp.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "testutil.h"

// Each sync is noted: 'F' for a file, 'D' for a folder, then (when Old is set) 'o'
// while faders.txt still holds Old and 'n' once it does not. The file sync
// numbered FailSync fails; with FailSync -1 the first sync kills the process.
namespace {
std::string Syncs, Old;
int FileSyncs, FailSync;
}  // namespace

extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
  if (FailSync < 0) raise(SIGKILL);
  struct stat st;
  bool folder = fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
  Syncs += folder ? 'D' : 'F';
  if (!Old.empty()) Syncs += ReadFile("faders.txt") == Old ? 'o' : 'n';
  if (!folder && ++FileSyncs == FailSync) return errno = EIO, -1;
  return __real_fsync(fd);
}

namespace {

class StoresTest : public ConsoleTest {};

struct File {
  const char *name;
  void (*store)(), (*recall)();
  const char *old;      // a file that the start-up model would lose lines of
  const char *edit[2];  // a change of the same size that a store would lose
};
const File Files[] = {
    {"prefs.txt", Committed<WritePreferencesFile>, ReadPreferencesFile, "pre\ton\n# mine\nend\n", {"pre\ton", "pre\tno"}},
    {"tracks.txt", Committed<WriteTracksFile>, ReadTracksFile, "1 Kick +\nend\n", {"Kick", "Kack"}},
    {"faders.txt", Committed<StageWriteToFile>, StageReadFromFile, "Last Week\n# mine\nt\t0\t0\t0\nv\t3\t-6\nend\n",
     {"Last", "Past"}},
};

std::string unread(const char *name) {
  return std::string(name) + " holds changes Corvessa has not read: Recall it, or store again to replace it";
}
bool wrote() { return Status().compare(0, 6, "Wrote ") == 0; }

TEST_F(StoresTest, AFileNotReadIsReplacedOnlyWhenAskedTwice) {
  // A file never read is refused once and then replaced: the Store All and Mix test
  // below, for the three files at once.
  for (const File &f : Files) {
    SCOPED_TRACE(f.name);
    f.store();
    // Changed on disk since: in its text, then in its time only.
    WriteFile(f.name, f.old);
    f.store();
    EXPECT_EQ(ReadFile(f.name), f.old);
    f.recall();
    f.store();
    EXPECT_TRUE(wrote()) << Status();
    const std::string recalled = ReadFile(f.name);
    std::string changed = recalled;
    changed.replace(changed.find(f.edit[0]), strlen(f.edit[1]), f.edit[1]);
    WriteFile(f.name, changed);
    struct timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, f.name, times, 0), 0);
    f.store();
    EXPECT_EQ(Status(), unread(f.name));
    EXPECT_EQ(ReadFile(f.name), changed);

    // A file holding only what the store writes is replaced at once.
    ForgetFiles();
    WriteFile(f.name, recalled);
    f.store();
    EXPECT_TRUE(wrote()) << Status();
  }
}

TEST_F(StoresTest, StoreAllAndMixNameEveryFileTheyLeave) {
  Engine(dir + "/bin", "touch ran.txt\n");  // an engine that leaves a trace
  for (const File &f : Files) WriteFile(f.name, f.old);
  Mix();
  EXPECT_EQ(Status(), "prefs.txt, tracks.txt, faders.txt hold changes Corvessa has not read: Recall them, or store "
                      "again to replace them");
  EXPECT_FALSE(FileExists("ran.txt"));
  for (const File &f : Files) EXPECT_EQ(ReadFile(f.name), f.old);
  SaveAll();
  EXPECT_EQ(Status(), "Save Complete");

  WriteFile("tracks.txt", Files[1].old);
  SaveAll();
  EXPECT_EQ(Status(), unread("tracks.txt"));
  Mix();
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_TRUE(FileExists("ran.txt"));
}

TEST_F(StoresTest, TheNewTextIsSyncedBeforeTheRenameAndTheFolderAfter) {
  const char *failed = "Could not write faders.txt: Input/output error";
  const struct { const char *what; bool hardLink; int failSync; const char *syncs, *status; } cases[] = {
      {"replaced", false, 0, "FoDn", "Wrote "},
      {"written in place", true, 0, "FoFnDn", "Wrote "},
      {"sync of the new file fails", false, 1, "FoDo", failed},
      {"sync in place fails", true, 2, "FoFnFoDo", failed},  // the old text written back and synced
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.what);
    unlink("faders.txt"), unlink("other.txt");
    WriteFile("faders.txt", Old = "Old Mix\nend\n");
    ASSERT_EQ(c.hardLink ? link("faders.txt", "other.txt") : 0, 0);
    Known("faders.txt");
    Syncs.clear();
    FileSyncs = 0, FailSync = c.failSync;
    StageWriteToFile();
    FailSync = 0;
    EXPECT_EQ(Syncs, c.syncs);
    EXPECT_EQ(TemporaryFiles(), 0);
    EXPECT_EQ(Status().substr(0, strlen(c.status)), c.status);
    EXPECT_EQ(ReadFile("faders.txt").substr(0, 12), c.failSync ? Old : "MixFilename\n");
    EXPECT_EQ(ReadFile(c.hardLink ? "other.txt" : "faders.txt"), ReadFile("faders.txt"));  // the link kept
  }
  Old.clear();
}

// What a store says, run by the user nobody in folder.
std::string asNobody(const char *folder, void (*store)()) {
  char *said = (char *)mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder) == 0 && setgroups(0, nullptr) == 0 && setresgid(65534, 65534, 65534) == 0 &&
        setresuid(65534, 65534, 65534) == 0)
      store(), CopyName(said, Status().c_str(), 4096);
    _exit(0);
  }
  waitpid(pid, nullptr, 0);
  std::string s = said;
  munmap(said, 4096);
  return s;
}

// A file or link as it stands (all zero when there is none), and a file's "mode uid:gid".
struct stat lst(const char *name) {
  struct stat st = {};
  lstat(name, &st);
  return st;
}
std::string meta(const char *name) {
  struct stat st = lst(name);
  char s[64];
  snprintf(s, sizeof s, "%o %u:%u", st.st_mode & 07777, st.st_uid, st.st_gid);
  return s;
}

TEST_F(StoresTest, TheFilesOwnerGroupModeAndLinksAreKept) {
  WriteFile("faders.txt", "Old\n");
  chmod("faders.txt", 0640);
  ASSERT_EQ(chown("faders.txt", 65534, 65534), 0);
  Known("faders.txt");
  StageWriteToFile();
  EXPECT_EQ(meta("faders.txt"), "640 65534:65534");

  // A link to nothing yet creates its target; one into no folder is refused.
  ASSERT_EQ(symlink("new.txt", "tracks.txt"), 0);
  WriteTracksFile();
  EXPECT_EQ(ReadFile("new.txt"), "1 ---- off\nend\n");
  EXPECT_TRUE(S_ISLNK(lst("tracks.txt").st_mode));

  // A group member cannot give the new file the owner: the old file is written in place.
  mkdir("shared", 0755);
  ASSERT_EQ(chown("shared", 65534, 65534), 0);
  WriteFile("shared/faders.txt", "Old\n");
  chmod("shared/faders.txt", 0664);
  ASSERT_EQ(chown("shared/faders.txt", 0, 65534), 0);
  ino_t inode = lst("shared/faders.txt").st_ino;
  ASSERT_EQ(chdir("shared"), 0);
  Known("faders.txt");
  ASSERT_EQ(chdir(".."), 0);
  EXPECT_EQ(asNobody("shared", StageWriteToFile).compare(0, 6, "Wrote "), 0);
  EXPECT_EQ(meta("shared/faders.txt"), "664 0:65534");
  EXPECT_EQ(lst("shared/faders.txt").st_ino, inode);
  EXPECT_EQ(ReadFile("shared/faders.txt").substr(0, 12), "MixFilename\n");
  EXPECT_EQ(TemporaryFiles(), 0);
}

TEST_F(StoresTest, WhatIsNotAWritableFileIsRefusedByName) {
  const struct { const char *what; std::function<void()> make; const char *status; } cases[] = {  // status after the name
      {"read-only", [] { WriteFile("faders.txt", "Old\n"), chmod("faders.txt", 0444); }, " is read-only"},
      {"a device", [] { symlink("/dev/null", "faders.txt"); }, " is a device, not a file: nothing was stored"},
      {"a FIFO", [] { mkfifo("faders.txt", 0644); }, " is a FIFO, not a file: nothing was stored"},
      {"a folder", [] { mkdir("faders.txt", 0755); }, " is a folder"},
      {"a link into no folder", [] { symlink("gone/faders.txt", "faders.txt"); },
       " links into a folder that does not exist"},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(system("rm -rf faders.txt"), 0);
    c.make();
    struct stat before = lst("faders.txt");
    StageWriteToFile();
    EXPECT_EQ(Status(), std::string("faders.txt") + c.status);
    struct stat after = lst("faders.txt");
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(TemporaryFiles(), 0);
  }
  EXPECT_TRUE(S_ISCHR(lst("/dev/null").st_mode));

  // As another user: a folder that cannot be written, a file owned by someone else.
  mkdir("theirs", 0755);
  mkdir("mine", 0755);
  ASSERT_EQ(chown("mine", 65534, 65534), 0);
  WriteFile("mine/faders.txt", "Old\n");
  chmod(dir.c_str(), 0755);
  for (const File &f : Files)
    EXPECT_EQ(asNobody("theirs", f.store),
              "Could not store " + std::string(f.name) + ": cannot write in this folder: Permission denied");
  EXPECT_EQ(asNobody("mine", StageWriteToFile), "faders.txt is read-only");
  EXPECT_EQ(ReadFile("mine/faders.txt"), "Old\n");
}

// The sync table shows the old file in place until the rename and the new one after it;
// a store killed before the rename leaves a temporary file, which the next one removes.
TEST_F(StoresTest, AStoreKilledBeforeTheRenameLeavesTheOldFileWholeAndTheNextStoreTidiesUp) {
  WriteFile("faders.txt", "Old Mix\nend\n");
  Known("faders.txt");
  pid_t pid = fork();
  if (pid == 0) FailSync = -1, StageWriteToFile(), _exit(0);
  int status;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  EXPECT_EQ(ReadFile("faders.txt"), "Old Mix\nend\n");
  EXPECT_EQ(TemporaryFiles(), 1);
  StageWriteToFile();
  EXPECT_EQ(TemporaryFiles(), 0);
}

}  // namespace
