// The "Messages" window: the list, newest last, and its "Clear" button.
#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include "messages/messages.h"
#include "messageswindow/messageswindow.h"

Fl_Double_Window *MessagesWindow;
Fl_Browser *MessageList;

namespace {

// Time, file, line number, message, the line.
int columns[] = {64, 74, 44, 420, 0};

long shownVersion = -1;  // the list's version the window shows

void cb_Clear(Fl_Widget *, void *) {
  ClearMessages();
  UpdateMessages();
}

}  // namespace

Fl_Double_Window *make_window9() {
  Fl_Double_Window *w = MessagesWindow = new Fl_Double_Window(760, 300, "Messages");
  MessageList = new Fl_Browser(5, 5, 750, 260);
  MessageList->format_char(0);  // a message or line may hold '@'
  MessageList->column_widths(columns);
  MessageList->textsize(12);
  Fl_Button *clear = new Fl_Button(685, 272, 70, 22, "Clear");
  clear->labelsize(12);
  clear->callback(cb_Clear);
  w->resizable(MessageList);
  w->end();
  return w;
}

void UpdateMessages() {
  if (!MessageList || !MessagesWindow->shown() || shownVersion == MessagesVersion()) return;
  shownVersion = MessagesVersion();
  MessageList->clear();
  for (int i = 0; i < MessageCount(); i++) {
    const MessageEntry &m = MessageAt(i);
    std::string row = std::string(m.time) + '\t' + m.file + '\t';
    if (m.line) row += std::to_string(m.line);
    row += '\t' + m.message + '\t' + m.text;
    MessageList->add(row.c_str());
  }
  MessageList->bottomline(MessageList->size());
}

void ShowMessages() {
  if (!MessagesWindow) return;
  MessagesWindow->show();
  UpdateMessages();
}

void HideMessages() {
  if (MessagesWindow) MessagesWindow->hide();
}

