#include "check/check.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "compare/compare.h"
#include "faderfile/faderfile.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"
#include "textfile/textfile.h"

namespace {

// The three files in the order "Recall All" reads them, and their readers.
const char *const Names[] = {"faders.txt", "tracks.txt", "prefs.txt"};
void (*const Readers[])(const std::string &) = {ReadFaderText, ReadTracksText, ReadPrefsText};
enum { NFILES = 3 };

bool isFolder(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string inFolder(std::string folder, const char *name) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder == "." ? name : folder + "/" + name;
}

// The kind of file a path names, by its name; -1 for none.
int kindOf(const std::string &path) {
  for (int f = 0; f < NFILES; f++) {
    size_t n = strlen(Names[f]);
    if (path.size() >= n && path.compare(path.size() - n, n, Names[f]) == 0) return f;
  }
  return -1;
}

void complain(const std::string &path, const char *why) {
  fprintf(stderr, "corvessa: %s %s\n", path.c_str(), why);
}

// Reads the file of kind f at path into the model as a recall does; text keeps
// what was read. A missing file counts as empty unless it must exist. False, said
// on standard error, when it cannot be read.
bool readFile(int f, const std::string &path, std::string &text, bool mustExist) {
  text.clear();
  if (path == "/dev/null") return true;  // git's side of a file that is not there
  int state = f == 0 ? LoadFaderText(path.c_str(), text, false) : ReadTextFile(path.c_str(), text);
  switch (state) {
    case FILE_OK:
      if (!text.empty()) Readers[f](text);  // an empty faders.txt is noted, not read
      return true;
    case FILE_MISSING:
      if (!mustExist) return true;
      complain(path, "does not exist");
      return false;
    case FILE_TOO_LARGE: complain(path, "is too large to read"); return false;
    case FILE_NOT_TEXT: complain(path, "is not a text file Corvessa can read"); return false;
    default: complain(path, "cannot be read"); return false;
  }
}

// A fresh start-up model with what the paths hold laid over it; path[f] empty for a
// file not given. texts: what each file held.
bool readMix(const std::string *paths, bool mustExist, std::string *texts) {
  StartUpModel();
  ClearMessages();
  bool ok = true;
  for (int f = 0; f < NFILES; f++)
    if (!paths[f].empty()) ok = readFile(f, paths[f], texts[f], mustExist) && ok;
  return ok;
}

void print(const std::vector<std::string> &lines) {
  std::string out;
  for (const std::string &l : lines) out += l + '\n';
  fwrite(out.data(), 1, out.size(), stdout);
  fflush(stdout);
}

}  // namespace

int CheckFolder(const char *folder) {
  if (!isFolder(folder)) {
    complain(folder, "is not a folder Corvessa can read");
    return 2;
  }
  EchoMessages = false;
  std::string paths[NFILES], texts[NFILES];
  bool any = false;
  for (int f = 0; f < NFILES; f++) {
    paths[f] = inFolder(folder, Names[f]);
    struct stat st;
    any = any || stat(paths[f].c_str(), &st) == 0;
  }
  if (!any) {
    complain(folder, "holds no faders.txt, prefs.txt or tracks.txt");
    return 2;
  }
  bool ok = readMix(paths, false, texts);
  std::vector<std::string> lines;
  for (int i = 0; i < MessageCount(); i++) {
    const MessageEntry &m = MessageAt(i);
    std::string where = inFolder(folder, m.file);
    if (m.line) where += ":" + std::to_string(m.line);
    lines.push_back(where + ": " + m.message);
  }
  print(lines);
  return !ok ? 2 : lines.empty() ? 0 : 1;
}

int DiffMixes(int argc, const char *const *argv) {
  bool git = argc == 7;
  if (argc != 2 && !git) return 2;
  std::string side[2] = {argv[git ? 1 : 0], argv[git ? 4 : 1]};
  EchoMessages = false;
  bool folders = isFolder(side[0]) && isFolder(side[1]);
  int kind = kindOf(git ? argv[0] : side[side[0] == "/dev/null"]);
  if (!folders && (kind < 0 || (!git && kindOf(side[1]) != kind))) {
    fprintf(stderr, "corvessa: compare two mix folders, or two files of the same kind "
                    "(faders.txt, prefs.txt or tracks.txt)\n");
    return 2;
  }
  std::string images[2], texts[2][NFILES];
  for (int s = 0; s < 2; s++) {
    std::string paths[NFILES];
    for (int f = 0; f < NFILES; f++)
      if (folders || f == kind) paths[f] = folders ? inFolder(side[s], Names[f]) : side[s];
    if (!readMix(paths, !folders, texts[s])) return 2;
    images[s] = ModelImage();
  }
  std::vector<std::string> lines;
  Differences(images[0], images[1], lines);
  for (int f = 0; f < NFILES; f++) LineDifferences(Names[f], texts[0][f], texts[1][f], lines);
  if (git && !lines.empty()) lines.insert(lines.begin(), std::string("diff --corvessa a/") + argv[0] + " b/" + argv[0]);
  print(lines);
  return lines.empty() || git ? 0 : 1;
}
