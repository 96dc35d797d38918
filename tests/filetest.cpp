#include "filetest.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

void FilesTest::SetUp() {
  char cwd[4096];
  oldDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
  char tmpl[] = "/tmp/corvessa-test-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  dir = tmpl;
  ASSERT_EQ(chdir(dir.c_str()), 0);
  StartUpModel();
  ForgetFiles();
  ClearMessages();
  EchoMessages = true;
}

void FilesTest::TearDown() {
  if (chdir(oldDir.c_str()) != 0) return;
  std::string cmd = "rm -rf '" + dir + "'";
  if (system(cmd.c_str()) != 0) ADD_FAILURE() << "could not remove " << dir;
}

std::string ReadFile(const std::string &name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string &name, const std::string &text) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << text;
}

bool FileExists(const std::string &name) { return access(name.c_str(), F_OK) == 0; }

void Known(const std::string &name) {
  std::string text;
  ReadTextFile(name.c_str(), text, true);  // remembered: the session knows the file
}

std::string Recall(const std::string &file, const std::string &text) {
  return Printed([&] {
    file == "faders.txt" ? ReadFaderText(text) : file == "prefs.txt" ? ReadPrefsText(text) : ReadTracksText(text);
  });
}

std::string Stored(const std::string &file, const std::string &old) {
  return file == "faders.txt" ? FaderText(old) : file == "prefs.txt" ? PrefsText(old) : TracksText();
}

std::string Model() {
  std::string m;
  for (int t = 0; t < NMODELTABLES; t++) {
    const ModelTable &mt = ModelTables[t];
    const char *p = (const char *)mt.address;
    bool text = mt.kind == TEXT;
    for (int i = 0; i < mt.count; i++, p += mt.size) {
      std::string e(p, mt.size);
      if (text) e = std::string(e.c_str()).append(mt.size - strnlen(p, mt.size), '\0');
      m += e;
    }
  }
  return m;
}

std::string ModelBytes() {
  std::string b;
  for (int t = 0; t < NMODELTABLES; t++)
    b.append((const char *)ModelTables[t].address, (size_t)ModelTables[t].size * ModelTables[t].count);
  return b;
}

std::string Changed(const std::string &before) {
  const std::string now = Model();
  std::string what;
  size_t start = 0;
  for (int t = 0; t < NMODELTABLES; t++) {
    const ModelTable &mt = ModelTables[t];
    for (int i = 0; i < mt.count; i++, start += mt.size)
      if (now.compare(start, mt.size, before, start, mt.size) != 0) {
        if (what.size() > 200) return what + ", ...";
        what += (what.empty() ? "" : ", ") + DescribeElement(mt, i);
      }
  }
  return what;
}

std::string Listed() {
  std::string out;
  for (int i = 0; i < MessageCount(); i++)
    out += std::to_string(MessageAt(i).line) + ": " + MessageAt(i).message + "\n";
  return out;
}
