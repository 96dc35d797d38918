// Arbitrary bytes as faders.txt, then the full recall and refresh: the model stays sane.
#include "faderfile/faderfile.h"
#include "fuzzutil.h"
#include "stores/stores.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  FuzzWriteFile("faders.txt", data, size);
  StageReadFromFile();
  FuzzCheckModel();
  return 0;
}
