// Shared set-up of the fuzz targets: a working folder of their own, the seven
// windows built once (so that a recall refreshes real widgets), a fresh model.
#ifndef CORVESSA_FUZZUTIL_H
#define CORVESSA_FUZZUTIL_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/app.h"
#include "model/model.h"

inline void FuzzSetUp() {
  static bool done = [] {
    char dir[] = "/tmp/corvessa-fuzz-XXXXXX";
    if (!mkdtemp(dir) || chdir(dir) != 0) abort();
    BuildWindows();
    return true;
  }();
  (void)done;
  ClearInternalArrays();
}

inline void FuzzWriteFile(const char *name, const uint8_t *data, size_t size) {
  FILE *f = fopen(name, "wb");
  if (!f) abort();
  if (size && fwrite(data, 1, size, f) != size) abort();
  fclose(f);
}

inline std::string FuzzReadFile(const char *name) {
  std::string text;
  FILE *f = fopen(name, "rb");
  if (!f) return text;
  char buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  fclose(f);
  return text;
}

#endif
