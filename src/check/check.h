// "corvessa --check" and "corvessa --diff": the files of a mix read as "Recall
// All" reads them, into a fresh start-up model, with no window and no display.
#ifndef CORVESSA_CHECK_H
#define CORVESSA_CHECK_H

// Prints every message and hint that a recall of the folder's three files lists,
// one a line, as "FILE:LINE: text" ("FILE: text" for one about the whole file).
// 0 when there is none, 1 when there are, 2 when the folder or a file cannot be
// read (said on standard error). Nothing is written.
int CheckFolder(const char *folder);

// Compares two mixes: two folders, or two files of the same kind (told by their
// names: faders.txt, prefs.txt, tracks.txt). Prints one line per difference, in
// the words of the undo status line with both values, then the carried-over
// lines added and removed. 0 when they are equal, 1 when they differ, 2 on trouble.
// Given git's seven arguments of an external diff (path, old file, hex, mode,
// new file, hex, mode), compares the two files as kind path, and returns 0 when
// they differ too, as git expects.
int DiffMixes(int argc, const char *const *argv);

#endif
