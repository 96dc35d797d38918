// Recall arbitrary bytes and store: a line of the user's own is kept. Then twice
// more reset, recall and store: the last two stores are the same bytes. (The first may differ from them: a file
// can hold values that the writer rounds to a default and then leaves out, such
// as a pan of 0.3, written "0" and not written again, or a width of 120, which
// is not written, so the next recall keeps the width of the reset model.)
#include "faderfile/faderfile.h"
#include "fuzzutil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzSetUp();
  std::string text, stores[3];
  if (!FuzzText("faders.txt", data, size, text)) return 0;
  for (std::string &store : stores) {
    if (!text.empty()) ReadFaderText(text);  // a recall reads nothing from an empty file
    store = text = FaderText(text);
    if (&store == stores) FuzzCheckKept(data, size, store, "Hostile\n# mine\n");
    ClearInternalArrays();
  }
  if (stores[1] != stores[2]) {
    fprintf(stderr, "stores differ:\n--- second\n%s\n--- third\n%s\n", stores[1].c_str(),
            stores[2].c_str());
    abort();
  }
  return 0;
}
