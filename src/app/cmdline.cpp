#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "app/app.h"
#include "check/check.h"
#include "model/model.h"

static const char usage[] =
    "usage: corvessa [FOLDER]\n"
    "       corvessa --check [FOLDER]\n"
    "       corvessa --diff A B\n";
static const char help[] =
    "Edits the mix kept in FOLDER (the current folder if none is given) in\n"
    "faders.txt, prefs.txt and tracks.txt, and runs the tarnell4 engine there.\n"
    "\n"
    "  --check    list what a recall of FOLDER's files would say, as FILE:LINE: text;\n"
    "             exit 0 when nothing, 1 when something, 2 when a file cannot be read\n"
    "  --diff     list what differs between the mixes A and B (two folders, or two\n"
    "             files of the same kind); exit 0 when equal, 1 when not, 2 on trouble\n"
    "  -h, --help show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "See corvessa(1) for the files, the keys and the engine's path.\n";

int ReadCommandLine(int argc, char **argv) {
  const char *arg = argc > 1 ? argv[1] : nullptr;
  if (argc == 2 && (!strcmp(arg, "--help") || !strcmp(arg, "-h"))) {
    fputs(usage, stdout);
    fputs(help, stdout);
    return 0;
  }
  if (argc == 2 && !strcmp(arg, "--version")) {
    puts(CORVESSA_VERSION);
    return 0;
  }
  if (arg && !strcmp(arg, "--check") && argc <= 3) return CheckFolder(argc == 3 ? argv[2] : ".");
  if (arg && !strcmp(arg, "--diff") && (argc == 4 || argc == 9)) return DiffMixes(argc - 2, argv + 2);
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
