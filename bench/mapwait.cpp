// Starts a program and prints the milliseconds from its start until a
// top-level window with the given title is mapped on the display.
//   mapwait TITLE PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: mapwait TITLE PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  Display *d = XOpenDisplay(nullptr);
  if (!d) {
    fprintf(stderr, "mapwait: no display\n");
    return 2;
  }
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, False);

  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid < 0) return 2;
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double ms = -1;
  while (ms < 0) {
    if (!XPending(d)) {
      pollfd p = {ConnectionNumber(d), POLLIN, 0};
      if (poll(&p, 1, 10000) <= 0) break;  // nothing within ten seconds
      continue;
    }
    XEvent e;
    XNextEvent(d, &e);
    if (e.type != MapNotify) continue;
    auto now = std::chrono::steady_clock::now();
    char *name = nullptr;
    if (XFetchName(d, e.xmap.window, &name) && name) {
      if (strcmp(name, argv[1]) == 0) ms = std::chrono::duration<double, std::milli>(now - start).count();
      XFree(name);
    }
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(d);
  if (ms < 0) {
    fprintf(stderr, "mapwait: no window \"%s\" was mapped\n", argv[1]);
    return 1;
  }
  printf("%.1f\n", ms);
  return 0;
}
