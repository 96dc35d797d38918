// Shared test fixture: the seven windows built once per process, a fresh model
// and a fresh working directory for every test.
#ifndef CORVESSA_TESTUTIL_H
#define CORVESSA_TESTUTIL_H

#include <gtest/gtest.h>

#include <string>

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string dir;  // the test's working directory

 private:
  std::string oldDir;
};

// Whole files, byte for byte.
std::string ReadFile(const std::string &name);
void WriteFile(const std::string &name, const std::string &text);
bool FileExists(const std::string &name);
// Temporary files a store left behind in the working directory ("faders.txt.XXXXXX").
int TemporaryFiles();

// The status line as shown.
std::string Status();

// Runs a widget's callback as the toolkit would.
class Fl_Widget;
void Fire(Fl_Widget *w);

#endif
