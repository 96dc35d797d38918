#include <FL/Fl.H>

#include "app/app.h"
#include "effects/effects.h"
#include "model/model.h"

int main() {
  ClearInternalArrays();
  BuildWindows();
  UpdateGUI();
  return Fl::run();
}
