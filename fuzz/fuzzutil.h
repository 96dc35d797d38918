// Shared set-up of the fuzz targets: a working folder of their own, the seven
// windows built once (so that a recall refreshes real widgets), a fresh model.
#ifndef CORVESSA_FUZZUTIL_H
#define CORVESSA_FUZZUTIL_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// Whatever was read, the model holds only what it can: flags 0 or 1, every text
// ended inside its row, the colour a colour.
inline void FuzzCheckModel() {
  auto flags = [](const int *t, size_t n) {
    for (size_t i = 0; i < n; i++)
      if (t[i] & ~1) abort();
  };
  flags(ChanActive, sizeof ChanActive / sizeof(int));
  flags(IndexActiveArray, NCUES), flags(MuteArray, NSLOTS), flags(SoloArray, NSLOTS);
  flags(SubAsn, sizeof SubAsn / sizeof(int)), flags(VcaAsn, sizeof VcaAsn / sizeof(int));
  for (const char *t : CueNameBuffer)
    if (strnlen(t, sizeof CueNameBuffer[0]) == sizeof CueNameBuffer[0]) abort();
  for (const char *t : NameBuffer)
    if (strnlen(t, sizeof NameBuffer[0]) == sizeof NameBuffer[0]) abort();
  for (const char *t : {Path, WavDirName, MixDirName, LaunchCommand})
    if (strnlen(t, 256) == 256) abort();
  if (strnlen(MixName, sizeof MixName) == sizeof MixName) abort();
  if (strnlen(DeviceName, sizeof DeviceName) == sizeof DeviceName) abort();
  if (color > 255) abort();
}

// A file that began with the user's own line still holds it after a store.
inline void FuzzCheckKept(const uint8_t *data, size_t size, const char *name, const std::string &mine) {
  if (std::string((const char *)data, std::min(size, mine.size())) != mine) return;
  std::string stored = "\n" + FuzzReadFile(name);
  if (stored.find("\n# mine\n") == std::string::npos) abort();
}

#endif
