// Tests of the files' layer: a fresh start-up model and a working folder of its
// own for every test, whole files byte for byte, and the model compared. No window.
#ifndef CORVESSA_FILETEST_H
#define CORVESSA_FILETEST_H

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "faderfile/faderfile.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"
#include "textfile/textfile.h"

class FilesTest : public ::testing::Test {
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
// The session knows the file as it now stands, as if it had recalled it.
void Known(const std::string &name);

// What f printed on standard output.
template <class F>
std::string Printed(F f) {
  testing::internal::CaptureStdout();
  f();
  return testing::internal::GetCapturedStdout();
}
// The text functions of the file named "faders.txt", "prefs.txt" or "tracks.txt":
// Recall lays text over the model as a recall does and returns what the reader
// printed; Stored is the text a store writes over a file that holds old.
std::string Recall(const std::string &file, const std::string &text);
std::string Stored(const std::string &file, const std::string &old = "");

// The messages listed since the test began, one a line: "LINE: message" ("0: " for a file's).
std::string Listed();

// The whole model, table after table, texts only up to their ends.
std::string Model();
// The same byte for byte, what lies past the end of a text included.
std::string ModelBytes();
// The elements in which the model differs from a Model() taken before, in the
// user's words ("volume of channel 13 at time index 5, pan of channel 2"); "" for none.
std::string Changed(const std::string &before);
// n elements of a table from p on, to compare with a list.
using Floats = std::vector<float>;
inline Floats Row(const float *p, int n) { return Floats(p, p + n); }
using Ints = std::vector<int>;

#endif
