#include "app/app.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "model/model.h"

static const char usage[] = "usage: corvessa [FOLDER]\n";
static const char help[] =
    "Edits the mix kept in FOLDER (the current folder if none is given) in\n"
    "faders.txt, prefs.txt and tracks.txt, and runs the tarnell4 engine there.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "See corvessa(1) for the files, the keys and the engine's path.\n";

int ReadCommandLine(int argc, char **argv) {
  const char *arg = argc > 1 ? argv[1] : nullptr;
  if (argc == 2 && !strcmp(arg, "--help")) {
    printf("%s%s", usage, help);
    return 0;
  }
  if (argc == 2 && !strcmp(arg, "--version")) {
    puts(CORVESSA_VERSION);
    return 0;
  }
  if (argc > 2 || (arg && arg[0] == '-')) {
    fputs(usage, stderr);
    return 2;
  }
  if (arg && chdir(arg) != 0) {
    fprintf(stderr, "corvessa: cannot work in \"%s\": %s\n", arg, strerror(errno));
    return 2;
  }
  return -1;
}
