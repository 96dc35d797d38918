// The journal: every change to the model, whatever made it, as steps that undo and redo.
#ifndef CORVESSA_UNDO_H
#define CORVESSA_UNDO_H

#include <cstddef>

// Empties the history and takes the model as it stands as the start and as stored.
void StartJournal();

// Records what changed in the model since the last step as one step (nothing
// when nothing changed). Runs after every event; a command's changes are one step.
void RecordStep();
// Names the step the running command makes ("Recall All"); the outermost name wins.
void NameStep(const char *name);

// Puts the model back as it was before the last step, or forward again, and shows it.
void Undo();
void Redo();

// A store wrote, or a recall read, one of the files (FADER_FILE...): what it
// carries is no longer unstored.
void ModelMatchesFile(int file);
// Whether the model holds changes that no store has written since the last recall.
bool UnstoredChanges();

// The history's bounds and what it holds now.
enum { MAX_STEPS = 1000 };
const size_t MAX_HISTORY_BYTES = 64u << 20;
int UndoSteps();  // steps that can be undone
size_t HistoryBytes();

#endif
