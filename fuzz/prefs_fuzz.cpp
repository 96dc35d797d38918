// Arbitrary bytes as prefs.txt, read and then written back: the model stays sane
// and a first line of the user's own is kept.
#include "fuzzutil.h"
#include "prefsfile/prefsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  std::string text;
  if (!FuzzText("prefs.txt", data, size, text)) return 0;
  ReadPrefsText(text);
  FuzzCheckModel();
  FuzzCheckKept(data, size, PrefsText(text), "# mine\n");
  return 0;
}
