// Stand-in for the mixing engine: reads the three files from the current
// directory, prints one summary line per file, and fails when one is missing
// or has no "end" line.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

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
  long records = 0, cues = 0;
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
    if (countCues && (first == "t" || first == "inc")) cues++;
  }
  if (!end) {
    fprintf(stderr, "tarnell4: %s has no end line\n", name);
    return false;
  }
  if (countCues)
    printf("%s: %zu bytes, %ld records, %ld cues in use\n", name, text.size(), records, cues);
  else
    printf("%s: %zu bytes, %ld records\n", name, text.size(), records);
  return true;
}

}  // namespace

int main() {
  bool ok = summarise("faders.txt", true);
  ok = summarise("prefs.txt", false) && ok;
  ok = summarise("tracks.txt", false) && ok;
  return ok ? 0 : 1;
}
