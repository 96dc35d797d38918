// The "Messages" window: the message list of the readers and the stores.
#ifndef CORVESSA_MESSAGESWINDOW_H
#define CORVESSA_MESSAGESWINDOW_H

class Fl_Browser;
class Fl_Double_Window;

extern Fl_Double_Window *MessagesWindow;
extern Fl_Browser *MessageList;
Fl_Double_Window *make_window9();
void ShowMessages();    // Ctrl+L
void HideMessages();    // Ctrl+Shift+L
void UpdateMessages();  // the list as it stands, when the window is shown and the list changed

#endif
