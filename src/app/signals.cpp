// SIGTERM, SIGHUP and SIGINT, and a display that went away, end the program as
// "Quit" does, keeping the unstored changes first.
#include <FL/Fl.H>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "app/app.h"
#include "keepwindows/keepwindows.h"

namespace {

int wake[2] = {-1, -1};  // the handler's byte wakes the event loop

// Only what is safe in a handler: one write to the pipe.
void caught(int) {
  int err = errno;
  ssize_t n = write(wake[1], "", 1);
  (void)n;
  errno = err;
}

void woken(int, void *) { ProgramExit(); }

// The display is lost (a logout): no widget can be reached, but the model can.
void fatal(const char *format, ...) {
  va_list ap;
  va_start(ap, format);
  vfprintf(stderr, format, ap);
  va_end(ap);
  fputc('\n', stderr);
  static bool once;
  if (!once) once = true, KeepUnstored(false);
  exit(1);
}

}  // namespace

void CatchSignals() {
  Fl::fatal = fatal;
  if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) return;
  Fl::add_fd(wake[0], FL_READ, woken);
  struct sigaction sa = {};
  sa.sa_handler = caught;
  sa.sa_flags = SA_RESTART;
  sigemptyset(&sa.sa_mask);
  for (int s : {SIGTERM, SIGHUP, SIGINT}) sigaction(s, &sa, nullptr);
}
