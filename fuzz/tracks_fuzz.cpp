// Arbitrary bytes as tracks.txt, read and then written back: the model stays sane.
#include "fuzzutil.h"
#include "stores/stores.h"
#include "prefs/prefs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  FuzzWriteFile("tracks.txt", data, size);
  ReadTracksFile();
  FuzzCheckModel();
  WriteTracksFile();
  return 0;
}
