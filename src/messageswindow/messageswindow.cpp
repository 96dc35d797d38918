// The "Messages" window: the messages and the status texts, newest last, in
// columns; a row too long for the window scrolls sideways and shows whole in a
// tooltip. "Clear" empties it.
#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include "messages/messages.h"
#include "messageswindow/messageswindow.h"
#include "status/status.h"

Fl_Double_Window *MessagesWindow;
Fl_Browser *MessageList;

namespace {

// Time, file, line number; the message and the line it is about take the rest.
int columns[] = {64, 84, 44, 0};

long shownVersion = -1;  // the list's version the window shows

void cb_Clear(Fl_Widget *, void *) {
  ClearMessages();
  UpdateMessages();
}

// A row whole, for its tooltip: "12:00:01 faders.txt line 14: message", then the line.
std::string wholeRow(const char *row) {
  std::string field[5];
  for (int f = 0; *row; row++)
    if (*row == '\t' && f < 4)
      f++;
    else
      field[f] += *row;
  std::string tip = field[0] + " " + field[1];
  if (field[2] != " ") tip += " line " + field[2];
  tip += (field[1] == " " ? "" : ": ") + field[3];
  return field[4].empty() ? tip : tip + "\n" + field[4];
}

class MessageBrowser : public Fl_Browser {
 public:
  MessageBrowser(int x, int y, int w, int h) : Fl_Browser(x, y, w, h) {}
  int handle(int event) override {
    if (event == FL_MOVE || event == FL_ENTER) {
      void *item = find_item(Fl::event_y());
      int n = item ? lineno(item) : 0;
      PointerTip(this, x(), Fl::event_y() - textsize() / 2, w(), textsize(),
                 n ? wholeRow(text(n)) : std::string());
    } else if (event == FL_LEAVE || event == FL_PUSH || event == FL_MOUSEWHEEL) {
      PointerTip(this, 0, 0, 0, 0, "");
    }
    return Fl_Browser::handle(event) || event == FL_ENTER || event == FL_MOVE;
  }
};

}  // namespace

Fl_Double_Window *make_window9() {
  Fl_Double_Window *w = MessagesWindow = new Fl_Double_Window(760, 300, "Messages");
  MessageList = new MessageBrowser(5, 5, 750, 260);
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
  // The messages and the status texts, in the order they were made.
  for (int i = 0, j = 0; i < MessageCount() || j < StatusCount();) {
    bool status = j < StatusCount() && (i == MessageCount() || StatusAt(j).order < MessageAt(i).order);
    const MessageEntry &m = status ? StatusAt(j++) : MessageAt(i++);
    // A column is never empty: the browser would take the end of an empty one for a format.
    std::string row = std::string(m.time) + '\t' + (*m.file ? m.file : " ") + '\t';
    row += m.line ? std::to_string(m.line) : " ";
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
