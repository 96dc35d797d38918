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
// each line's place added to places when that is given. The number of
// differences, all of them, is returned.
size_t Differences(const std::string &a, const std::string &b, std::vector<std::string> &lines,
                   size_t limit = (size_t)-1, int file = 0, std::vector<ModelPlace> *places = nullptr);

// The lines that a store of the file (faders.txt or prefs.txt) carries over from
// text: those that are not its records. tracks.txt carries none.
std::vector<std::string> CarriedLines(const std::string &file, const std::string &text);
// A line for every carried-over line that b has and a lacks ("added line of
// faders.txt: "# a note"") and every one that a has and b lacks ("removed line").
size_t LineDifferences(const std::string &file, const std::string &a, const std::string &b,
                       std::vector<std::string> &lines, size_t limit = (size_t)-1);

#endif
