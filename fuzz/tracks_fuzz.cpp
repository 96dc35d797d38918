// Arbitrary bytes as tracks.txt, read and then written back: the model stays sane.
#include "fuzzutil.h"
#include "prefsfile/prefsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  std::string text;
  if (!FuzzText("tracks.txt", data, size, text)) return 0;
  ReadTracksText(text);
  FuzzCheckModel();
  TracksText();
  FuzzCheckModel();
  return 0;
}
