// Stand-in for the mixing engine: reads the three files from the current
// directory, prints one summary line per file and one progress line per cue in
// use, and fails when a file is missing or has no "end" line. TARNELL4_DELAY
// (seconds, may be fractional) makes it take that long over each cue.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/model.h"

namespace {

std::vector<std::string> cueTimes;  // "0:12.500", as the cue holds it
double minutes, seconds, msecs;     // the last time: of a "t" record, plus an "inc" one's seconds

bool summarise(const char *name, bool countCues) {
  std::ifstream in(name, std::ios::binary);
  if (!in) {
    fprintf(stderr, "tarnell4: %s is missing\n", name);
    return false;
  }
  std::stringstream ss;
  ss << in.rdbuf();
  std::string text = ss.str(), line;
  std::istringstream lines(text);
  long records = 0;
  bool end = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "end") {
      end = true;
      break;
    }
    std::string first = line.substr(0, line.find_first_of("\t "));
    if (first.empty()) continue;
    records++;
    if (countCues && (first == "t" || first == "inc")) {
      const char *f = line.c_str() + first.size();
      char *end;
      if (first == "t") {
        minutes = strtod(f, &end);
        seconds = strtod(end, &end);
        msecs = strtod(end, &end);
      } else {
        seconds += strtod(f, &end);
      }
      cueTimes.push_back(CueTimeText(minutes, seconds, msecs));
    }
  }
  if (!end) {
    fprintf(stderr, "tarnell4: %s has no end line\n", name);
    return false;
  }
  if (countCues)
    printf("%s: %zu bytes, %ld records, %zu cues in use\n", name, text.size(), records, cueTimes.size());
  else
    printf("%s: %zu bytes, %ld records\n", name, text.size(), records);
  return true;
}

}  // namespace

int main() {
  setvbuf(stdout, nullptr, _IOLBF, 0);  // each line as it is printed, also into a pipe
  bool ok = summarise("faders.txt", true);
  ok = summarise("prefs.txt", false) && ok;
  ok = summarise("tracks.txt", false) && ok;
  if (!ok) return 1;
  const char *d = getenv("TARNELL4_DELAY");
  double delay = d ? atof(d) : 0;
  if (!(delay > 0 && delay < 3600)) delay = 0;
  timespec pause = {(time_t)delay, (long)((delay - (time_t)delay) * 1e9)};
  for (size_t i = 0; i < cueTimes.size(); i++) {
    printf("cue %zu of %zu at %s\n", i + 1, cueTimes.size(), cueTimes[i].c_str());
    if (delay > 0) nanosleep(&pause, nullptr);
  }
  printf("mixed %zu cues\n", cueTimes.size());
  return 0;
}
