// What is kept, in windows: the recovery of unstored changes and the "Unstored
// Changes" window at start-up, the "History" of replaced files, and "Compare".
#ifndef CORVESSA_KEEPWINDOWS_H
#define CORVESSA_KEEPWINDOWS_H

// ---- unstored changes

// After every event: a trouble in keeping is said once on the status line.
void KeepCheck();

#endif
