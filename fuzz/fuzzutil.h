// Shared set-up of the fuzz targets: a working folder of their own and a fresh
// model. They link the files' layer alone: no window, no display.
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

#include "model/model.h"
#include "textfile/textfile.h"

inline void FuzzSetUp() {
  static bool done = [] {
    char dir[] = "/tmp/corvessa-fuzz-XXXXXX";
    if (!mkdtemp(dir) || chdir(dir) != 0) abort();
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

// The bytes as a recall takes them from a file: a byte-order mark dropped, and
// false for what is not a text file.
inline bool FuzzText(const char *name, const uint8_t *data, size_t size, std::string &text) {
  FuzzWriteFile(name, data, size);
  return ReadTextFile(name, text) == FILE_OK;
}

// Whatever was read, the model holds only what it can: flags 0 or 1, every text
// ended inside its row.
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
}

// A text that began with the user's own line still holds it after a store.
inline void FuzzCheckKept(const uint8_t *data, size_t size, const std::string &stored, const std::string &mine) {
  if (std::string((const char *)data, std::min(size, mine.size())) != mine) return;
  if (("\n" + stored).find("\n# mine\n") == std::string::npos) abort();
}

#endif
