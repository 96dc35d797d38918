#include "testutil.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Widget.H>
#include <cstdlib>
#include <dirent.h>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/app.h"
#include "effects/effects.h"
#include "model/model.h"

void ConsoleTest::SetUp() {
  char cwd[4096];
  oldDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
  char tmpl[] = "/tmp/corvessa-test-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  dir = tmpl;
  ASSERT_EQ(chdir(dir.c_str()), 0);
  static bool built = (BuildWindows(), true);
  (void)built;
  ClearInternalArrays();
  snprintf(tbuffer, sizeof tbuffer, "%s", "Corvessa 1.065");
  UpdateGUI();
}

void ConsoleTest::TearDown() {
  if (chdir(oldDir.c_str()) != 0) return;
  std::string cmd = "rm -rf '" + dir + "'";
  if (system(cmd.c_str()) != 0) ADD_FAILURE() << "could not remove " << dir;
}

std::string ReadFile(const std::string &name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string &name, const std::string &text) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << text;
}

bool FileExists(const std::string &name) {
  struct stat st;
  return stat(name.c_str(), &st) == 0;
}

std::string Status() {
  const char *v = TextResponse ? TextResponse->value() : nullptr;
  return v ? v : "";
}

void Fire(Fl_Widget *w) { w->do_callback(); }

int TemporaryFiles() {
  int n = 0;
  DIR *d = opendir(".");
  while (dirent *e = readdir(d)) n += strstr(e->d_name, ".txt.") != nullptr;
  closedir(d);
  return n;
}
