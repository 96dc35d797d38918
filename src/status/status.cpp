// The status line, the Mix buttons of the windows, and the commit of an edit still being typed.
#include "status/status.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "messages/messages.h"
#include "model/model.h"

Fl_Double_Window *ControlWindow;
Fl_Output *TextResponse;
char StoreError[256];

void CommitEdit() {
  Fl_Input_ *in = dynamic_cast<Fl_Input_ *>(Fl::focus());
  if (in && in->changed()) {
    in->clear_changed();
    in->do_callback();
  }
}

Fl_Button *MixButtonAt(int x, int y, int w, int h) {
  Fl_Button *b = new Fl_Button(x, y, w, h, "Mix");
  b->box(FL_ROUND_UP_BOX);
  b->down_box(FL_ROUND_UP_BOX);
  b->shortcut(FL_CTRL + 'm');
  b->labelsize(12);
  return b;
}

namespace {

// Every text shown is listed with its time, so that none is lost when a window
// covers the line; again: one that a command set anew, and not only shown again.
void list(bool again) {
  static std::string listed;
  if (tbuffer[0] && (again || listed != tbuffer)) NoteStatus(listed = tbuffer);
}

void show() {
  if (!TextResponse) return;
  fl_font(TextResponse->textfont(), TextResponse->textsize());
  int room = TextResponse->w() - 8;  // the field's frame and margins
  if (fl_width(tbuffer) <= room) {
    TextResponse->value(tbuffer);
    return;
  }
  // Too long to read whole: as much as fits; the Messages window has it whole.
  const char more[] = "... (Ctrl+L)";
  std::string text = tbuffer;
  while (!text.empty() && fl_width((text + more).c_str()) > room) {
    while (!text.empty() && (text.back() & 0xC0) == 0x80) text.pop_back();  // a whole character
    if (!text.empty()) text.pop_back();
  }
  TextResponse->value((text + more).c_str());
}

}  // namespace

void ShowStatus() {
  list(false);
  show();
}

void PointerTip(Fl_Widget *w, int x, int y, int wd, int h, const std::string &text) {
  static std::string tips[2];  // the one shown, and the next: the toolkit tells them by address
  static int shown;
  if (text.empty()) {
    tips[shown].clear();
    Fl_Tooltip::enter_area(w, 0, 0, 0, 0, nullptr);
    return;
  }
  if (text == tips[shown]) return;
  shown = !shown;
  tips[shown] = text;
  Fl_Tooltip::enter_area(w, x, y, wd, h, tips[shown].c_str());
}

void ClearStatus() {
  if (TextResponse) TextResponse->value("");
}

void SetStatus(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(tbuffer, sizeof tbuffer, fmt, ap);
  va_end(ap);
  list(true);
  show();
}

void ClearStoreError() { StoreError[0] = 0; }

void ReportStoreError(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(tbuffer, sizeof tbuffer, fmt, ap);
  va_end(ap);
  if (!StoreError[0]) snprintf(StoreError, sizeof StoreError, "%s", tbuffer);
  list(true);
  show();
}
