#include <FL/Fl.H>

#include "app/app.h"
#include "effects/effects.h"
#include "model/model.h"
#include "undo/undo.h"

int main() {
  ClearInternalArrays();
  BuildWindows();
  UpdateGUI();
  StartJournal();
  Fl::add_check([](void *) { RecordStep(); });
  return Fl::run();
}
