#include <FL/Fl.H>

#include "app/app.h"
#include "effects/effects.h"
#include "model/model.h"

int main(int argc, char **argv) {
  int status = ReadCommandLine(argc, argv);
  if (status >= 0) return status;
  ClearInternalArrays();
  BuildWindows();
  UpdateGUI();
  return Fl::run();
}
