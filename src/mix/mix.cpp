#include "mix/mix.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "messages/messages.h"
#include "model/model.h"
#include "status/status.h"
#include "textfile/textfile.h"

Fl_Double_Window *MixWindow;
Fl_Box *MixElapsed, *MixMessage;
Fl_Text_Display *MixOutput;
Fl_Button *MixCancel;
std::string EngineLog;

namespace {

// ---- the run

pid_t engine;               // also the id of its process group; 0 when none runs
bool reaped, cancelled, killed;
int waitStatus;
double started, cancelledAt;  // monotonic seconds
int out[2] = {-1, -1};        // read ends of its standard output and error
std::string partial[2];       // a line still arriving on each
std::string unshown;          // whole lines not yet in MixOutput

double now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

// Starts program with no arguments, its own process group, stdin from /dev/null
// and both output streams into pipes. 0, or the errno of what failed; errno of a
// failed exec is carried back through a pipe that a successful exec closes.
int spawn(const char *program) {
  int o[2], e[2], report[2];
  if (pipe2(o, O_CLOEXEC) != 0) return errno;
  if (pipe2(e, O_CLOEXEC) != 0 || pipe2(report, O_CLOEXEC) != 0) {
    int err = errno;
    close(o[0]), close(o[1]);
    return err;
  }
  fflush(stdout);
  pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    int null = open("/dev/null", O_RDONLY);
    if (null > 0) dup2(null, 0), close(null);
    dup2(o[1], 1);
    dup2(e[1], 2);
    signal(SIGPIPE, SIG_DFL);
    signal(SIGXFSZ, SIG_DFL);  // the file stores ignore it
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    char *const argv[] = {const_cast<char *>(program), nullptr};
    execvp(program, argv);
    int err = errno;
    (void)!write(report[1], &err, sizeof err);
    _exit(127);
  }
  int err = pid < 0 ? errno : 0;
  if (pid > 0) setpgid(pid, pid);  // so that the group exists before any signal to it
  close(o[1]), close(e[1]), close(report[1]);
  if (pid > 0) {
    ssize_t n;
    while ((n = read(report[0], &err, sizeof err)) < 0 && errno == EINTR) {
    }
    if (n != sizeof err) err = 0;
    if (err) waitpid(pid, nullptr, 0);
  }
  close(report[0]);
  if (err) {
    close(o[0]), close(e[0]);
    return err;
  }
  engine = pid;
  out[0] = o[0], out[1] = e[0];
  for (int fd : out) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  return 0;
}

// Text that arrived goes to the log and, its tail, to the window.
void emit(std::string &s, size_t n) {
  if (EngineLog.size() + n <= MaxEngineLog) EngineLog.append(s, 0, n);
  unshown.append(s, 0, n);
  if (unshown.size() > (size_t)MaxShownOutput) {  // whole lines, where there are any
    size_t cut = unshown.find('\n', unshown.size() - MaxShownOutput);
    unshown.erase(0, cut == std::string::npos ? unshown.size() - MaxShownOutput : cut + 1);
  }
  s.erase(0, n);
}

// Whole lines go on at once, so that the two streams never mix within a line; a
// line longer than a read goes as it is.
void take(int stream, const char *p, size_t n) {
  std::string &s = partial[stream];
  s.append(p, n);
  size_t end = s.rfind('\n') + 1;  // npos + 1 is 0
  if (end == 0 && s.size() >= 65536) end = s.size();
  if (end) emit(s, end);
}

void closeStream(int stream) {
  Fl::remove_fd(out[stream]);
  close(out[stream]);
  out[stream] = -1;
}

// Reads what a stream holds, a bounded amount at a time so that the windows keep
// being drawn however fast the engine prints. The bytes read.
size_t readSome(int s) {
  static char buf[65536];
  size_t got = 0;
  for (int i = 0; i < 16 && out[s] >= 0; i++) {
    ssize_t n = read(out[s], buf, sizeof buf);
    if (n > 0) {
      take(s, buf, n);
      got += n;
    } else if (n == 0 || errno != EINTR) {
      if (n == 0 || errno != EAGAIN) closeStream(s);
      break;
    }
  }
  return got;
}

void readStream(int, void *stream) { readSome(stream ? 1 : 0); }

// ---- the window

// Text for the display: a NUL or a byte that is not part of a UTF-8 character
// becomes "?".
std::string displayable(const std::string &s) {
  std::string t(s);
  for (size_t i = 0; i < t.size();) {
    unsigned char c = t[i];
    size_t len = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3
                                                  : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    size_t k = 1;
    while (len > 1 && k < len && i + k < t.size() && ((unsigned char)t[i + k] & 0xC0) == 0x80) k++;
    if (c == 0 || len == 0 || k < len) {
      t[i++] = '?';
    } else {
      i += len;
    }
  }
  return t;
}

// Moves the new lines into the display, which keeps the last MaxShownOutput bytes.
void showOutput() {
  if (unshown.empty()) return;
  Fl_Text_Buffer *b = MixOutput->buffer();
  b->append(displayable(unshown).c_str());
  unshown.clear();
  if (b->length() > MaxShownOutput) b->remove(0, b->line_end(b->length() - MaxShownOutput) + 1);
  MixOutput->insert_position(b->length());
  MixOutput->show_insert_position();
}

void showElapsed() {
  int s = (int)(now() - started);
  char text[32];
  snprintf(text, sizeof text, "%d:%02d", s / 60, s % 60);
  if (strcmp(text, MixElapsed->label() ? MixElapsed->label() : "")) MixElapsed->copy_label(text);
}

// One turn of the wait: output shown, the clock advanced, the engine reaped, a
// cancel carried to SIGKILL. True while the mix goes on.
bool stillRunning() {
  showOutput();
  showElapsed();
  if (!reaped && waitpid(engine, &waitStatus, WNOHANG) == engine) reaped = true;
  if (!cancelled) return !reaped;
  if (!killed && now() - cancelledAt >= 3) {
    kill(-engine, SIGKILL);
    killed = true;
  }
  // A cancel waits for the whole group, a child the engine started too.
  return !reaped || (!killed && kill(-engine, 0) == 0);
}

std::string logTrouble;  // why the last mix's log could not be written

void writeLog() {
  size_t written;
  errno = 0;
  logTrouble.clear();
  if (ReplaceFile("tarnell4.log", EngineLog.data(), EngineLog.size(), &written) == WRITE_OK) return;
  logTrouble = std::string("tarnell4.log could not be written") + (errno ? ": " + std::string(strerror(errno)) : "");
  Message(logTrouble + "\n", "tarnell4.log");
}

// The end: the rest of the output read (a child of the engine may hold the pipes
// open, so only what they hold now), the log written, the status line set. True
// when the mix succeeded.
bool finish() {
  for (int s = 0; s < 2; s++) {
    for (int i = 0; i < 16 && readSome(s) > 0; i++) {
    }
    if (out[s] >= 0) closeStream(s);
  }
  for (std::string &p : partial) emit(p, p.size());  // last lines without their line feed
  showOutput();
  writeLog();
  engine = 0;
  int code = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
  if (cancelled)
    SetStatus("Mix cancelled");
  else if (WIFSIGNALED(waitStatus))
    SetStatus("Mix failed: the engine was ended by signal %i", WTERMSIG(waitStatus));
  else if (code != 0)
    SetStatus("Mix failed: the engine exited with status %i", code);
  else
    SetStatus("Mix Complete");
  return code == 0 && !cancelled;
}

void closeMixWindow(Fl_Widget *, void *) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;  // as everywhere
  CancelMix();
}

}  // namespace

bool EngineRunning() { return engine != 0; }

void FormEngineCommand(char *out, int size) { snprintf(out, size, "%starnell4", Path); }

void RunEngine() {
  if (EngineRunning()) return;
  char command[sizeof Path + 16];
  FormEngineCommand(command, sizeof command);
  std::string program = command;
  const char *home = getenv("HOME");
  if (program.compare(0, 2, "~/") == 0 && home) program.replace(0, 1, home);

  EngineLog.clear();
  unshown.clear();
  partial[0].clear(), partial[1].clear();
  reaped = cancelled = killed = false;
  waitStatus = 0;
  MixOutput->buffer()->text("");
  MixMessage->labelcolor(FL_FOREGROUND_COLOR);
  MixMessage->copy_label(("Running " + program).c_str());
  MixCancel->label("Cancel");
  started = now();
  showElapsed();
  MixWindow->hide();  // modality changes only while a window is hidden
  MixWindow->set_modal();
  MixWindow->show();
  Fl::flush();

  bool ok = false;
  if (int err = spawn(program.c_str())) {
    writeLog();
    if (err == ENOENT || err == ENOTDIR)
      SetStatus("Mix failed: %.200s was not found", program.c_str());
    else
      SetStatus("Mix failed: %.160s could not be run (%s)", program.c_str(), strerror(err));
  } else {
    for (int s = 0; s < 2; s++) Fl::add_fd(out[s], FL_READ, readStream, (void *)(intptr_t)s);
    while (stillRunning()) Fl::wait(0.1);
    ok = finish();
  }
  MixWindow->hide();
  if ((ok || cancelled) && logTrouble.empty()) return;
  // A failure stays in view, but no longer holds the other windows.
  MixMessage->labelcolor(FL_RED);
  MixMessage->copy_label(ok || cancelled ? logTrouble.c_str() : tbuffer);
  MixCancel->label("Close");
  MixWindow->clear_modal_states();
  MixWindow->show();
}

void CancelMix() {
  if (!EngineRunning()) {
    MixWindow->hide();
  } else if (!cancelled) {
    cancelled = true;
    cancelledAt = now();
    kill(-engine, SIGTERM);
    MixMessage->copy_label("Cancelling");
  }
}

Fl_Double_Window *make_window8() {
  Fl_Double_Window *w = MixWindow = new Fl_Double_Window(560, 320, "Mix");
  MixElapsed = new Fl_Box(10, 10, 60, 20);
  MixElapsed->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  MixMessage = new Fl_Box(70, 10, 480, 20);
  MixMessage->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  MixMessage->labelsize(12);
  MixOutput = new Fl_Text_Display(10, 38, 540, 240);
  MixOutput->buffer(new Fl_Text_Buffer());
  MixOutput->textfont(FL_COURIER);
  MixOutput->textsize(12);
  MixCancel = new Fl_Button(470, 288, 80, 22, "Cancel");
  MixCancel->callback(Call<CancelMix>);
  w->resizable(MixOutput);
  w->end();
  w->callback(closeMixWindow);
  return w;
}
