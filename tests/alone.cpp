// The files' layer alone, linked with no toolkit and run with no display: a mix
// stored, read back into a fresh model and stored again gives the same bytes.
#include <cstdio>
#include <string>

#include "faderfile/faderfile.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"
#include "textfile/textfile.h"

int main() {
  std::string (*const writers[])(const std::string &) = {
      FaderText, PrefsText, [](const std::string &) { return TracksText(); }};
  void (*const readers[])(const std::string &) = {ReadFaderText, ReadPrefsText, ReadTracksText};
  const char *const names[] = {"faders.txt", "prefs.txt", "tracks.txt"};
  StartUpModel();
  CopyName(MixName, "Alone", sizeof MixName);
  CopyName(NameBuffer[1], "Kick", sizeof NameBuffer[1]);
  IndexActiveArray[3] = ChanActive[Entry(1, 3)] = 1, Volume[Entry(1, 3)] = -6;
  Pcomp[1 * NGROUPS] = 1, SubOn[1] = SubAsn[1] = 1, PanlawStore = 4.5f;
  std::string first[3];
  size_t written;
  for (int f = 0; f < 3; f++) {
    first[f] = writers[f]("");
    if (ReplaceFile(names[f], first[f].data(), first[f].size(), &written) != WRITE_OK) return 1;
  }
  StartUpModel();
  for (int f = 0; f < 3; f++) {
    std::string text;
    if (ReadTextFile(names[f], text) != FILE_OK) return 1;
    readers[f](text);
  }
  for (int f = 0; f < 3; f++)
    if (writers[f]("") != first[f]) return fprintf(stderr, "%s differs after a recall\n", names[f]), 1;
  puts("stored and read back without a window");
}
