// Mixes read beside the console, to be compared with it.
#include <cstdio>
#include <sys/stat.h>

#include "faderfile/faderfile.h"
#include "keep/keep.h"
#include "messages/messages.h"
#include "model/model.h"
#include "prefsfile/prefsfile.h"

namespace {

void (*const Readers[NKEPT])(const std::string &) = {ReadFaderText, ReadTracksText, ReadPrefsText};

}  // namespace

std::string MixImage(const MixTexts &texts) {
  if (!texts.console.empty()) return texts.console;
  std::string console = ModelImage();
  int cnl = CNL;
  QuietMessages quiet;
  StartUpModel();
  for (int f = 0; f < NKEPT; f++) {
    std::string stored;
    const std::string *text = texts.given[f] ? &texts.text[f] : &stored;
    if (!texts.given[f] && ReadTextFile(KeptFiles[f], stored) != FILE_OK) stored.clear();
    if (!text->empty()) Readers[f](*text);
  }
  std::string image = ModelImage();
  SetModelImage(console);
  CNL = cnl;
  return image;
}

std::string FilesStamp() {
  std::string s;
  for (const char *f : KeptFiles) {
    struct stat st;
    if (stat(f, &st) != 0) st = {};
    char one[128];
    snprintf(one, sizeof one, "%lu %lld %lld.%09ld %lld.%09ld;", (unsigned long)st.st_ino, (long long)st.st_size,
             (long long)st.st_mtim.tv_sec, st.st_mtim.tv_nsec, (long long)st.st_ctim.tv_sec, st.st_ctim.tv_nsec);
    s += one;
  }
  return s;
}

const std::string &StoredImage() {
  static std::string image, stamp;
  std::string now = FilesStamp();
  if (image.empty() || now != stamp) image = MixImage(MixTexts()), stamp = now;
  return image;
}

size_t CompareList(const std::string &a, const std::string &b, std::vector<std::string> &lines,
                   std::vector<ModelPlace> &places, size_t limit) {
  size_t all = 0, listed = 0;
  for (int file : {FADER_FILE, TRACKS_FILE, PREFS_FILE}) {
    std::vector<std::string> found;
    std::vector<ModelPlace> at;
    size_t n = Differences(a, b, found, limit - listed, file, &at);
    if (!n) continue;
    const char *name = KeptFiles[file == FADER_FILE ? KEPT_FADERS : file == TRACKS_FILE ? KEPT_TRACKS : KEPT_PREFS];
    lines.push_back(std::string(name) + ": " + std::to_string(n) + (n == 1 ? " difference" : " differences"));
    places.push_back({-1, -1});
    lines.insert(lines.end(), found.begin(), found.end());
    places.insert(places.end(), at.begin(), at.end());
    all += n, listed += found.size();
  }
  if (all > listed) {
    lines.push_back("... and " + std::to_string(all - listed) + " more");
    places.push_back({-1, -1});
  }
  return all;
}
