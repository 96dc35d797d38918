// The program's start-up under the locale that the environment names, then a
// recall and a store of all three files. Run once under LC_ALL=C and once
// under a comma-decimal locale, the files must come out the same bytes.
//   locale_run        the start-up of the program itself, which sets no locale
//   locale_run env    the whole environment's locale taken first, as a library may
#include <FL/Fl.H>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "app/app.h"
#include "stores/stores.h"
#include "effects/effects.h"
#include "model/model.h"

namespace {

void write(const char *name, const char *text) { std::ofstream(name, std::ios::binary) << text; }

}  // namespace

int main(int argc, char **argv) {
  if (argc > 1 && !strcmp(argv[1], "env")) setlocale(LC_ALL, "");
  ClearInternalArrays();
  BuildWindows();  // opens the display, which may set the locale's character type
  UpdateGUI();
  Fl::check();

  write("faders.txt",
        "Locale Mix\n# note 1,5 and 2.5\ncomp\t3\t-20.5\t4.25\t50\t1.5\nrev\t3\t-10.5\n"
        "rtn\t-3.5\t150.5\nwidth\t99.5\npos\t37.4\t39\t43\np\t3\t-25\nt\t1\t2.5\t250\n"
        "v\t3\t-6.25\nofs\t0.125\nrmp\t1.5\nshape\t2.5\ninc\t1.75\nv\tG\t2\t-0.5\nend\n");
  write("prefs.txt",
        "pre\ton\nstart\t1.000\t2.500\t250\nlength\t30.500\nxin\t0.000\t1.250\t0.000\n"
        "head\t1.500\ntail\t0.250\npan\t4.5\noutbits\t16\ndither\t3\ncolor\t100\n# 1,5\nend\n");
  write("tracks.txt", "1 Kick 1,5 +\n2 Snare off\n3 Vox ++\nend\n");
  RecallAll();
  SaveAll();

  char probe[16];
  snprintf(probe, sizeof probe, "%.1f", 0.5);
  printf("printf: %s\nstatus: %s\n", probe, tbuffer);
  return 0;
}
