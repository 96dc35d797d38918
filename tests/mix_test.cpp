// "Mix" as a job: the engine command, its output, Cancel and how it ended.
#include "testutil.h"

#include <FL/Fl_Text_Display.H>
#undef Status  // Xlib's, which the display header brings in
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <sstream>

#include "mix/mix.h"

namespace {

class MixTest : public ConsoleTest {
 protected:
  void TearDown() override {
    MixWindow->hide();
    ConsoleTest::TearDown();
  }
};

double now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

// An engine at folder/tarnell4 running the shell text body; Path points at it.
void engine(const std::string &folder, const std::string &body) {
  mkdir(folder.c_str(), 0755);
  WriteFile(folder + "/tarnell4", "#!/bin/sh\n" + body);
  chmod((folder + "/tarnell4").c_str(), 0755);
  snprintf(Path, sizeof Path, "%s/", folder.c_str());
}

// Cancel, as soon as the engine has written child.pid; at the latest after 15 s
// whatever the engine does, so that no test waits without end.
double cancelledAt;
void cancelWhenStarted(void *byClose) {
  if (ReadFile("child.pid").empty() && now() - cancelledAt < 15) {
    Fl::repeat_timeout(0.05, cancelWhenStarted, byClose);
    return;
  }
  cancelledAt = now();
  if (byClose)
    Fl::handle(FL_CLOSE, MixWindow);  // the window manager's close
  else
    MixCancel->do_callback();
}
// Should the cancel fail: the engine's group killed by the test, 10 s on.
void lastResort(void *) {
  int pid = atoi(ReadFile("child.pid").c_str());
  if (pid > 0) kill(-getpgid(pid), SIGKILL);
}
void mixCancelled(bool byClose) {
  cancelledAt = now();
  Fl::add_timeout(0.05, cancelWhenStarted, (void *)byClose);
  Fl::add_timeout(10, lastResort);
  Mix();
  Fl::remove_timeout(cancelWhenStarted);
  Fl::remove_timeout(lastResort);
}

// A mix that must end by itself; cancelled after 30 s if it does not.
void giveUp(void *) { CancelMix(); }
void mixEnding() {
  Fl::add_timeout(30, giveUp);
  Mix();
  Fl::remove_timeout(giveUp);
}

// A process gone: ended, or ended and not yet reaped by whoever adopted it.
bool gone(int pid) {
  std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
  size_t p = stat.rfind(')');
  return p == std::string::npos || stat.compare(p, 3, ") Z") == 0;
}

std::string shown() {
  char *t = MixOutput->buffer()->text();
  std::string s(t);
  free(t);
  return s;
}

}  // namespace

TEST_F(MixTest, RunsTheProgramAtThePathWithNoArgumentsAndNoShell) {
  const char *folders[] = {"My Engines", "it's \"quoted\"", "a;touch pwned;b", "$(touch pwned)",
                           "`touch pwned`", "x' && touch pwned && '"};
  const std::string report = "printf '%s\\n' \"$0\" \"$#\" \"$PWD\" > ran.txt\n";
  for (const char *f : folders) {
    SCOPED_TRACE(f);
    engine(dir + "/" + f, report);
    mixEnding();
    EXPECT_EQ(Status(), "Mix Complete");
    EXPECT_EQ(ReadFile("ran.txt"), dir + "/" + f + "/tarnell4\n0\n" + dir + "\n");
  }
  EXPECT_FALSE(FileExists("pwned"));

  // "~/" is the home folder; an empty path finds tarnell4 on PATH.
  std::string home = getenv("HOME"), path = getenv("PATH");
  setenv("HOME", (dir + "/home").c_str(), 1);
  mkdir("home", 0755);
  engine(dir + "/home/engine", report);
  strcpy(Path, "~/engine/");
  mixEnding();
  EXPECT_EQ(ReadFile("ran.txt"), dir + "/home/engine/tarnell4\n0\n" + dir + "\n");
  setenv("HOME", home.c_str(), 1);
  engine(dir + "/onpath", report);
  setenv("PATH", (dir + "/onpath:" + path).c_str(), 1);
  Path[0] = 0;
  mixEnding();
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(ReadFile("ran.txt"), dir + "/onpath/tarnell4\n0\n" + dir + "\n");
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_FALSE(MixWindow->visible());
}

TEST_F(MixTest, TenMegabytesOnBothStreamsAreLoggedWholeAndTheLastLinesShown) {
  engine(dir + "/bin",
         "seq -f 'out %.0f' 1000000 & seq -f 'err %.0f' 1000000 >&2; wait; printf 'last'\n");
  double t = now();
  mixEnding();
  EXPECT_LT(now() - t, 20);
  EXPECT_EQ(Status(), "Mix Complete");
  std::string log = ReadFile("tarnell4.log");
  EXPECT_EQ(log, EngineLog);
  EXPECT_GT(log.size(), 20u << 20);
  std::string want[2], got[2], line;
  for (int i = 1; i <= 1000000; i++) {
    want[0] += "out " + std::to_string(i) + "\n";
    want[1] += "err " + std::to_string(i) + "\n";
  }
  want[0] += "last\n";
  std::istringstream lines(log);
  while (std::getline(lines, line)) got[line[0] == 'e'] += line + "\n";
  EXPECT_TRUE(got[0] == want[0]) << "standard output out of order";
  EXPECT_TRUE(got[1] == want[1]) << "standard error out of order";
  EXPECT_EQ(log.compare(log.size() - 4, 4, "last"), 0);

  // The display holds the tail of the log, whole lines, scrolled to its end.
  std::string tail = shown();
  EXPECT_LE(tail.size(), (size_t)MaxShownOutput);
  EXPECT_GT(tail.size(), (size_t)MaxShownOutput - 100);
  EXPECT_EQ(log.compare(log.size() - tail.size(), tail.size(), tail), 0);
  EXPECT_EQ(log[log.size() - tail.size() - 1], '\n');
  EXPECT_EQ(MixOutput->insert_position(), (int)tail.size());
}

TEST_F(MixTest, CancelEndsTheEngineAndWhatItStarted) {
  const struct {
    const char *engine;
    bool byClose;
  } cases[] = {
      {"echo $$ > child.pid; exec sleep 1000\n", true},
      {"trap '' TERM; echo $$ > child.pid; while :; do sleep 0.1; done\n", false},
      {"sh -c 'trap \"\" TERM; echo $$ > child.pid; while :; do sleep 0.1; done' & wait\n", false},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.engine);
    unlink("child.pid");
    engine(dir + "/bin", c.engine);
    mixCancelled(c.byClose);
    int pid = atoi(ReadFile("child.pid").c_str());
    ASSERT_GT(pid, 0);
    while (!gone(pid) && now() - cancelledAt < 4) usleep(10000);
    EXPECT_TRUE(gone(pid));
    EXPECT_LT(now() - cancelledAt, 4);
    EXPECT_EQ(Status(), "Mix cancelled");
    EXPECT_FALSE(MixWindow->visible());
    EXPECT_FALSE(EngineRunning());
  }
  engine(dir + "/bin", "echo again\n");
  mixEnding();
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_EQ(ReadFile("tarnell4.log"), "again\n");
}

TEST_F(MixTest, FailuresAreReportedAsWhatTheyAre) {
  const struct {
    const char *engine;  // nullptr: no engine at the path
    const char *status;
  } cases[] = {
      {"exit 130", "Mix failed: the engine exited with status 130"},
      {"exit 3", "Mix failed: the engine exited with status 3"},
      {"kill -9 $$", "Mix failed: the engine was ended by signal 9"},
      {nullptr, "was not found"},
      {"", "could not be run (Permission denied)"},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.status);
    engine(dir + "/bin", std::string("echo cannot open sound file x.wav >&2\n") + (c.engine ? c.engine : ""));
    if (!c.engine) unlink("bin/tarnell4");
    if (c.engine && !*c.engine) chmod("bin/tarnell4", 0644);
    mixEnding();
    EXPECT_NE(Status().find(c.status), std::string::npos) << Status();
    // The window stays with the output and the message, and holds no other window.
    EXPECT_TRUE(MixWindow->visible());
    EXPECT_EQ(Fl::modal(), nullptr);
    EXPECT_EQ(MixMessage->label(), Status());
    EXPECT_STREQ(MixCancel->label(), "Close");
    std::string out = c.engine && *c.engine ? "cannot open sound file x.wav\n" : "";
    EXPECT_EQ(shown(), out);
    EXPECT_EQ(ReadFile("tarnell4.log"), out);
    MixCancel->do_callback();
    EXPECT_FALSE(MixWindow->visible());
  }
}
