// The carrying-over of foreign lines: whatever the old text, the result is whole
// lines that are not the program's own, and scrubbing it again changes nothing.
#include <cstring>

#include "faderfile/faderfile.h"
#include "fuzzutil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  ClearInternalArrays();
  std::string text(reinterpret_cast<const char *>(data), size);
  std::string prefs = text;
  ScrubPrefs(prefs);
  if (!prefs.empty() && prefs.back() != '\n') abort();
  for (size_t pos = 0; pos < prefs.size();) {
    size_t nl = prefs.find('\n', pos);
    std::string line = prefs.substr(pos, nl - pos);
    std::string first = line.substr(0, line.find('\t'));
    bool key = first.find('\0') == std::string::npos && CheckForKey(first.c_str());
    if (key || first == "end" || line.find_first_not_of('\t') == std::string::npos)
      abort();
    pos = nl + 1;
  }
  std::string again = prefs;
  ScrubPrefs(again);
  if (again != prefs) abort();
  ScrubEffects(text);
  if (text.compare(0, strlen(MixName) + 1, std::string(MixName) + "\n") != 0) abort();
  return 0;
}
