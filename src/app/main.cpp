#include <FL/Fl.H>

#include "app/app.h"
#include "effects/effects.h"
#include "keys/keys.h"
#include "model/model.h"
#include "undo/undo.h"

int main() {
  ClearInternalArrays();
  BuildWindows();
  UpdateGUI();
  StartJournal();
  StartKeys();
  Fl::add_check([](void *) { RecordStep(); });
  return Fl::run();
}
