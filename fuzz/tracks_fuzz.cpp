// Arbitrary bytes as tracks.txt, read and then written back.
#include "fuzzutil.h"
#include "prefs/prefs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  FuzzWriteFile("tracks.txt", data, size);
  ReadTracksFile();
  WriteTracksFile();
  return 0;
}
