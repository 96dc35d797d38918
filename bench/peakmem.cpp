// Peak resident memory of the program after it has stored and recalled the largest mix.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "app/app.h"
#include "faderfile/faderfile.h"
#include "mixes.h"
#include "model/model.h"
#include "stores/stores.h"

int main() {
  char dir[] = "/tmp/corvessa-peakmem-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  ClearInternalArrays();
  BuildWindows();
  BuildMaximalMix();
  StageWriteToFile();
  StageWriteToFile();  // the second store also scrubs the old file
  StageReadFromFile();
  long bytes = (long)reserve_fbuff.size();
  struct rusage ru;
  getrusage(RUSAGE_SELF, &ru);
  double mib = ru.ru_maxrss / 1024.0;
  printf("peak resident memory after storing and recalling %ld bytes of faders.txt: %.1f MiB;"
         " target <= 40 MiB\n", bytes, mib);
  std::string cmd = std::string("rm -rf ") + dir;
  if (system(cmd.c_str()) != 0) return 1;
  return mib <= 40 ? 0 : 2;
}
