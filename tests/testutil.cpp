#include "testutil.h"

#include <dirent.h>
#include <sstream>

void ConsoleTest::SetUp() {
  FilesTest::SetUp();
  setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);  // no window places of the user's
  [[maybe_unused]] static bool built = (BuildWindows(), StartUpModel(), true);
  snprintf(tbuffer, sizeof tbuffer, "%s", "Corvessa 1.065");
  // The windows outlive a test: put back the controls that choose what they show.
  for (Fl_Spinner *s : {RegularNum, GroupNum, Bank, TimeIndex, SubBank, VcaBank}) s->value(1);
  SelectRegularChannel->value(1), SelectGroupChannel->value(0), SelectMasterChannel->value(0);
  UpdateGUI();
}

int TemporaryFiles() {
  int n = 0;
  DIR *d = opendir(".");
  while (dirent *e = readdir(d)) n += strstr(e->d_name, ".txt.") != nullptr;
  closedir(d);
  return n;
}

std::string Status() {
  const char *v = TextResponse ? TextResponse->value() : nullptr;
  std::string shown = v ? v : "", more = "... (Ctrl+L)";
  bool cut = shown.size() > more.size() && !shown.compare(shown.size() - more.size(), more.size(), more);
  return cut && !strncmp(tbuffer, shown.c_str(), shown.size() - more.size()) ? tbuffer : shown;
}

void Fire(Fl_Widget *w) { w->do_callback(); }
void Set(Fl_Spinner *w, double v) { w->value(v), Fire(w); }
void Set(Fl_Valuator *w, double v) { w->value(v), Fire(w); }
void Set(Fl_Button *w, int on) { w->value(on), Fire(w); }
void Set(Fl_Input *w, const char *text) { w->value(text), Fire(w); }

void ShowBank(int bank, int timeIndex) { Bank->value(bank), TimeIndex->value(timeIndex), Fire(Bank); }
void ShowSubmix(int n) { GroupNum->value(n), Set(SelectGroupChannel, 1); }

namespace {

std::vector<Fl_Double_Window *> Windows() {
  return {ControlWindow, FadersWindow, EffectsWindow, PrefsWindow, SubWindow, VCAWindow, ReverbWindow};
}

// A button that holds a state; push buttons hold none.
Fl_Button *Toggle(Fl_Widget *w) {
  Fl_Button *b = dynamic_cast<Fl_Button *>(w);
  return b && b->type() != FL_NORMAL_BUTTON ? b : nullptr;
}

// The value a control shows, false for a widget that shows none.
bool ValueOf(Fl_Widget *w, std::ostream &out) {
  if (Fl_Spinner *s = dynamic_cast<Fl_Spinner *>(w))
    out << s->value();
  else if (Fl_Valuator *v = dynamic_cast<Fl_Valuator *>(w))
    out << v->value();
  else if (Fl_Button *b = Toggle(w))
    out << (int)b->value();
  else if (Fl_Input_ *in = dynamic_cast<Fl_Input_ *>(w))
    out << in->value();
  else
    return false;
  return true;
}

// Runs f on every control inside w that shows a value, with its path of child indexes.
template <class F>
void Walk(Fl_Widget *w, const std::string &path, F f) {
  std::ostringstream unused;
  if (ValueOf(w, unused)) return f(w, path);
  if (Fl_Group *g = dynamic_cast<Fl_Group *>(w))
    for (int i = 0; i < g->children(); i++) Walk(g->child(i), path + "/" + std::to_string(i), f);
}

}  // namespace

void Scramble() {
  for (Fl_Double_Window *win : Windows()) {
    win->color(win->color() + 1);
    Walk(win, "", [](Fl_Widget *w, const std::string &) {
      const Fl_Widget *views[] = {TextResponse, TimeIndex, Bank, RegularNum, GroupNum, SubBank,
                                  VcaBank, SelectRegularChannel, SelectGroupChannel,
                                  SelectMasterChannel};
      for (const Fl_Widget *view : views)
        if (w == view) return;
      if (Fl_Spinner *s = dynamic_cast<Fl_Spinner *>(w))
        s->value(s->value() + 7);
      else if (Fl_Valuator *v = dynamic_cast<Fl_Valuator *>(w))
        v->value(v->value() + 7);
      else if (Fl_Button *b = Toggle(w))
        b->value(!b->value());
      else if (Fl_Input_ *in = dynamic_cast<Fl_Input_ *>(w))
        in->value((std::string(in->value()) + "~").c_str());
    });
  }
}

std::string Values(std::initializer_list<Fl_Widget *> widgets) {
  std::ostringstream out;
  for (Fl_Widget *w : widgets) {
    if (out.tellp() > 0) out << ' ';
    if (!ValueOf(w, out)) out << '?';
  }
  return out.str();
}

std::string Shown() {
  std::ostringstream out;
  for (Fl_Double_Window *win : Windows()) {
    out << win->label() << " colour=" << win->color() << '\n';
    Walk(win, win->label(), [&](Fl_Widget *w, const std::string &path) {
      if (w != TextResponse && w != TimeIndex) out << path << '=', ValueOf(w, out), out << '\n';
    });
  }
  return out.str();
}

void Engine(const std::string &folder, const std::string &body) {
  mkdir(folder.c_str(), 0755);
  WriteFile(folder + "/tarnell4", "#!/bin/sh\n" + body);
  chmod((folder + "/tarnell4").c_str(), 0755);
  snprintf(Path, sizeof Path, "%s/", folder.c_str());
}
