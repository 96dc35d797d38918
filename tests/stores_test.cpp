// Stores that never lose a mix: a file the session has not read is not replaced
// unasked, the new text is on the disk before it replaces the old, the file's
// owner, group, mode, links and kind are kept, and a store killed at any point
// leaves the old or the new file whole.
#include <csignal>
#include <functional>
#include <fcntl.h>
#include <grp.h>
#include <sys/mman.h>
#include <sys/xattr.h>
#include <sys/wait.h>
#include <unistd.h>

#include "compare/compare.h"
#include "mix/mix.h"
#include "testutil.h"
#include "undo/undo.h"

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

std::string refused(const std::string &names) { return "Not stored: " + names + " changed on disk"; }
bool wrote() { return Status().compare(0, 6, "Wrote ") == 0; }

// A store replaces a file at once only when it is the file the session last read
// or wrote, unchanged since whatever its time says, or holds the new text already.
TEST_F(StoresTest, AFileChangedOnDiskIsNeverReplacedUnasked) {
  for (const File &f : Files) {
    SCOPED_TRACE(f.name);
    WriteFile(f.name, f.old);  // never read: refused however often it is given
    for (int k = 0; k < 3; k++) f.store();
    EXPECT_EQ(Status(), refused(f.name));
    EXPECT_EQ(ReadFile(f.name), f.old);
    EXPECT_TRUE(ChangedWindow->shown());
    EXPECT_EQ(ChangedOnDisk, std::vector<std::string>{f.name});
    KeepEditing();
    f.recall();
    const std::string recalled = ReadFile(f.name);
    std::string changed = recalled;  // the same size, its time put back
    changed.replace(changed.find(f.edit[0]), strlen(f.edit[1]), f.edit[1]);
    struct stat st;
    stat(f.name, &st);
    WriteFile(f.name, changed);
    struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, f.name, times, 0), 0);
    f.store();
    EXPECT_EQ(ReadFile(f.name), changed);
    WriteFile(f.name, recalled);  // the bytes read, a new time: unchanged
    f.store();
    EXPECT_TRUE(wrote()) << Status();
    ForgetFiles();  // never read, but holding the new text already
    f.store();
    EXPECT_TRUE(wrote()) << Status();
    EXPECT_FALSE(ChangedWindow->shown());
  }
  // Another program's edits after a recall: a block deleted, two lines swapped.
  const std::string mix = "Mix\n\nt\t0\t0.000\t0\nv\t3\t-6.00\nv\t4\t-3.00\n\nt\t0\t5.000\t0\nend\n";
  for (const char *edited : {"Mix\n\nt\t0\t0.000\t0\nv\t3\t-6.00\nv\t4\t-3.00\nend\n",
                             "Mix\n\nt\t0\t0.000\t0\nv\t4\t-3.00\nv\t3\t-6.00\n\nt\t0\t5.000\t0\nend\n"}) {
    WriteFile("faders.txt", mix);
    StageReadFromFile();
    WriteFile("faders.txt", edited);
    Pan[1] = 30;
    Committed<StageWriteToFile>();
    EXPECT_EQ(ReadFile("faders.txt"), edited);
  }
  KeepEditing();
}

// "Store All" and "Mix" over changed files ask once for them all, and only the
// window's "Replace" replaces them; "Revert" and "Keep Editing" write nothing.
TEST_F(StoresTest, TheChangedOnDiskWindowAsksForEveryFile) {
  Engine(dir + "/bin", "touch ran.txt\n");  // an engine that leaves a trace
  CopyName(NameBuffer[1], "Mine", sizeof NameBuffer[1]);
  const std::string mine = ModelBytes();
  const struct {
    void (*button)();
    bool replaced;
    const char *status;
  } answers[] = {{KeepEditing, false, nullptr}, {RevertChanged, false, "Read 18 bytes from prefs.txt"},
                 {ReplaceChanged, true, "Save Complete"}};
  for (auto &a : answers) {
    ForgetFiles();  // not read since
    for (const File &f : Files) WriteFile(f.name, f.old);
    SetModelImage(mine);
    for (void (*store)() : {Mix, SaveAll, SaveAll, Mix}) store();  // a key held, a mix given twice
    EXPECT_EQ(Status(), refused("3 files"));
    EXPECT_EQ(ChangedOnDisk, (std::vector<std::string>{"prefs.txt", "tracks.txt", "faders.txt"}));
    EXPECT_FALSE(FileExists("ran.txt"));
    a.button();
    EXPECT_FALSE(ChangedWindow->shown());
    for (const File &f : Files) EXPECT_EQ(ReadFile(f.name) == f.old, !a.replaced) << f.name;
    if (a.status) {
      EXPECT_EQ(Status(), a.status);
    }
    EXPECT_EQ(!strcmp(NameBuffer[1], "Mine"), a.button != RevertChanged);
  }
  Mix();  // all three written now
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
// "Revert All" after edits of every kind: the console a fresh start-up and "Recall
// All" make, nothing unstored, the same bytes stored again; one undo brings the edits back.
TEST_F(StoresTest, RevertAllGoesBackToTheStoredMix) {
  CopyName(NameBuffer[2], "Snare", 128);
  IndexActiveArray[1] = ChanActive[Entry(2, 1)] = 1, Volume[Entry(2, 1)] = -6, HeadTailArray[0] = 2;
  SaveAll();
  std::string files[3];
  for (int f = 0; f < 3; f++) files[f] = ReadFile(Files[f].name);
  StartUpModel();
  RecallAll();
  const std::string stored = Model();
  RecordStep();
  ChanActive[Entry(5, 1)] = 1, MuteArray[3] = 1, CopyName(NameBuffer[7], "Hat", 128);
  IndexActiveArray[9] = 1, Pcomp[4 * NGROUPS] = 1, HeadTailArray[1] = 3;
  const std::string edited = Model();
  RevertAll();
  EXPECT_EQ(Changed(stored), "");
  EXPECT_FALSE(UnstoredChanges());
  EXPECT_EQ(Status(), "Read " + std::to_string(files[0].size()) + " bytes from prefs.txt");
  SaveAll();
  for (int f = 0; f < 3; f++) EXPECT_EQ(ReadFile(Files[f].name), files[f]);
  Undo();
  EXPECT_EQ(Status(), "Undone: Revert All");
  EXPECT_EQ(Changed(edited), "");
}

// A FIFO in a store's way, a file of more cues than the console holds, a failed
// recall, the file's attributes and the store's own leftovers, and what a mix says.
TEST_F(StoresTest, WhatStandsInAStoresWay) {
  mkfifo("prefs.txt", 0644);
  Committed<WritePreferencesFile>();
  EXPECT_EQ(Status(), "prefs.txt is a FIFO, not a file: nothing was stored");
  remove("prefs.txt");

  std::string past = "Mix\n";
  for (int k = 0; k < 520; k++) past += "t\t0\t" + std::to_string(k) + "\t0\n";
  WriteFile("faders.txt", past);
  StageReadFromFile();
  EXPECT_EQ(MessageCount(), 1);
  Pan[3] = 9;
  Committed<StageWriteToFile>();
  EXPECT_EQ(Status(), refused("faders.txt"));  // not read whole: the store asks
  KeepEditing();
  RecordStep();
  ASSERT_EQ(truncate("faders.txt", MaxFileSize + 1), 0);
  StageReadFromFile();  // failed: the change is still unstored
  EXPECT_TRUE(UnstoredChanges());

  WriteFile("faders.txt", "Mix\n"), Known("faders.txt");
  bool attributes = setxattr("faders.txt", "user.mix", "sunday", 6, 0) == 0;
  WriteFile(".faders.txt.corvessa-backup-of-sunday", "mine"), WriteFile(".faders.txt.corvessa-Ab12Cd", "left");
  Committed<StageWriteToFile>();
  char value[16] = "";
  EXPECT_TRUE(!attributes || getxattr("faders.txt", "user.mix", value, sizeof value) == 6) << value;
  EXPECT_TRUE(FileExists(".faders.txt.corvessa-backup-of-sunday") && !FileExists(".faders.txt.corvessa-Ab12Cd"));

  Engine(dir + "/bin", "sleep 0.3\n");
  mkdir("tarnell4.log", 0755);
  std::string during;
  Fl::add_timeout(0.1, [](void *s) { *(std::string *)s = TextResponse->value(); }, &during);
  Mix();
  EXPECT_EQ(during, "Mixing");
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_STREQ(MixMessage->label(), "tarnell4.log could not be written");
  EXPECT_EQ(MessageAt(MessageCount() - 1).message, "tarnell4.log could not be written");
}

// A text too long for the status line shows as much as fits; the Messages window has it whole.
TEST_F(StoresTest, ALongFailureIsShortOnTheLineAndWholeInTheMessages) {
  const char *whole = "Could not store prefs.txt: cannot write in this folder: Permission denied";
  SetStatus("%s", whole);
  std::string shown = TextResponse->value(), more = "... (Ctrl+L)";
  ASSERT_GT(shown.size(), more.size() + 20);
  EXPECT_EQ(shown.substr(shown.size() - more.size()), more);
  EXPECT_EQ(std::string(whole).find(shown.substr(0, shown.size() - more.size())), 0u);
  ASSERT_GT(StatusCount(), 0);
  EXPECT_EQ(StatusAt(StatusCount() - 1).message, whole);
  SetStatus("Save Complete");
  EXPECT_STREQ(TextResponse->value(), "Save Complete");
}

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
