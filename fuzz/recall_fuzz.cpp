// Arbitrary bytes as faders.txt, then the recall: the model stays sane.
#include "faderfile/faderfile.h"
#include "fuzzutil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  std::string text;
  if (!FuzzText("faders.txt", data, size, text)) return 0;
  ReadFaderText(text);
  FuzzCheckModel();
  return 0;
}
