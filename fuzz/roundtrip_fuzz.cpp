// Recall arbitrary bytes, store, reset, recall, store: the two stores are the same bytes.
#include "faderfile/faderfile.h"
#include "fuzzutil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  FuzzWriteFile("faders.txt", data, size);
  StageReadFromFile();
  StageWriteToFile();
  std::string first = FuzzReadFile("faders.txt");
  ClearInternalArrays();
  StageReadFromFile();
  StageWriteToFile();
  std::string second = FuzzReadFile("faders.txt");
  if (first != second) {
    fprintf(stderr, "stores differ:\n--- first\n%s\n--- second\n%s\n", first.c_str(), second.c_str());
    abort();
  }
  return 0;
}
