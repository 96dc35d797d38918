#include "where/where.h"

#include <FL/Fl_Box.H>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "messages/messages.h"
#include "undo/undo.h"

Fl_Box *WhereLine;

std::string WhereText(const std::string &folder, const char *home, bool unstored,
                      const std::string &note) {
  std::string line = folder;
  size_t n = home ? strlen(home) : 0;
  while (n > 1 && home[n - 1] == '/') n--;
  if (n > 1 && folder.compare(0, n, home, n) == 0 && (folder.size() == n || folder[n] == '/'))
    line = "~" + folder.substr(n);
  if (unstored) line += ", unstored changes";
  if (!note.empty()) line += ", " + note;
  return line;
}

Fl_Box *WhereLineAt(int x, int y, int w, int h) {
  WhereLine = new Fl_Box(x, y, w, h);
  WhereLine->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  WhereLine->labelsize(11);
  WhereLine->labelcolor(215);
  ShowWhere();
  return WhereLine;
}

void ShowWhere() {
  if (!WhereLine) return;
  char cwd[4096];
  std::string line = WhereText(getcwd(cwd, sizeof cwd) ? cwd : "?", getenv("HOME"),
                               UnstoredChanges(), MessagesNote());
  std::string label;  // "@" starts a symbol in a label
  for (char c : line) label += c == '@' ? "@@" : std::string(1, c);
  const char *old = WhereLine->label();
  if (old && label == old) return;
  WhereLine->copy_label(label.c_str());
  WhereLine->redraw_label();
}
