// The recovery of unstored changes: written from the event loop, brought up to
// date at the end, and offered back at start-up in the "Unstored Changes" window.
#include <cctype>

#include "keep/keep.h"
#include "keepwindows/keepwindows.h"
#include "model/model.h"
#include "status/status.h"

namespace {

std::string said;  // the last trouble said

void sayTrouble() {
  const std::string &t = KeepTrouble();
  if (t.empty() || t == said) return;
  said = t;
  std::string was = tbuffer, text = was.empty() ? t : was + "; " + t;
  if (was.empty()) text[0] = (char)toupper((unsigned char)text[0]);
  SetStatus("%s", text.c_str());
}

}  // namespace

void KeepCheck() { sayTrouble(); }
