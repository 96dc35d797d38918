// The cue map window: one row per slot, one column per cue in use, a coloured
// mark where the slot has an entry. It follows the model by comparing a small
// summary of every cell with it after each event, and redraws only what changed.
#include "cuemap/cuemap.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Spinner.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "status/status.h"
#include "faders/strip.h"

Fl_Double_Window *CueMapWindow;
CueMapView *CueMap;
Fl_Scrollbar *CueMapHScroll, *CueMapVScroll;
Fl_Input *MapSelectField;
Fl_Box *MapSelectSize;
Fl_Button *MapEditButton;

int MapCols[NCUES], NMapCols;
uint16_t MapCells[NSLOTS * NCUES];
double MapCellW = MAP_CELL_W, MapCellH = MAP_CELL_H;
int MapRow0, MapCol0;

const Fl_Color MapPlainColor = 0xEEEEEE00, MapOutlineColor = FL_BLACK, MapMarkColor = 0x14141400,
               MapSelectColor = 0xE000E000;

namespace {

const Fl_Color gridColor = 0xCDCDCD00, labelColor = 0xE4E4E400, labelShade = 0xD6D6D600,
               bankColor = 0xFFF2B000, soloColor = 0xF0D02000, muteColor = 0xD8302000;

// What was last drawn: the heads of rows and columns, and the outline's cue and bank.
uint32_t rowHeads[NSLOTS], colHeads[NCUES];
int shownCue = -1, shownBank = -1;
bool summaryValid;

// The corners of a selection made by mouse or keys (row, column; -1 before the
// first), and what a drag that goes on selects.
int anchorRow = -1, anchorCol, farRow, farCol;
enum { DRAG_NONE, DRAG_CELLS, DRAG_ROWS, DRAG_COLUMNS } dragging;

// What the next draw paints when only parts changed: each box alone (a selection's
// edges), or past MAX_PARTS their bounding box.
enum { MAX_PARTS = 32 };
struct Box {
  int x, y, w, h;
} parts[MAX_PARTS];
int nparts;

// ---- rows and the volume scale

// The bank that shows a slot, 0 for none (the master is in every bank).
int slotBank(int slot) {
  if (slot == MASTER) return 0;
  for (int b = 1; b <= (int)Bank->maximum(); b++)
    for (int k = 1; k <= NSTRIPS; k++)
      if (StripSlot(k, b) == slot) return b;
  return 0;
}

// A row's number as the files name it: "12", "G3" (submix), "V3" (VCA), "M".
void rowNumber(char *out, int n, int slot) {
  if (slot == MASTER)
    snprintf(out, n, "M");
  else if (slot >= FIRST_VCA)
    snprintf(out, n, "V%i", slot - FIRST_VCA + 1);
  else if (slot >= FIRST_SUB)
    snprintf(out, n, "G%i", slot - FIRST_SUB + 1);
  else
    snprintf(out, n, "%i", slot);
}

int level(float db) {
  if (!(db > MAP_DB_LOW)) return 0;  // NaN too
  if (db >= MAP_DB_HIGH) return 255;
  return (int)std::lround((db - MAP_DB_LOW) * 255 / (MAP_DB_HIGH - MAP_DB_LOW));
}

// The scale's stops, dB and colour; the colours between are interpolated.
struct Stop {
  float db;
  unsigned char rgb[3];
};
const Stop stops[] = {{-60, {30, 50, 150}},  {-36, {30, 130, 200}}, {-18, {40, 180, 90}},
                      {-6, {200, 210, 40}},  {0, {245, 160, 30}},   {12, {210, 30, 30}}};

Fl_Color levelColor(int lv) {
  float db = MAP_DB_LOW + lv * float(MAP_DB_HIGH - MAP_DB_LOW) / 255;
  const Stop *a = stops, *b = stops + 1;
  while (b + 1 < std::end(stops) && db > b->db) a++, b++;
  float t = std::min(1.f, std::max(0.f, (db - a->db) / (b->db - a->db)));
  unsigned char c[3];
  for (int i = 0; i < 3; i++) c[i] = (unsigned char)std::lround(a->rgb[i] + t * (b->rgb[i] - a->rgb[i]));
  return fl_rgb_color(c[0], c[1], c[2]);
}

const Fl_Color *scale() {
  static Fl_Color table[256];
  static bool made = false;
  if (!made)
    for (int i = 0; i < 256; i++) table[i] = levelColor(i);
  made = true;
  return table;
}

uint32_t hash(uint32_t h, const void *p, size_t n) {
  const unsigned char *b = (const unsigned char *)p;
  for (size_t i = 0; i < n; i++) h = (h ^ b[i]) * 16777619u;
  return h;
}

uint32_t rowHead(int slot) {
  uint32_t h = hash(2166136261u, NameBuffer[slot], strnlen(NameBuffer[slot], sizeof NameBuffer[0]));
  h = hash(h, &SoloArray[slot], sizeof SoloArray[0]);
  return hash(h, &MuteArray[slot], sizeof MuteArray[0]);
}

uint32_t colHead(int cue) {
  uint32_t h = hash(2166136261u, &cue, sizeof cue);
  for (const float *t : {IndexMin, IndexSec, IndexMsec}) h = hash(h, &t[cue], sizeof t[cue]);
  return hash(h, CueNameBuffer[cue], strnlen(CueNameBuffer[cue], sizeof CueNameBuffer[0]));
}

// ---- geometry, in window coordinates

int areaX() { return CueMap->x() + MAP_LABEL_W; }
int areaY() { return CueMap->y() + MAP_HEAD_H; }
int areaW() { return std::max(0, CueMap->w() - MAP_LABEL_W); }
int areaH() { return std::max(0, CueMap->h() - MAP_HEAD_H); }
// Offsets from the area's corner; pixel p belongs to column floor(p / MapCellW).
int colOff(int c) { return (int)std::ceil((c - MapCol0) * MapCellW - 1e-9); }
int rowOff(int r) { return (int)std::ceil((r - MapRow0) * MapCellH - 1e-9); }
int visibleCols() { return std::max(1, (int)(areaW() / MapCellW + 1e-9)); }
int visibleRows() { return std::max(1, (int)(areaH() / MapCellH + 1e-9)); }

int columnOf(int cue) {
  int *c = std::lower_bound(MapCols, MapCols + NMapCols, cue);
  return c < MapCols + NMapCols && *c == cue ? int(c - MapCols) : -1;
}

// Damages a box of the cells' area, or of the widget for the labels and heads.
void damageBox(int x, int y, int w, int h, bool cells = true) {
  int x1 = std::min(x + w, areaX() + areaW()), y1 = std::min(y + h, areaY() + areaH());
  x = std::max(x, cells ? areaX() : CueMap->x()), y = std::max(y, cells ? areaY() : CueMap->y());
  if (x >= x1 || y >= y1) return;
  if (nparts < MAX_PARTS) parts[nparts] = {x, y, x1 - x, y1 - y};
  nparts = std::min(nparts + 1, MAX_PARTS + 1);
  CueMap->damage(FL_DAMAGE_USER1, x, y, x1 - x, y1 - y);
}

// Rows r0..r1 by columns c0..c1.
void damageCells(int r0, int c0, int r1, int c1) {
  damageBox(areaX() + colOff(c0), areaY() + rowOff(r0), colOff(c1 + 1) - colOff(c0), rowOff(r1 + 1) - rowOff(r0));
}

// Calls f(r0, c0, r1, c1) for each block of the selection's runs of adjacent
// rows by runs of adjacent columns; returns how many there are.
template <class F>
int eachBlock(const CellRange &sel, F f) {
  int n = 0;
  for (int r0 = 0; r0 < NSLOTS; r0++) {
    if (!sel.row[r0]) continue;
    int r1 = r0;
    while (r1 + 1 < NSLOTS && sel.row[r1 + 1]) r1++;
    for (int c0 = 0; c0 < NMapCols; c0++) {
      if (!sel.cue[MapCols[c0]]) continue;
      int c1 = c0;
      while (c1 + 1 < NMapCols && sel.cue[MapCols[c1 + 1]]) c1++;
      f(r0, c0, r1, c1), n++;
      c0 = c1;
    }
    r0 = r1;
  }
  return n;
}

// A block's frame, in window coordinates.
void blockFrame(int r0, int c0, int r1, int c1, int &x, int &y, int &w, int &h) {
  x = areaX() + colOff(c0), y = areaY() + rowOff(r0);
  w = std::max(1, colOff(c1 + 1) - colOff(c0)), h = std::max(1, rowOff(r1 + 1) - rowOff(r0));
}

// The frames of a selection's blocks to draw again: their edges, or all the cells.
void damageFrames(const CellRange &sel) {
  if (eachBlock(sel, [](int, int, int, int) {}) > 2) return damageCells(0, 0, NSLOTS - 1, NMapCols - 1);
  eachBlock(sel, [](int r0, int c0, int r1, int c1) {
    int x, y, w, h;
    blockFrame(r0, c0, r1, c1, x, y, w, h);
    damageBox(x, y, w, 2), damageBox(x, y + h - 2, w, 2), damageBox(x, y, 2, h), damageBox(x + w - 2, y, 2, h);
  });
}

// ---- drawing

// The cells are painted into a band of pixels and put on screen a band at a time.
enum { BAND_W = 1024, BAND_H = 64 };
unsigned char band[BAND_W * BAND_H * 3];
int bandX, bandY, bandW, bandH;  // the band's place, in area offsets

void paint(int x0, int y0, int x1, int y1, Fl_Color c) {
  x0 = std::max(x0, bandX) - bandX, x1 = std::min(x1, bandX + bandW) - bandX;
  y0 = std::max(y0, bandY) - bandY, y1 = std::min(y1, bandY + bandH) - bandY;
  unsigned char rgb[3] = {(unsigned char)(c >> 24), (unsigned char)(c >> 16), (unsigned char)(c >> 8)};
  for (int y = y0; y < y1; y++)
    for (unsigned char *p = band + (y * bandW + x0) * 3, *e = p + (x1 - x0) * 3; p < e; p += 3)
      memcpy(p, rgb, 3);
}

void paintCell(int r, int c, const Fl_Color *colours) {
  int x0 = colOff(c), x1 = colOff(c + 1), y0 = rowOff(r), y1 = rowOff(r + 1);
  if (x1 - x0 >= 4) x1--;  // a grid line between cells that have room for one
  if (y1 - y0 >= 4) y1--;
  uint16_t code = MapCells[r * NCUES + c];
  paint(x0, y0, x1, y1, code & CELL_ENTRY ? colours[code & 255] : MapPlainColor);
  if (!(code & CELL_ENTRY) || x1 - x0 < 7 || y1 - y0 < 7) return;
  int m = std::max(2, (y1 - y0) / 4);
  if (code & CELL_RAMP) paint(x0, y1 - m, x1, y1, MapMarkColor);                  // a bar below
  if (code & CELL_OFFSET) paint(x0, y0, x0 + m + 1, y0 + m + 1, MapMarkColor);    // top left
  if (code & CELL_SHAPE) paint(x1 - m - 1, y0, x1, y0 + m + 1, MapMarkColor);     // top right
}

void drawCells(int X, int Y, int W, int H) {
  int x0 = std::max(X, areaX()), y0 = std::max(Y, areaY());
  int x1 = std::min(X + W, areaX() + areaW()), y1 = std::min(Y + H, areaY() + areaH());
  const Fl_Color *colours = scale();
  for (bandY = y0 - areaY(); bandY < y1 - areaY(); bandY += BAND_H)
    for (bandX = x0 - areaX(); bandX < x1 - areaX(); bandX += BAND_W) {
      bandW = std::min<int>(BAND_W, x1 - areaX() - bandX);
      bandH = std::min<int>(BAND_H, y1 - areaY() - bandY);
      paint(bandX, bandY, bandX + bandW, bandY + bandH, gridColor);
      int r1 = std::min<int>(NSLOTS - 1, MapRow0 + (int)((bandY + bandH - 1) / MapCellH));
      int c1 = std::min<int>(NMapCols - 1, MapCol0 + (int)((bandX + bandW - 1) / MapCellW));
      for (int r = MapRow0 + (int)(bandY / MapCellH); r <= r1; r++)
        for (int c = MapCol0 + (int)(bandX / MapCellW); c <= c1; c++) paintCell(r, c, colours);
      fl_draw_image(band, areaX() + bandX, areaY() + bandY, bandW, bandH, 3, bandW * 3);
    }
}

// A frame two pixels wide.
void frame(int x, int y, int w, int h) {
  fl_rect(x, y, w, h);
  if (w > 2 && h > 2) fl_rect(x + 1, y + 1, w - 2, h - 2);
}

// The current cue's column and the current bank's rows.
void drawOutline() {
  fl_push_clip(areaX(), areaY(), areaW(), areaH());
  fl_color(MapOutlineColor);
  int c = columnOf(shownCue);
  int top = areaY() + rowOff(0), bottom = areaY() + rowOff(NSLOTS);
  if (c >= 0) frame(areaX() + colOff(c), top, colOff(c + 1) - colOff(c), bottom - top);
  int left = areaX() + colOff(0), right = areaX() + std::max(colOff(NMapCols), colOff(0) + 1);
  auto rows = [&](int first, int last) {
    frame(left, areaY() + rowOff(first), right - left, rowOff(last + 1) - rowOff(first));
  };
  int first = -1, prev = -1;  // runs of adjacent rows get one frame
  for (int k = 1; k <= NSTRIPS; k++) {
    int s = StripSlot(k, shownBank);
    if (s < 0) continue;
    int r = MapSlotRow(s);
    if (first >= 0 && r != prev + 1) rows(first, prev), first = -1;
    if (first < 0) first = r;
    prev = r;
  }
  if (first >= 0) rows(first, prev);
  fl_pop_clip();
}

void drawSelection() {
  fl_push_clip(areaX(), areaY(), areaW(), areaH());
  fl_color(MapSelectColor);
  eachBlock(MapSelection, [](int r0, int c0, int r1, int c1) {
    int x, y, w, h;
    blockFrame(r0, c0, r1, c1, x, y, w, h);
    if (x < areaX() + areaW() && y < areaY() + areaH() && x + w > areaX() && y + h > areaY()) frame(x, y, w, h);
  });
  fl_pop_clip();
}

bool inBank(int slot) {
  for (int k = 1; k <= NSTRIPS; k++)
    if (StripSlot(k, shownBank) == slot) return true;
  return false;
}

void drawRowLabels() {
  int x = CueMap->x();
  fl_push_clip(x, areaY(), MAP_LABEL_W, areaH());
  fl_rectf(x, areaY(), MAP_LABEL_W, areaH(), FL_BACKGROUND_COLOR);
  int last = std::min<int>(NSLOTS, MapRow0 + visibleRows() + 1);
  for (int r = MapRow0; r < last; r++) {
    int s = MapRowSlot(r), y0 = areaY() + rowOff(r), h = rowOff(r + 1) - rowOff(r);
    fl_rectf(x, y0, MAP_LABEL_W, h, inBank(s) ? bankColor : r / 10 % 2 ? labelShade : labelColor);
    int sq = std::min(12, h - 1), right = x + MAP_LABEL_W - 3;
    fl_font(FL_HELVETICA_BOLD, std::max(8, sq - 2));
    auto flag = [&](int on, Fl_Color colour, const char *letter) {
      right -= sq + 2;
      if (!on || sq < 1) return;
      fl_rectf(right, y0, sq, sq, colour);
      if (sq >= 9) fl_color(FL_BLACK), fl_draw(letter, right, y0, sq, sq, FL_ALIGN_CENTER);
    };
    flag(MuteArray[s], muteColor, "M");
    flag(SoloArray[s], soloColor, "S");
    if (h < 9) continue;
    char number[16];
    rowNumber(number, sizeof number, s);
    fl_font(FL_HELVETICA, std::min(12, h - 1));
    fl_color(FL_BLACK);
    fl_push_clip(x, y0, right - x - 2, h);
    fl_draw(number, x + 3, y0, 30, h, FL_ALIGN_LEFT, nullptr, 0);
    fl_draw(NameBuffer[s], x + 30, y0, right - x - 30, h, FL_ALIGN_LEFT | FL_ALIGN_CLIP, nullptr, 0);
    fl_pop_clip();
  }
  fl_pop_clip();
}

// A name cut at a whole character, with an ellipsis, to fit room pixels in the current font.
std::string fitted(const char *name, double room) {
  std::string s = name;
  if (fl_width(s.c_str()) <= room) return s;
  const char *dots = "\xE2\x80\xA6";  // "…"
  while (!s.empty() && fl_width((s + dots).c_str()) > room) {
    while (!s.empty() && (s.back() & 0xC0) == 0x80) s.pop_back();
    if (!s.empty()) s.pop_back();
  }
  return s.empty() ? "" : s + dots;
}

// A cue's time as the faders window's fields read it: "0:15.000".
std::string cueTime(int k) { return CueTimeText(IndexMin[k], IndexSec[k], IndexMsec[k]); }

// A column's head, written upwards from its foot at x, y: time index and time, and
// the name as far as it fits; on two lines where the column is wide enough.
void drawHead(int k, int x, int w, int y) {
  std::string head = std::to_string(k + 1) + " " + cueTime(k);
  double room = MAP_HEAD_H - 7;
  if (w >= 24) {
    fl_draw(90, head.c_str(), x + w / 2 - 2, y);
    fl_draw(90, fitted(CueNameBuffer[k], room).c_str(), x + w / 2 + 10, y);
    return;
  }
  head += "  ";
  head += fitted(CueNameBuffer[k], room - fl_width(head.c_str()));
  fl_draw(90, head.c_str(), x + std::max(w, 1) / 2 + 4, y);
}

// Column heads: time index, time and name, written upwards, where there is room.
void drawHeads() {
  int y = CueMap->y();
  fl_push_clip(areaX(), y, areaW(), MAP_HEAD_H);
  fl_rectf(areaX(), y, areaW(), MAP_HEAD_H, FL_BACKGROUND_COLOR);
  fl_font(FL_HELVETICA, 10);
  int last = std::min(NMapCols, MapCol0 + visibleCols() + 1), written = -1000;
  for (int c = MapCol0; c < last; c++) {
    int x0 = areaX() + colOff(c), w = colOff(c + 1) - colOff(c), k = MapCols[c];
    fl_color(FL_DARK3);
    if (w >= 4) fl_yxline(x0, y + MAP_HEAD_H - 4, y + MAP_HEAD_H - 1);
    if (x0 - written < 13) continue;
    fl_color(k == shownCue ? FL_RED : FL_BLACK);
    drawHead(k, x0, w, y + MAP_HEAD_H - 5);
    written = x0;
  }
  fl_pop_clip();
}

// The corner: the volume scale and the marks.
void drawLegend() {
  int x = CueMap->x(), y = CueMap->y(), w = MAP_LABEL_W - 20;
  fl_push_clip(x, y, MAP_LABEL_W, MAP_HEAD_H);
  fl_rectf(x, y, MAP_LABEL_W, MAP_HEAD_H, FL_BACKGROUND_COLOR);
  for (int i = 0; i < w; i++) {
    fl_color(scale()[i * 255 / (w - 1)]);
    fl_yxline(x + 10 + i, y + 6, y + 16);
  }
  fl_color(FL_BLACK);
  fl_font(FL_HELVETICA, 10);
  fl_draw("-60 dB", x + 10, y + 28);
  fl_draw("0", x + 10 + w * 60 / 72 - 3, y + 28);
  fl_draw("+12", x + 10, y + 18, w, 14, FL_ALIGN_RIGHT);
  const char *names[] = {"ramp", "offset", "shape"};
  for (int i = 0; i < 3; i++) {
    int cx = x + 10 + i * 56, cy = y + 36;
    fl_rectf(cx, cy, 14, 12, scale()[200]);
    fl_color(MapMarkColor);
    if (i == 0) fl_rectf(cx, cy + 9, 14, 3);
    if (i == 1) fl_rectf(cx, cy, 4, 4);
    if (i == 2) fl_rectf(cx + 10, cy, 4, 4);
    fl_draw(names[i], cx + 17, cy + 10);
  }
  char text[64];
  snprintf(text, sizeof text, "%i cues in use", NMapCols);
  fl_draw(text, x + 10, y + 66);
  fl_pop_clip();
}

// ---- hovering: the cue's name and the entry under the pointer

void hover() {
  char tip[512];
  int x = Fl::event_x(), y = Fl::event_y(), r = -1, c = -1;
  if (!MapCellAt(x, y, r, c) && y < areaY() && x >= areaX()) {
    c = MapCol0 + (int)((x - areaX()) / MapCellW);
    if (c >= NMapCols) c = -1;
  }
  if (c < 0) {
    PointerTip(CueMap, 0, 0, 0, 0, "");
    return;
  }
  int k = MapCols[c];
  int n = snprintf(tip, sizeof tip, "time index %i  %s  %s", k + 1, cueTime(k).c_str(), CueNameBuffer[k]);
  if (r >= 0 && n > 0 && n < (int)sizeof tip) {
    int s = MapRowSlot(r), i = Entry(s, k);
    char number[16];
    rowNumber(number, sizeof number, s);
    if (ChanActive[i] == 1)
      snprintf(tip + n, sizeof tip - n, "\n%s %.60s: %.1f dB, offset %g, ramp %g, shape %g", number,
               NameBuffer[s], Volume[i], Offset[i], Ramp[i], Shape[i]);
    else
      snprintf(tip + n, sizeof tip - n, "\n%s %.60s: no entry", number, NameBuffer[s]);
  }
  int bx, by, bw, bh;
  if (r >= 0)
    MapCellBox(r, c, bx, by, bw, bh);
  else
    bx = areaX() + colOff(c), by = CueMap->y(), bw = colOff(c + 1) - colOff(c), bh = MAP_HEAD_H;
  PointerTip(CueMap, bx, by, std::max(bw, 1), std::max(bh, 1), tip);
}

// ---- the view

void scrolled() {
  MapRow0 = CueMapVScroll->value();
  MapCol0 = CueMapHScroll->value();
  CueMap->redraw();
}

Fl_Button *tool(int x, int w, const char *label, Fl_Callback *cb) {
  Fl_Button *b = new Fl_Button(x, 3, w, 20, label);
  b->labelsize(12);
  b->clear_visible_focus();  // the keys stay with the map
  b->callback(cb);
  return b;
}

// The Edit menu, popped up under its button.
void editMenu(Fl_Widget *b, void *) {
  const Fl_Menu_Item *m = MapEditMenu->popup(b->x(), b->y() + b->h());
  if (m) m->do_callback(b);
}

// Enter in the selection field: what it holds selected, and the keys back to the map.
void selectTyped() {
  if (SelectCells(MapSelectField->value())) CueMap->take_focus();
}

}  // namespace

// ---- rows and cells

uint16_t MapCellCode(int slot, int cue) {
  int i = Entry(slot, cue);
  if (ChanActive[i] != 1) return 0;
  return CELL_ENTRY | (Ramp[i] != 0 ? CELL_RAMP : 0) | (Offset[i] != 0 ? CELL_OFFSET : 0) |
         (Shape[i] != 1 ? CELL_SHAPE : 0) | level(Volume[i]);
}

Fl_Color MapVolumeColor(float db) { return scale()[level(db)]; }

void CueMapInvalidate() { summaryValid = false; }

void CueMapCheck() {
  if (!CueMap) return;
  int cols[NCUES], n = 0;
  for (int k = 0; k < NCUES; k++)
    if (IndexActiveArray[k] == 1) cols[n++] = k;
  int cue = CurrentCue(), bank = CurrentBank();
  // A new column list or outline redraws everything; otherwise only what changed.
  bool all = !summaryValid || n != NMapCols || memcmp(cols, MapCols, n * sizeof cols[0]) != 0 ||
             cue != shownCue || bank != shownBank;
  if (all) {
    memcpy(MapCols, cols, n * sizeof cols[0]);
    NMapCols = n, shownCue = cue, shownBank = bank, summaryValid = true;
  }
  bool heads = false;
  for (int c = 0; c < n; c++) {
    uint32_t h = colHead(cols[c]);
    heads = heads || h != colHeads[c];
    colHeads[c] = h;
  }
  if (heads && !all) damageBox(areaX(), CueMap->y(), areaW(), MAP_HEAD_H, false);
  for (int r = 0; r < NSLOTS; r++) {
    uint32_t h = rowHead(MapRowSlot(r));
    if (h == rowHeads[r]) continue;
    rowHeads[r] = h;
    int y = areaY() + rowOff(r), y1 = std::min(areaY() + rowOff(r + 1), areaY() + areaH());
    if (!all && r >= MapRow0 && y < y1) damageBox(CueMap->x(), y, MAP_LABEL_W, y1 - y, false);
  }
  int r0 = NSLOTS, c0 = n, r1 = -1, c1 = -1;  // the cells that changed lie in these rows and columns
  for (int r = 0; r < NSLOTS; r++) {
    int s = MapRowSlot(r);
    uint16_t *m = MapCells + r * NCUES;
    for (int c = 0; c < n; c++) {
      uint16_t code = MapCellCode(s, cols[c]);
      if (m[c] == code) continue;
      m[c] = code;
      r0 = std::min(r0, r), r1 = r, c0 = std::min(c0, c), c1 = std::max(c1, c);
    }
  }
  if (all) CueMapLayout();
  else if (r1 >= 0) damageCells(r0, c0, r1, c1);
}

// ---- the view

bool MapCellAt(int x, int y, int &row, int &col) {
  int px = x - areaX(), py = y - areaY();
  if (px < 0 || py < 0 || px >= areaW() || py >= areaH()) return false;
  col = MapCol0 + (int)(px / MapCellW), row = MapRow0 + (int)(py / MapCellH);
  return col < NMapCols && row < NSLOTS;
}

void MapCellBox(int row, int col, int &x, int &y, int &w, int &h) {
  x = areaX() + colOff(col), y = areaY() + rowOff(row);
  w = colOff(col + 1) - colOff(col), h = rowOff(row + 1) - rowOff(row);
}

void CueMapLayout() {
  if (!CueMap || !CueMapHScroll || !CueMapVScroll) return;
  int vr = visibleRows(), vc = visibleCols();
  MapRow0 = std::max(0, std::min(MapRow0, NSLOTS - vr));
  MapCol0 = std::max(0, std::min(MapCol0, NMapCols - vc));
  CueMapVScroll->value(MapRow0, vr, 0, NSLOTS);
  CueMapHScroll->value(MapCol0, vc, 0, std::max(NMapCols, 1));
  CueMap->redraw();
}

void CueMapZoomIn() {
  MapCellW = std::min<double>(MAP_CELL_W, MapCellW * 2);
  MapCellH = std::min<double>(MAP_CELL_H, MapCellH * 2);
  CueMapLayout();
}

void CueMapZoomOut() {
  MapCellW = std::max(0.25, MapCellW / 2);
  MapCellH = std::max(1.0, MapCellH / 2);
  CueMapLayout();
}

void CueMapFit() {
  MapCellW = std::min<double>(MAP_CELL_W, std::max(0.25, areaW() / (double)std::max(NMapCols, 1)));
  MapCellH = std::min<double>(MAP_CELL_H, std::max(1.0, areaH() / (double)NSLOTS));
  MapRow0 = MapCol0 = 0;
  CueMapLayout();
}

namespace {

void drawBox(int X, int Y, int W, int H) {
  if (W <= 0 || H <= 0) return;
  drawCells(X, Y, W, H);
  drawOutline();
  drawSelection();
  if (X < areaX()) drawRowLabels();
  if (Y < areaY()) drawHeads();
  if (X < areaX() && Y < areaY()) drawLegend();
}

}  // namespace

void CueMapView::draw() {
  int X, Y, W, H;
  bool flushing = fl_clip_region() != 0;  // not when drawn into an offscreen image
  if (flushing && damage() == FL_DAMAGE_USER1 && nparts <= MAX_PARTS) {
    for (int i = 0; i < nparts; i++) {
      const Box &b = parts[i];
      fl_push_clip(b.x, b.y, b.w, b.h);
      fl_clip_box(b.x, b.y, b.w, b.h, X, Y, W, H);
      drawBox(X, Y, W, H);
      fl_pop_clip();
    }
  } else {
    fl_clip_box(x(), y(), w(), h(), X, Y, W, H);
    drawBox(X, Y, W, H);
  }
  if (flushing) nparts = 0;
}

void CueMapView::resize(int x, int y, int w, int h) {
  Fl_Widget::resize(x, y, w, h);
  CueMapLayout();
}

// ---- navigation

void CueMapGoto(int row, int col) {
  if (row < 0 || row >= NSLOTS || col < 0 || col >= NMapCols) return;
  int bank = slotBank(MapRowSlot(row));
  TimeIndex->value(MapCols[col] + 1);
  if (bank) Bank->value(bank);
  StageVolPlateUpdate();
}

void CueMapMove(int columns, int banks) {
  int cue = CurrentCue(), c = -1;
  if (columns && NMapCols) {
    c = int(std::lower_bound(MapCols, MapCols + NMapCols, cue) - MapCols);
    bool at = c < NMapCols && MapCols[c] == cue;
    c = std::max(0, std::min(NMapCols - 1, c + columns - (columns > 0 && !at)));
    TimeIndex->value(MapCols[c] + 1);
  }
  int bank = std::max(1, std::min((int)Bank->maximum(), CurrentBank() + banks));
  Bank->value(bank);
  StageVolPlateUpdate();
  // Keep the outline in view.
  int vc = visibleCols(), vr = visibleRows(), r = MapSlotRow(StripSlot(1, bank));
  if (c >= 0) MapCol0 = std::min(c, std::max(MapCol0, c - vc + 1));
  if (banks) MapRow0 = std::min(r, std::max(MapRow0, r + 10 - vr));
  CueMapLayout();
}

// ---- selecting by mouse and keys

void SelectMapRect(int row0, int col0, int row1, int col1) {
  CellRange was = MapSelection;
  MapSelection = CellRange{};
  for (int r = std::max(0, std::min(row0, row1)); r <= std::min(NSLOTS - 1, std::max(row0, row1)); r++)
    MapSelection.row[r] = true;
  for (int c = std::max(0, std::min(col0, col1)); c <= std::min(NMapCols - 1, std::max(col0, col1)); c++)
    MapSelection.cue[MapCols[c]] = true;
  CueMapSelectionChanged(was);
}

void CueMapSelectionChanged(const CellRange &was) {
  if (!CueMap) return;
  char size[64];
  DescribeRange(MapSelection, size, sizeof size);
  MapSelectSize->copy_label(size[0] ? size : "nothing selected");
  MapSelectField->value(RangeText(MapSelection).c_str());
  damageFrames(was);
  damageFrames(MapSelection);
}

namespace {

// The row and column under a point, kept within the map.
int rowAt(int y) { return std::max(0, std::min(NSLOTS - 1, MapRow0 + (int)std::floor((y - areaY()) / MapCellH))); }
int colAt(int x) { return std::max(0, std::min(NMapCols - 1, MapCol0 + (int)std::floor((x - areaX()) / MapCellW))); }

void selectCorners() { SelectMapRect(anchorRow, anchorCol, farRow, farCol); }

// A selection by keys or Shift+click starts at the current cell: the last one
// clicked, else the bank's first row at the current cue.
void startAtCurrent() {
  if (anchorRow >= 0) return;
  anchorRow = farRow = MapSlotRow(StripSlot(1, CurrentBank()));
  anchorCol = farCol = std::max(0, columnOf(CurrentCue()));
}

// A press on a cell, a row label or a column head; with Shift the selection
// reaches there from the current cell.
void press() {
  int x = Fl::event_x(), y = Fl::event_y(), r, c;
  bool shift = Fl::event_state(FL_SHIFT);
  if (!NMapCols) return;
  if (shift) startAtCurrent();
  if (MapCellAt(x, y, r, c)) {
    if (!shift) CueMapGoto(r, c), anchorRow = r, anchorCol = c;
    farRow = r, farCol = c, dragging = DRAG_CELLS;
  } else if (x < areaX() && y >= areaY()) {
    if (!shift) anchorRow = rowAt(y);
    farRow = rowAt(y), anchorCol = 0, farCol = NMapCols - 1, dragging = DRAG_ROWS;
  } else if (y < areaY() && x >= areaX()) {
    if (!shift) anchorCol = colAt(x);
    farCol = colAt(x), anchorRow = 0, farRow = NSLOTS - 1, dragging = DRAG_COLUMNS;
  } else {
    return;
  }
  selectCorners();
}

void drag() {
  int r = dragging == DRAG_COLUMNS ? farRow : rowAt(Fl::event_y());
  int c = dragging == DRAG_ROWS ? farCol : colAt(Fl::event_x());
  if (r == farRow && c == farCol) return;
  farRow = r, farCol = c;
  selectCorners();
}

// The map's own keys: + and - trim (with Shift by a tenth), Shift and an arrow
// grow or shrink the selection, and the keys of the Edit menu.
bool key() {
  int key = Fl::event_key(), state = Fl::event_state();
  bool shift = state & FL_SHIFT, plain = !(state & (FL_CTRL | FL_ALT | FL_META));
  static const struct {
    int key;
    float db;
  } trims[] = {{'=', 1}, {'+', 1}, {FL_KP + '+', 1}, {'-', -1}, {FL_KP + '-', -1}};
  for (auto t : trims)
    if (plain && key == t.key) return TrimSelection(shift ? t.db / 10 : t.db), true;
  static const struct {
    int key, rows, cols;
  } grows[] = {{FL_Left, 0, -1}, {FL_Right, 0, 1}, {FL_Up, -1, 0}, {FL_Down, 1, 0}};
  for (auto g : grows)
    if (plain && shift && key == g.key && NMapCols) {
      startAtCurrent();
      farRow = std::max(0, std::min(NSLOTS - 1, farRow + g.rows));
      farCol = std::max(0, std::min(NMapCols - 1, farCol + g.cols));
      selectCorners();
      return true;
    }
  const Fl_Menu_Item *m = MapEditMenu->test_shortcut();
  if (m) m->do_callback(CueMap);
  return m != nullptr;
}

}  // namespace

int CueMapView::handle(int event) {
  switch (event) {
    case FL_PUSH:
      take_focus();
      press();
      return 1;
    case FL_DRAG:
      if (dragging) drag();
      return 1;
    case FL_RELEASE:
      dragging = DRAG_NONE;
      return 1;
    case FL_FOCUS:
    case FL_UNFOCUS:
    case FL_ENTER:
      return 1;
    case FL_MOVE:
      hover();
      return 1;
    case FL_LEAVE:
      PointerTip(CueMap, 0, 0, 0, 0, "");
      return 1;
    case FL_MOUSEWHEEL:
      (Fl::event_state(FL_SHIFT) ? MapCol0 : MapRow0) += 3 * Fl::event_dy();  // Shift: sideways
      MapCol0 += 3 * Fl::event_dx();
      CueMapLayout();
      return 1;
    case FL_KEYBOARD: {
      if (key()) return 1;
      static const struct {
        int key, columns, banks;
      } moves[] = {{FL_Left, -1, 0},  {FL_Right, 1, 0},     {FL_Up, 0, -1},
                   {FL_Down, 0, 1},   {FL_Page_Up, -1, 0},  {FL_Page_Down, 1, 0}};
      for (auto m : moves)
        if (Fl::event_key() == m.key) {
          int page = m.key == FL_Page_Up || m.key == FL_Page_Down ? visibleCols() : 1;
          CueMapMove(m.columns * page, m.banks);
          return 1;
        }
      return 0;
    }
  }
  return Fl_Widget::handle(event);
}

// ---- the window

void ShowCueMap() {
  if (!CueMapWindow) return;
  CueMapInvalidate();
  CueMapCheck();
  CueMapWindow->show();
}

void HideCueMap() {
  if (CueMapWindow) CueMapWindow->hide();
}

Fl_Double_Window *make_window10() {
  enum { W = 900, H = 640, BAR = 26, SB = 16 };
  Fl_Double_Window *w = CueMapWindow = new Fl_Double_Window(W, H, "Cue Map");
  CueMap = new CueMapView(0, BAR, W - SB, H - BAR - SB);
  CueMapVScroll = new Fl_Scrollbar(W - SB, BAR, SB, H - BAR - SB);
  CueMapHScroll = new Fl_Scrollbar(0, H - SB, W - SB, SB);
  CueMapHScroll->type(FL_HORIZONTAL);
  for (Fl_Scrollbar *s : {CueMapHScroll, CueMapVScroll}) {
    s->linesize(1);
    s->clear_visible_focus();
    s->callback(Call<scrolled>);
  }
  tool(4, 70, "Zoom out", Call<CueMapZoomOut>);
  tool(78, 70, "Zoom in", Call<CueMapZoomIn>);
  tool(152, 50, "Fit", Call<CueMapFit>);
  MapEditButton = tool(210, 50, "Edit", editMenu);
  MapSelectField = new Fl_Input(305, 3, 230, 20, "Select");
  MapSelectField->labelsize(12);
  MapSelectField->textsize(12);
  MapSelectField->tooltip("Slots, then @ and time indexes: 1-20,G1 @ 10-40 (G submixes, V VCAs, M the master)");
  MapSelectField->when(FL_WHEN_ENTER_KEY_ALWAYS);
  MapSelectField->callback(Call<selectTyped>);
  MapSelectSize = new Fl_Box(545, 3, 340, 20, "nothing selected");
  MapSelectSize->labelsize(12);
  MapSelectSize->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  w->resizable(CueMap);
  w->size_range(400, 300);
  w->end();
  CueMapLayout();
  return w;
}
