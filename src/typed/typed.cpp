#include "typed/typed.h"

#include <FL/Fl_Input.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>

#include <cmath>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "status/status.h"

bool TypedNumber(const char *text, double &v) {
  std::string s = text ? text : "";
  for (char &c : s)
    if (c == ',') c = '.';
  std::istringstream in(s);
  in.imbue(std::locale::classic());
  if (!(in >> v)) return false;
  in >> std::ws;
  return in.eof() && std::isfinite(v);
}

namespace {

const int WHEN_FINISHED = FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY;
std::vector<const Fl_Widget *> numberTexts;

struct Described {
  const Fl_Widget *field;
  const char *name, *takes;
};
std::vector<Described> described;

// The field shows its value afresh, which also ends its own typing undo.
void reshow(Fl_Value_Input *v) {
  char text[128];
  v->format(text);
  v->input.value(text);
}

void valueTyped(Fl_Widget *, void *data) {
  Fl_Value_Input *v = (Fl_Value_Input *)data;
  double x;
  if (TypedNumber(v->input.value(), x)) {
    if (v->step() >= 1 && v->step() == std::floor(v->step())) x = std::trunc(x);  // a whole-number field
    v->value(x);
    v->set_changed();
    v->do_callback();
  } else {
    RefuseValue(v, v->input.value());
  }
  reshow(v);
}

void spinnerTyped(Fl_Widget *w, void *data) {
  Fl_Spinner *s = (Fl_Spinner *)data;
  double x;
  if (TypedNumber(((Fl_Input *)w)->value(), x)) {
    s->value(x < s->minimum() ? s->minimum() : x > s->maximum() ? s->maximum() : x);
    s->set_changed();
    s->do_callback();
  } else {
    RefuseValue(s, ((Fl_Input *)w)->value());
  }
  s->value(s->value());
}

}  // namespace

void StoreAsTyped(Fl_Group *g) {
  for (int i = 0; i < g->children(); i++) {
    Fl_Widget *w = g->child(i);
    if (Fl_Value_Input *v = dynamic_cast<Fl_Value_Input *>(w)) {
      v->when(WHEN_FINISHED);  // the field passes it on to its text at every event
      v->input.callback(valueTyped, v);
      numberTexts.push_back(&v->input);
    } else if (Fl_Spinner *s = dynamic_cast<Fl_Spinner *>(w)) {
      Fl_Input *in = (Fl_Input *)s->child(0);
      in->when(WHEN_FINISHED);
      in->callback(spinnerTyped, s);
      numberTexts.push_back(in);
    } else if (Fl_Group *inner = w->as_group()) {
      StoreAsTyped(inner);
    }
  }
}

bool IsNumberText(const Fl_Widget *w) {
  for (const Fl_Widget *t : numberTexts)
    if (t == w) return true;
  return false;
}

void DescribeField(const Fl_Widget *field, const char *name, const char *takes) {
  described.push_back({field, name, takes});
}

void RefuseValue(const Fl_Widget *field, const char *text) {
  const char *name = field->label() && *field->label() ? field->label() : "the field", *takes = "a number";
  for (const Described &d : described)
    if (d.field == field) name = d.name, takes = d.takes;
  std::string shown = text && *text ? text : "\"\"";
  if (shown.size() > 40) {  // cut at a whole character
    size_t n = 40;
    while (n > 0 && (shown[n] & 0xC0) == 0x80) n--;
    shown = shown.substr(0, n) + "...";
  }
  SetStatus("%s takes %s: %s refused", name, takes, shown.c_str());
}
