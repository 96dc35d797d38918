#include <FL/Fl.H>

#include <csignal>

#include "app/app.h"
#include "effects/effects.h"
#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "messages/messages.h"
#include "model/model.h"
#include "stores/stores.h"
#include "undo/undo.h"

int main(int argc, char **argv) {
  signal(SIGPIPE, SIG_IGN);  // a closed standard output ends nothing: what it misses the Messages window has
  int status = ReadCommandLine(argc, argv);
  if (status >= 0) return status;
  ClearInternalArrays();
  BuildWindows();
  UpdateGUI();
  StartHistory();
  // A folder given opens its mix; the console then holds what its files hold.
  if (argc > 1 && FolderHoldsMix()) RevertAll();
  StartJournal();
  OfferRecovery();
  StartKeys();
  CatchSignals();
  Fl::add_check([](void *) { AfterEvent(); });
  Fl::run();
  ProgramExit();  // the last window was closed
}
