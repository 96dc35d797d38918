// The status line, the Mix buttons of the windows, and the commit of an edit still being typed.
#include "status/status.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Output.H>
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

void ShowStatus() {
  if (!TextResponse) return;
  fl_font(TextResponse->textfont(), TextResponse->textsize());
  int room = TextResponse->w() - 8;  // the field's frame and margins
  if (fl_width(tbuffer) <= room) {
    TextResponse->value(tbuffer);
    return;
  }
  // Too long to read whole: as much as fits, and the whole text in the Messages window.
  static std::string noted;
  if (noted != tbuffer) Note(noted = tbuffer);
  const char more[] = "... (Ctrl+L)";
  std::string text = tbuffer;
  while (!text.empty() && fl_width((text + more).c_str()) > room) {
    while (!text.empty() && (text.back() & 0xC0) == 0x80) text.pop_back();  // a whole character
    if (!text.empty()) text.pop_back();
  }
  TextResponse->value((text + more).c_str());
}

void ClearStatus() {
  if (TextResponse) TextResponse->value("");
}

void SetStatus(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(tbuffer, sizeof tbuffer, fmt, ap);
  va_end(ap);
  ShowStatus();
}

void ClearStoreError() { StoreError[0] = 0; }

void ReportStoreError(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(tbuffer, sizeof tbuffer, fmt, ap);
  va_end(ap);
  if (!StoreError[0]) snprintf(StoreError, sizeof StoreError, "%s", tbuffer);
  ShowStatus();
}
