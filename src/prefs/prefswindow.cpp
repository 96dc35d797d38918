// The preferences window: preview, Xin/Xout, head and tail, engine path and
// directories, output format, pan law, dither and the windows' colour.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/filename.H>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "status/status.h"
#include "effects/effects.h"
#include "faders/faders.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "textfile/textfile.h"

Fl_Double_Window *PrefsWindow;
Fl_Round_Button *PreOn, *PreOff, *outbits16button, *outbits24button, *monobutton;
Fl_Value_Input *Preview_Min, *Preview_Length, *Preview_Sec, *Preview_Msec;
Fl_Value_Input *Xin_Min, *Xin_Sec, *Xin_Msec, *Xout_Min, *Xout_Sec, *Xout_Msec;
Fl_Value_Input *head, *tail, *panlaw;
Fl_Button *MixButton, *browseD1, *browseD2, *browseD3;
Fl_Input *PathDisplay, *WavDirDisplay, *MixDirDisplay, *LaunchDisplay;
Fl_Spinner *dither, *bgcolor;

namespace {

// The time fields, in creation order, each with the model value it edits.
struct TimeField {
  Fl_Value_Input *&input;
  const char *label;
  int x, y, w, h;
  double step;
  float &value;
  Fl_Callback *cb;
};

const TimeField timeFields[] = {
    {Preview_Min, "Start", 60, 57, 30, 20, 0.1, PreviewArray[0], Call<PreviewToArray>},
    {Preview_Length, "Length", 60, 87, 40, 20, 0.1, PreviewArray[3], Call<PreviewToArray>},
    {Preview_Sec, nullptr, 100, 57, 50, 20, 0.01, PreviewArray[1], Call<PreviewToArray>},
    {Preview_Msec, nullptr, 160, 57, 30, 20, 1, PreviewArray[2], Call<PreviewToArray>},
    {Xin_Min, "Xin", 283, 57, 30, 20, 0.1, XinArray[0], Call<XinToArray>},
    {Xin_Sec, nullptr, 323, 57, 40, 20, 0.01, XinArray[1], Call<XinToArray>},
    {Xin_Msec, nullptr, 374, 57, 40, 20, 1, XinArray[2], Call<XinToArray>},
    {Xout_Min, "Xout", 283, 87, 30, 20, 0.1, XoutArray[0], Call<XoutToArray>},
    {Xout_Sec, nullptr, 323, 87, 40, 20, 0.01, XoutArray[1], Call<XoutToArray>},
    {Xout_Msec, nullptr, 374, 87, 40, 20, 1, XoutArray[2], Call<XoutToArray>},
    {head, "Head", 283, 118, 47, 20, 0.001, HeadTailArray[0], Call<HeadTailToArray>},
    {tail, "Tail", 283, 149, 47, 20, 0.001, HeadTailArray[1], Call<HeadTailToArray>},
};

// Stores the time fields that share the callback cb, then clears the status line.
void storeTimes(Fl_Callback *cb) {
  for (const TimeField &f : timeFields)
    if (f.cb == cb) f.value = (float)f.input->value();
  ClearStatus();
}

template <class W>
W *labelled(W *w) {
  w->labelsize(12);
  w->labelcolor(215);
  return w;
}

Fl_Value_Input *valueInput(int x, int y, int w, int h, const char *label, double max, double step,
                           Fl_Callback *cb) {
  Fl_Value_Input *v = labelled(new Fl_Value_Input(x, y, w, h, label));
  v->maximum(max);
  v->step(step);
  v->textsize(12);
  v->when(FL_WHEN_CHANGED);
  v->callback(cb);
  return v;
}

Fl_Round_Button *roundButton(int x, int y, const char *label, Fl_Callback *cb) {
  Fl_Round_Button *b = labelled(new Fl_Round_Button(x, y, 70, 15, label));
  b->type(FL_TOGGLE_BUTTON);
  b->down_box(FL_DOWN_BOX);
  b->callback(cb);
  return b;
}

Fl_Input *textField(int x, int y, int w, const char *label, Fl_Callback *cb) {
  Fl_Input *in = labelled(new Fl_Input(x, y, w, 18, label));
  in->align(FL_ALIGN_TOP_LEFT);
  in->textsize(12);
  in->maximum_size(sizeof Path - 1);
  in->callback(cb);
  return in;
}

Fl_Button *browseButton(int y, Fl_Callback *cb) {
  Fl_Button *b = new Fl_Button(212, y, 14, 18, "*");
  b->callback(cb);
  return b;
}

Fl_Spinner *spinner(int y, const char *label, int max, int value, Fl_Callback *cb) {
  Fl_Spinner *s = labelled(new Fl_Spinner(334, y, 40, 20, label));
  s->range(0, max);
  s->step(1);
  s->value(value);
  s->textsize(12);
  s->when(FL_WHEN_CHANGED);
  s->callback(cb);
  return s;
}

// Clicking either member of a two-way switch flips both; true when the
// clicked member is now on.
bool flip(Fl_Button *clicked, Fl_Button *other) {
  bool on = clicked->value();
  other->value(!on);
  ClearStatus();
  return on;
}

// Copies a text field into its model row and shows what was kept.
void storeText(Fl_Input *in, char *row, int size) {
  CopyName(row, in->value(), size);
  if (strcmp(in->value(), row)) in->value(row);
}

std::vector<Fl_File_Chooser *> choosers;  // the directory choosers made so far

// Frees the directory choosers that have been closed, except the last one opened.
void freeClosedChoosers() {
  std::vector<Fl_File_Chooser *> open;
  for (Fl_File_Chooser *c : choosers)
    if (c->shown() || c == CH)
      open.push_back(c);
    else
      delete c;
  choosers.swap(open);
}

}  // namespace

Fl_Double_Window *make_window3() {
  Fl_Double_Window *w = PrefsWindow = new Fl_Double_Window(430, 375, "Preferences");
  w->color(97);
  w->labelsize(12);
  PreOn = roundButton(59, 26, "Preview Mode On", Call<PreviewOnSwitch>);
  PreOff = roundButton(282, 26, "Preview Mode Off", Call<PreviewOffSwitch>);
  PreOff->value(1);
  for (const TimeField &f : timeFields)
    f.input = valueInput(f.x, f.y, f.w, f.h, f.label, 9999, f.step, f.cb);
  MixButton = MixButtonAt(16, 316, 100, 28);
  PathDisplay = textField(17, 140, 193, "Path to Tarnell4", Call<StorePath>);
  outbits16button = roundButton(280, 195, "16 bit output", Call<Outbits16ToArray>);
  outbits16button->color(7);
  outbits24button = roundButton(280, 217, "24 bit output", Call<Outbits24ToArray>);
  outbits24button->value(1);
  panlaw = valueInput(334, 306, 30, 20, "Pan law", 6, 0.1, Call<PanlawToArray>);
  panlaw->value(3);
  WavDirDisplay = textField(17, 228, 193, "Wavefile Directory", Call<StoreWaveDir>);
  MixDirDisplay = textField(17, 274, 193, "Mix Directory", Call<StoreMixDir>);
  monobutton = roundButton(280, 240, "mono output", Call<MonoToArray>);
  monobutton->color(7);
  LaunchDisplay = textField(17, 184, 207, "Launch Command", Call<StoreLaunch>);
  browseD1 = browseButton(141, Call<cb_browseD1>);
  browseD2 = browseButton(229, Call<cb_browseD2>);
  browseD3 = browseButton(275, Call<cb_browseD3>);
  dither = spinner(271, "Dither", 8, 1, Call<DitherToArray>);
  bgcolor = spinner(341, "Color", 255, 97, Call<cb_bgcolor>);
  w->end();
  return w;
}

// ---- widget to model

void PreviewOnSwitch() { PreviewOn = flip(PreOn, PreOff) ? 1 : 0; }
void PreviewOffSwitch() { PreviewOn = flip(PreOff, PreOn) ? 0 : 1; }
void Outbits16ToArray() { OutbitsStore = flip(outbits16button, outbits24button) ? 16 : 24; }
void Outbits24ToArray() { OutbitsStore = flip(outbits24button, outbits16button) ? 24 : 16; }

void PreviewToArray() { storeTimes(Call<PreviewToArray>); }
void XinToArray() { storeTimes(Call<XinToArray>); }
void XoutToArray() { storeTimes(Call<XoutToArray>); }
void HeadTailToArray() { storeTimes(Call<HeadTailToArray>); }

void PanlawToArray() {
  PanlawStore = (float)panlaw->value();
  ClearStatus();
}

void MonoToArray() {
  monoOn = monobutton->value() ? 1 : 0;
  ClearStatus();
}

void DitherToArray() { DitherBits = TruncateToInt(dither->value()); }

void StorePath() { storeText(PathDisplay, Path, sizeof Path); }
void StoreWaveDir() { storeText(WavDirDisplay, WavDirName, sizeof WavDirName); }
void StoreMixDir() { storeText(MixDirDisplay, MixDirName, sizeof MixDirName); }
void StoreLaunch() { storeText(LaunchDisplay, LaunchCommand, sizeof LaunchCommand); }

// ---- directory choosers

void ChooseDirectory(int n) {
  BrowseNumber = n;
  freeClosedChoosers();
  CH = new Fl_File_Chooser(".", nullptr, Fl_File_Chooser::DIRECTORY, nullptr);
  choosers.push_back(CH);
  CH->callback(Set_Directory, (void *)(intptr_t)n);
  CH->show();
}

void cb_browseD1() { ChooseDirectory(1); }
void cb_browseD2() { ChooseDirectory(2); }
void cb_browseD3() { ChooseDirectory(3); }

void Set_Directory(Fl_File_Chooser *chooser, void *target) {
  if (!chooser) chooser = CH;
  if (!chooser) return;
  int n = target ? (int)(intptr_t)target : BrowseNumber;

  // The directory picked, else the one the chooser shows; absolute, without
  // a trailing slash (except the root).
  const char *pick = chooser->value();
  if (!pick || !*pick) pick = chooser->directory();
  if (!pick || !*pick || n < 1 || n > 3) return;
  char absolute[FL_PATH_MAX];
  fl_filename_absolute(absolute, sizeof absolute, pick);
  std::string dir = absolute;
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();

  // The engine path is a prefix of the engine's file name, so it ends in "/".
  static const struct {
    char *row;
    Fl_Input *const *field;
    bool slash;
  } targets[] = {{Path, &PathDisplay, true},
                 {WavDirName, &WavDirDisplay, false},
                 {MixDirName, &MixDirDisplay, false}};
  const auto &t = targets[n - 1];
  if (t.slash && dir.back() != '/') dir += '/';
  if (dir.size() >= sizeof Path) return;  // does not fit: refused
  CopyName(t.row, dir.c_str(), sizeof Path);
  (*t.field)->value(t.row);
}

// ---- colour

void SetColor() {
  color = TruncateToInt(bgcolor->value());
  if (color > 255) color = 255;
  if (color < 0) color = 0;
  bgcolor->value(color);
  Fl_Double_Window *windows[] = {FadersWindow,  PrefsWindow, SubWindow,   EffectsWindow,
                                 ControlWindow, VCAWindow,   ReverbWindow};
  // Only a window whose colour changes is redrawn: every refresh comes through
  // here, and redrawing all seven windows each time costs more than the refresh.
  for (Fl_Double_Window *w : windows)
    if (w && w->color() != (Fl_Color)color) {
      w->color(color);
      w->redraw();
    }
}

void cb_bgcolor() {
  SetColor();
  ClearStatus();
}

// ---- model to widgets

void UpdatePreferences() {
  for (const TimeField &f : timeFields) f.input->value(f.value);
  PreOn->value(PreviewOn == 1);
  PreOff->value(PreviewOn != 1);
  PathDisplay->value(Path);
  WavDirDisplay->value(WavDirName);
  MixDirDisplay->value(MixDirName);
  LaunchDisplay->value(LaunchCommand);
  if (OutbitsStore == 16 || OutbitsStore == 24) {
    outbits16button->value(OutbitsStore == 16);
    outbits24button->value(OutbitsStore == 24);
  }
  monobutton->value(monoOn == 1);
  panlaw->value(PanlawStore);
  bgcolor->value(color);
  SetColor();
  dither->value(DitherBits);
}
