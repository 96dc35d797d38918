// Arbitrary bytes as prefs.txt, read and then written back.
#include "fuzzutil.h"
#include "prefs/prefs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  FuzzWriteFile("prefs.txt", data, size);
  ReadPreferencesFile();
  WritePreferencesFile();
  return 0;
}
