// The cue map: every slot's entries at every cue in use, in one picture, to
// look at and to move the faders window with.
#ifndef CORVESSA_CUEMAP_H
#define CORVESSA_CUEMAP_H

#include <FL/Fl_Widget.H>
#include <cstdint>

#include "model/model.h"
#include "range/range.h"

class Fl_Box;
class Fl_Button;
class Fl_Double_Window;
class Fl_Input;
class Fl_Scrollbar;
struct Fl_Menu_Item;

// The map: cells, row labels, column heads and the legend, drawn by one widget
// so that the labels and heads stay in view while the cells scroll.
class CueMapView : public Fl_Widget {
 public:
  CueMapView(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}
  void draw() override;
  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;
};

extern Fl_Double_Window *CueMapWindow;
extern CueMapView *CueMap;
extern Fl_Scrollbar *CueMapHScroll, *CueMapVScroll;

Fl_Double_Window *make_window10();
void ShowCueMap();
void HideCueMap();

// What the map shows, kept to tell what changed: the cues in use (one column
// each), and a code per cell (row r, column c is element r * NCUES + c).
enum {
  CELL_ENTRY = 0x8000,   // the slot has an entry at the cue; the low byte is its volume's level
  CELL_RAMP = 0x100,
  CELL_OFFSET = 0x200,
  CELL_SHAPE = 0x400
};
extern int MapCols[NCUES], NMapCols;
extern uint16_t MapCells[NSLOTS * NCUES];
uint16_t MapCellCode(int slot, int cue);

// Compares what the map shows with the model and damages only what changed;
// the event loop runs it after every event while the map is shown.
void CueMapCheck();
// Forgets what the map shows: the next check re-reads and redraws all of it.
void CueMapInvalidate();

// The volume scale of the cells and the legend: MAP_DB_LOW dB and below at one
// end, MAP_DB_HIGH dB at the other.
enum { MAP_DB_LOW = -60, MAP_DB_HIGH = 12 };
Fl_Color MapVolumeColor(float db);
extern const Fl_Color MapPlainColor, MapOutlineColor, MapMarkColor, MapSelectColor;

// The view: cell size in pixels and the first row and column shown.
extern double MapCellW, MapCellH;
extern int MapRow0, MapCol0;
enum { MAP_LABEL_W = 180, MAP_HEAD_H = 76, MAP_CELL_W = 28, MAP_CELL_H = 14 };
void CueMapZoomIn();
void CueMapZoomOut();
void CueMapFit();
void CueMapLayout();  // after a change of the view: scrollbars and a full redraw
// The cell under a point of the window, false outside the cells; and a cell's box.
bool MapCellAt(int x, int y, int &row, int &col);
void MapCellBox(int row, int col, int &x, int &y, int &w, int &h);

// Navigation: the faders window to a cell (time index and bank), or the outline
// moved by columns and banks.
void CueMapGoto(int row, int col);
void CueMapMove(int columns, int banks);

// ---- ranges of cells: selected by mouse, keys or typed, and edited at once

extern CellRange MapSelection;
extern Fl_Input *MapSelectField;  // the selection as typed; Enter selects what it holds
extern Fl_Box *MapSelectSize;     // "20 channels x 31 cues"
extern Fl_Button *MapEditButton;  // pops up MapEditMenu
extern Fl_Menu_Item MapEditMenu[];  // the commands below, with the map's keys for them

// Selects a typed selection ("1-20,G1 @ 10-40"); false, with a message that says
// where, and the selection as it was, when the text cannot be read.
bool SelectCells(const char *text);
// Rows row0..row1 by columns col0..col1 of the map, either way round.
void SelectMapRect(int row0, int col0, int row1, int col1);
void SelectAllCells();
void SelectNoCells();
// Each edit is one undo step and says on the status line what it changed.
void SetSelectionLevel(float db);
void TrimSelection(float db);
void AddEntries();
void RemoveEntries();
void CopyCells();
void PasteCells();       // the copied block at the selection's top-left cell
void PasteCellsMerge();  // the same, only the block's entries
void RemoveRedundantEntries();
// Shows the selection afresh after MapSelection changed from was.
void CueMapSelectionChanged(const CellRange &was);

#endif
