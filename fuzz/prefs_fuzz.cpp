// Arbitrary bytes as prefs.txt, read and then written back: the model stays sane
// and a first line of the user's own is kept.
#include "fuzzutil.h"
#include "stores/stores.h"
#include "prefs/prefs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  FuzzWriteFile("prefs.txt", data, size);
  ReadPreferencesFile();
  FuzzCheckModel();
  WritePreferencesFile();
  FuzzCheckKept(data, size, "prefs.txt", "# mine\n");
  return 0;
}
