// Stores a benchmark mix as the three files in the current folder, for pictures
// of a program that has recalled it and for the timing of --check and --diff:
//   corvessa_writemix [typical | largest | largest-other]
// "largest-other" is the largest mix with every entry's volume changed.
#include <cstring>

#include "faderfile/faderfile.h"
#include "mixes.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"
#include "textfile/textfile.h"

int main(int argc, char **argv) {
  const char *which = argc > 1 ? argv[1] : "typical";
  if (!strcmp(which, "typical"))
    BuildTypicalMix();
  else
    BuildMaximalMix();
  if (!strcmp(which, "largest-other"))
    for (float &v : Volume) v -= 0.5f;
  const std::string texts[] = {FaderText(""), PrefsText(""), TracksText()};
  const char *names[] = {"faders.txt", "prefs.txt", "tracks.txt"};
  for (int f = 0; f < 3; f++) {
    size_t written;
    if (ReplaceFile(names[f], texts[f].data(), texts[f].size(), &written) != WRITE_OK) return 1;
  }
  return 0;
}
