#include "places/places.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "status/status.h"

namespace {

const int GAP = 4;  // between the control window's frame and another's

Places remembered;
bool loaded;
std::set<Fl_Window *> placed;  // shown in this session

int overlap(const Place &a, const Place &b) {
  int w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
  int h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

// v moved into lo..hi as far as a length n allows.
int within(int v, int n, int lo, int hi) { return std::max(lo, std::min(v, hi - n)); }

void load() {
  if (loaded) return;
  loaded = true;
  std::string file = PlacesFile(), text;
  if (FILE *f = file.empty() ? nullptr : fopen(file.c_str(), "r")) {
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, f)) > 0 && text.size() < 65536;)
      text.append(buffer, n);
    fclose(f);
  }
  remembered = ReadPlacesText(text);
}

// The frame's sizes around a window's inside, as the control window has them.
void border(int &side, int &top) {
  Fl_Window *c = ControlWindow;
  side = top = 0;
  if (!c || !c->shown()) return;
  side = std::max(0, (c->decorated_w() - c->w()) / 2);
  top = std::max(0, c->decorated_h() - c->h() - side);
}

}  // namespace

std::string PlacesText(const Places &places) {
  std::string text = "# Corvessa's windows: x y width height title\n";
  for (const auto &p : places) {
    char line[64];
    snprintf(line, sizeof line, "%d %d %d %d ", p.second.x, p.second.y, p.second.w, p.second.h);
    text += line + p.first + "\n";
  }
  return text;
}

Places ReadPlacesText(const std::string &text) {
  Places places;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    Place p;
    int title = 0;
    if (sscanf(line.c_str(), "%d %d %d %d %n", &p.x, &p.y, &p.w, &p.h, &title) == 4 && title > 0 &&
        p.w > 0 && p.h > 0 && p.w <= 100000 && p.h <= 100000 && std::abs(p.x) <= 100000 &&
        std::abs(p.y) <= 100000 && line[title])
      places[line.substr(title)] = p;
  }
  return places;
}

std::string PlacesFile() {
  const char *config = getenv("XDG_CONFIG_HOME"), *home = getenv("HOME");
  if (config && config[0] == '/') return std::string(config) + "/corvessa/windows";
  if (home && home[0] == '/') return std::string(home) + "/.config/corvessa/windows";
  return "";
}

Place PlaceBeside(const Place &c, const Place &s, int w, int h) {
  const Place tries[] = {{c.x + c.w + GAP, within(c.y, h, s.y, s.y + s.h), w, h},
                         {within(c.x, w, s.x, s.x + s.w), c.y + c.h + GAP, w, h},
                         {c.x - GAP - w, within(c.y, h, s.y, s.y + s.h), w, h},
                         {within(c.x, w, s.x, s.x + s.w), c.y - GAP - h, w, h}};
  Place best = tries[0];
  int least = -1;
  for (const Place &t : tries) {
    if (t.x >= s.x && t.y >= s.y && t.x + w <= s.x + s.w && t.y + h <= s.y + s.h) return t;
    Place in = {within(t.x, w, s.x, s.x + s.w), within(t.y, h, s.y, s.y + s.h), w, h};
    int covered = overlap(in, c);
    if (least < 0 || covered < least) best = in, least = covered;
  }
  return best;
}

void PlaceWindow(Fl_Window *w) {
  if (!w || !w->label() || placed.count(w) || (w != ControlWindow && !w->shown())) return;
  placed.insert(w);
  load();
  auto r = remembered.find(w->label());
  int side, top, sx, sy, sw, sh;
  if (r != remembered.end()) {
    const Place &p = r->second;
    Fl::screen_work_area(sx, sy, sw, sh, p.x + p.w / 2, p.y + p.h / 2);
    bool sized = w->resizable() != nullptr;  // a window of fixed size keeps it
    int pw = sized ? std::min(p.w, sw) : w->w(), ph = sized ? std::min(p.h, sh) : w->h();
    w->resize(within(p.x, pw, sx, sx + sw), within(p.y, ph, sy, sy + sh), pw, ph);
    return;
  }
  Fl_Window *c = ControlWindow;
  if (w == c || !c || !c->shown()) return;  // the control window: where the window manager puts it
  border(side, top);
  Place control = {c->x() - side, c->y() - top, c->w() + 2 * side, c->h() + top + side};
  Fl::screen_work_area(sx, sy, sw, sh, c->x() + c->w() / 2, c->y() + c->h() / 2);
  Place p = PlaceBeside(control, {sx, sy, sw, sh}, w->w() + 2 * side, w->h() + top + side);
  w->position(p.x + side, p.y + top);
}

void RememberPlaces() {
  std::string file = PlacesFile();
  if (file.empty()) return;
  load();
  for (Fl_Window *w : placed) remembered[w->label()] = {w->x(), w->y(), w->w(), w->h()};
  // The folder, and a whole file put in place at once; a failure loses nothing but places.
  for (size_t slash = 1; (slash = file.find('/', slash)) != std::string::npos; slash++)
    mkdir(file.substr(0, slash).c_str(), 0755);
  std::string temporary = file + ".XXXXXX", text = PlacesText(remembered);
  int fd = mkstemp(&temporary[0]);
  if (fd < 0) return;
  bool written = write(fd, text.data(), text.size()) == (ssize_t)text.size();
  if (close(fd) == 0 && written && rename(temporary.c_str(), file.c_str()) == 0) return;
  unlink(temporary.c_str());
}
