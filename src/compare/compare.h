// Two mixes compared in the user's words: every element of the model that differs,
// as the undo status line names it, with both values ("volume of channel 13 at
// time index 5: -6.00 -> -4.00"), and the lines the files carry over.
#ifndef CORVESSA_COMPARE_H
#define CORVESSA_COMPARE_H

#include <cstddef>
#include <string>
#include <vector>

struct ModelTable;

// The whole model as bytes, table after table as ModelTables lists them.
std::string ModelImage();
// Lays an image taken by ModelImage back over the model.
void SetModelImage(const std::string &image);

// Where a difference lies: a table of ModelTables and an element of it.
struct ModelPlace {
  int table, element;
};
// The file under which a table's differences are listed (FADER_FILE...): tracks.txt
// for what it carries, else faders.txt, else prefs.txt.
int ListedUnder(const ModelTable &t);

// One line per element in which image b differs from image a, in table order,
// at most limit lines; only the tables listed under file when it is given, and
// each line's place added to places when that is given. With asWritten, values
// that the files write alike (-6.001 and -6.00) count as equal. The number of
// differences, all of them, is returned.
size_t Differences(const std::string &a, const std::string &b, std::vector<std::string> &lines,
                   size_t limit = (size_t)-1, int file = 0, std::vector<ModelPlace> *places = nullptr,
                   bool asWritten = false);

// Leaves in the model only what the files can carry: the cues in use moved to the
// front in their order and the others emptied, and put back to start-up the values
// of entries switched off, the parameters of effects and filters switched off, and
// the reverb settings that no send uses.
void AsFilesCarry();
// The settings of the console that the three texts (as a store writes them) do not
// bring back into a fresh start-up console, one line each ("Pan law: 0.0 is not
// kept by the files; a recall gives 3.0"). The model is left as it was.
size_t SettingsNotKept(const std::string &faders, const std::string &prefs, const std::string &tracks,
                       std::vector<std::string> &lines);

// The lines that a store of the file (faders.txt or prefs.txt) carries over from
// text: those that are not its records. tracks.txt carries none.
std::vector<std::string> CarriedLines(const std::string &file, const std::string &text);
// A line for every carried-over line that b has and a lacks ("added line of
// faders.txt: "# a note"") and every one that a has and b lacks ("removed line").
size_t LineDifferences(const std::string &file, const std::string &a, const std::string &b,
                       std::vector<std::string> &lines, size_t limit = (size_t)-1);

#endif
