// The status line, the Mix buttons of the windows, and the commit of an edit still being typed.
#include "status/status.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Output.H>
#include <cstdarg>
#include <cstdio>

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
  if (TextResponse) TextResponse->value(tbuffer);
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
