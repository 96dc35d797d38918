// The journal: every change to the model, whatever made it, as steps that undo and redo.
// It keeps and swaps model bytes only: the windows show what an undo returns.
#ifndef CORVESSA_UNDO_H
#define CORVESSA_UNDO_H

#include <cstddef>
#include <string>

// Empties the history and takes the model as it stands as the start and as stored.
void StartJournal();

// Records what changed in the model since the last step as one step (nothing
// when nothing changed). Runs after every event; a command's changes are one step.
// source is what made the change (the control with the focus): repeated changes
// of one source merge into one step, unless they were typed into a field.
void RecordStep(const void *source = nullptr, bool typed = false);
// Names the step the running command makes ("Recall All"); the outermost name wins.
void NameStep(const char *name);
// Gives the running command's step the name it could only know once done
// ("trim -3.0 dB of 37 entries"), in place of the one it was given at its start.
void RenameStep(const char *name);

// What an undo or redo did, for the windows to show: the status text ("Undone:
// volume of channel 13 at time index 5", "Nothing to undo"), and the one cue and
// channel bank of the faders window it touched (-1 for none or several).
struct StepShown {
  std::string status;
  int cue = -1, bank = -1;
  bool moved = false;  // the model changed
};
// Puts the model back as it was before the last step, or forward again.
StepShown UndoStep();
StepShown RedoStep();

// A store wrote, or a recall read, one of the files (FADER_FILE...): what it
// carries is no longer unstored.
void ModelMatchesFile(int file);
// Whether the model holds changes that no store has written since the last recall.
bool UnstoredChanges();
// Grows with every change of the model the journal sees, an undo and a redo too.
long ModelVersion();

// The history's bounds and what it holds now.
enum { MAX_STEPS = 1000 };
const size_t MAX_HISTORY_BYTES = 64u << 20;
int UndoSteps();  // steps that can be undone
size_t HistoryBytes();

#endif
