// Stores the typical benchmark mix as the three files in the current folder,
// for pictures of a program that has recalled it.
#include "app/app.h"
#include "faderfile/faderfile.h"
#include "mixes.h"
#include "stores/stores.h"
#include "prefs/prefs.h"

int main() {
  BuildWindows();
  BuildTypicalMix();
  ClearStoreError();
  StageWriteToFile();
  WriteTracksFile();
  WritePreferencesFile();
  return StoreError[0] ? 1 : 0;
}
