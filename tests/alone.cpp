// The files' layer alone, linked with no toolkit and run with no display: a mix
// stored, read back into a fresh model and stored again gives the same bytes.
#include <cstdio>
#include <string>

#include "faderfile/faderfile.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"
#include "textfile/textfile.h"

namespace {

std::string (*const writers[])(const std::string &) = {
    FaderText, PrefsText, [](const std::string &) { return TracksText(); }};
void (*const readers[])(const std::string &) = {ReadFaderText, ReadPrefsText, ReadTracksText};
const char *const names[] = {"faders.txt", "prefs.txt", "tracks.txt"};

bool storeAll(std::string *texts) {
  for (int f = 0; f < 3; f++) {
    texts[f] = writers[f]("");
    size_t written;
    if (ReplaceFile(names[f], texts[f].data(), texts[f].size(), &written) != WRITE_OK) return false;
  }
  return true;
}

}  // namespace

int main() {
  StartUpModel();
  CopyName(MixName, "Alone", sizeof MixName);
  CopyName(NameBuffer[1], "Kick", sizeof NameBuffer[1]);
  IndexActiveArray[3] = ChanActive[Entry(1, 3)] = 1, Volume[Entry(1, 3)] = -6;
  Pcomp[1 * NGROUPS] = 1, SubOn[1] = SubAsn[1] = 1, PanlawStore = 4.5f;
  std::string first[3], second[3];
  if (!storeAll(first)) return 1;
  StartUpModel();
  for (int f = 0; f < 3; f++) {
    std::string text;
    if (ReadTextFile(names[f], text) != FILE_OK) return 1;
    readers[f](text);
  }
  if (!storeAll(second)) return 1;
  for (int f = 0; f < 3; f++) {
    std::string stored;
    if (first[f] != second[f] || ReadTextFile(names[f], stored) != FILE_OK || stored != second[f]) {
      fprintf(stderr, "%s differs after a recall\n", names[f]);
      return 1;
    }
  }
  puts("stored and read back without a window");
  return 0;
}
