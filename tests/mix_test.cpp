// "Mix" as a job: the engine command, its output, Cancel and how it ended.
#include "testutil.h"

#include <FL/Fl_Text_Display.H>
#undef Status  // Xlib's, which the display header brings in
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sstream>

#include "mix/mix.h"

namespace {

class MixTest : public ConsoleTest {
 protected:
  void TearDown() override { MixWindow->hide(), ConsoleTest::TearDown(); }
};

double now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// A mix, cancelled by "Cancel" or by the window manager's close once the engine
// has written child.pid (KEYS: Ctrl+S and Page Up instead); one still going 20 s
// on is cancelled and its group killed.
enum Cancel { NONE, BUTTON, CLOSE, KEYS } how;
double started, cancelledAt;
void watch(void *) {
  std::string pid = ReadFile("child.pid");
  if (how && !cancelledAt && !pid.empty()) {
    cancelledAt = now();
    if (how == KEYS) {
      Fl::e_keysym = 's', Fl::e_state = FL_CTRL, Fl::handle(FL_KEYBOARD, ControlWindow);
      Fl::e_keysym = FL_Page_Up, Fl::e_state = 0, Fl::handle(FL_KEYBOARD, FadersWindow);
    } else {
      how == CLOSE ? (void)Fl::handle(FL_CLOSE, MixWindow) : MixCancel->do_callback();
    }
  }
  if (now() - started > 20) {
    CancelMix();
    pid_t group = pid.empty() ? 0 : getpgid(atoi(pid.c_str()));
    if (group > 1) kill(-group, SIGKILL);
  }
  Fl::repeat_timeout(0.05, watch);
}
void mix(Cancel h = NONE) {
  how = h, started = now(), cancelledAt = 0;
  Fl::add_timeout(0.05, watch);
  Mix();
  Fl::remove_timeout(watch);
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
  return free(t), s;
}

}  // namespace

TEST_F(MixTest, RunsTheProgramAtThePathWithNoArgumentsAndNoShell) {
  const struct {
    const char *folder, *path;  // path: the preference, when not the folder itself
  } cases[] = {
      {"my \"quoted\" engine;touch pwned", nullptr}, {"$(touch pwned)", nullptr}, {"home/engine", "~/engine/"},
  };
  std::string home = getenv("HOME");
  setenv("HOME", (dir + "/home").c_str(), 1);
  mkdir("home", 0755);
  for (auto &c : cases) {
    Engine(dir + "/" + c.folder, "printf '%s\\n' \"$0\" \"$#\" \"$PWD\" > ran.txt\n");
    if (c.path) strcpy(Path, c.path);
    mix();
    EXPECT_EQ(Status(), "Mix Complete");
    EXPECT_FALSE(MixWindow->visible());
    EXPECT_EQ(ReadFile("ran.txt"), dir + "/" + c.folder + "/tarnell4\n0\n" + dir + "\n") << c.folder;
  }
  setenv("HOME", home.c_str(), 1);
  EXPECT_FALSE(FileExists("pwned"));
}

TEST_F(MixTest, TenMegabytesOnBothStreamsAreLoggedWholeAndTheLastLinesShown) {
  Engine(dir + "/bin",
         "seq -f 'out %.0f' 1000000 & seq -f 'err %.0f' 1000000 >&2; wait; printf 'last'\n");
  mix();
  EXPECT_EQ(Status(), "Mix Complete");
  std::string log = ReadFile("tarnell4.log");
  ASSERT_EQ(log.substr(log.size() - 5), "\nlast");
  // Each stream whole and in order, whole lines of the two interleaved.
  std::istringstream lines(log.substr(0, log.size() - 4));
  std::string line;
  int n[2] = {0, 0};
  bool inOrder = true;
  while (std::getline(lines, line) && inOrder) {
    int s = line[0] == 'e';
    inOrder = line == (s ? "err " : "out ") + std::to_string(++n[s]);
  }
  EXPECT_TRUE(inOrder) << line;
  EXPECT_EQ(Ints(n, n + 2), Ints({1000000, 1000000}));

  // The display holds the tail of the log, whole lines.
  std::string tail = shown();
  EXPECT_LE(tail.size(), (size_t)MaxShownOutput);
  EXPECT_EQ(log.substr(log.size() - tail.size() - 1), "\n" + tail);
}

TEST_F(MixTest, CancelEndsTheEngineAndWhatItStarted) {
  const struct {
    const char *engine;
    Cancel how;
  } cases[] = {
      {"echo $$ > child.pid; exec sleep 1000\n", CLOSE},
      {"sh -c 'trap \"\" TERM; echo $$ > child.pid; while :; do sleep 0.1; done' & wait\n", BUTTON},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.engine);
    unlink("child.pid");
    Engine(dir + "/bin", c.engine);
    mix(c.how);
    int pid = atoi(ReadFile("child.pid").c_str());
    ASSERT_GT(pid, 0);
    while (!gone(pid) && now() - cancelledAt < 4) usleep(10000);
    EXPECT_TRUE(gone(pid));
    EXPECT_EQ(Status(), "Mix cancelled");
    EXPECT_FALSE(MixWindow->visible());
  }
  Engine(dir + "/bin", "echo again\n");
  mix();
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_EQ(ReadFile("tarnell4.log"), "again\n");
}

TEST_F(MixTest, FailuresAreReportedAsWhatTheyAre) {
  const struct {
    const char *engine;  // nullptr: no engine at the path; "": one that may not be run
    const char *status;
  } cases[] = {
      {"exit 130", "Mix failed: the engine exited with status 130"},  // not taken for a signal
      {"kill -9 $$", "Mix failed: the engine was ended by signal 9"},
      {nullptr, "was not found"},
      {"", "could not be run (Permission denied)"},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(c.status);
    Engine(dir + "/bin", std::string("echo cannot open sound file x.wav >&2\n") + (c.engine ? c.engine : ""));
    if (!c.engine) unlink("bin/tarnell4");
    if (c.engine && !*c.engine) chmod("bin/tarnell4", 0644);
    mix();
    EXPECT_NE(Status().find(c.status), std::string::npos) << Status();
    // The window stays with the output and the message, and holds no other window.
    EXPECT_TRUE(MixWindow->visible());
    EXPECT_EQ(Fl::modal(), nullptr);
    EXPECT_EQ(MixMessage->label(), Status());
    std::string out = c.engine && *c.engine ? "cannot open sound file x.wav\n" : "";
    EXPECT_EQ(shown(), out);
    EXPECT_EQ(ReadFile("tarnell4.log"), out);
    MixCancel->do_callback();
    EXPECT_FALSE(MixWindow->visible());
  }
}

TEST_F(MixTest, KeysStoreAndEditNothingDuringAMix) {
  StartKeys();
  ShowBank(1, 5);
  Engine(dir + "/bin", "rm faders.txt; echo $$ > child.pid; sleep 1\n");
  mix(KEYS);
  EXPECT_EQ(Status(), "Mix Complete");
  EXPECT_FALSE(FileExists("faders.txt"));
  EXPECT_EQ(TimeIndex->value(), 5);
}
