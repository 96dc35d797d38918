// What the recall and store commands say of the file in front of them: missing,
// a folder, a FIFO, not text (UTF-16), or text with a UTF-8 byte-order mark (too
// large: the fault tests). The status line, the messages, the model and the file
// as they leave them; what the texts hold: the readers' and writers' own tests.
#include <optional>

#include "testutil.h"

namespace {

using FileCommandsTest = ConsoleTest;

std::string utf16(const std::string &text, const char *mark) {
  std::string out = mark;
  for (char c : text) out += std::string{c, '\0'};
  return out;
}

// What a step puts in the file's place first; KEEP leaves what the step before left.
enum Put { KEEP, MISSING, BYTES, FOLDER, FIFO };

const char F[] = "faders.txt", P[] = "prefs.txt", T[] = "tracks.txt";
const std::string Bom = "\xEF\xBB\xBF";
// Statuses that follow the file's name.
const char NotText[] = " is not a text file Corvessa can read (UTF-16?)";

TEST_F(FileCommandsTest, EachCommandOnEachKindOfFile) {
  const struct {
    const char *file;
    void (*command)();
    Put put;
    std::string bytes;
    const char *status, *listed = "", *changed = "";  // Listed(), Changed(before)
    const char *after = nullptr;                       // the file, when not the bytes put
  } steps[] = {
      {F, StageReadFromFile, MISSING, "", "Read 0 bytes from faders.txt", "", "", "MixFilename\n"},  // made
      {F, StageReadFromFile, FIFO, "", "Read 0 bytes from faders.txt", "0: fader file read error\n"},  // no wait
      {F, StageReadFromFile, BYTES, utf16("Mix\n", "\xFF\xFE"), NotText, "0: faders.txt is not a text file\n"},
      {F, Committed<StageWriteToFile>, KEEP, "", "Not stored: faders.txt changed on disk",
       "0: faders.txt is not a text file\n"},
      {F, StageReadFromFile, BYTES, Bom + "My Mix\n", "Read 7 bytes from faders.txt", "",
       "Peak Comp of channel 1, mix name"},
      {P, ReadPreferencesFile, MISSING, "", "kept"},
      {P, ReadPreferencesFile, FOLDER, "", "Could not read prefs.txt"},
      {P, ReadPreferencesFile, BYTES, Bom + "color\t300\n", "Read 10 bytes from prefs.txt",
       "1: line 1 of prefs.txt: the \"color\" value 300 is kept as read, though the preferences window takes 0 to 255\n",
       "Color"},
      {P, Committed<WritePreferencesFile>, KEEP, "", "Wrote 83 bytes to prefs.txt", "", "",  // clamped by the refresh
       "pre\toff\nstart\t0.000\t0.000\t0\nlength\t0.000\npan\t3.0\noutbits\t24\ndither\t1\ncolor\t255\nend\n"},
      {T, ReadTracksFile, BYTES, utf16("1 Kick +\n", ""), NotText},
  };
  Pcomp[NGROUPS] = 1;  // what a read of any fader text would clear
  CopyName(NameBuffer[1], "Mine", sizeof NameBuffer[1]);
  std::optional<std::string> held;  // the bytes put, while the file holds them
  for (auto &s : steps) {
    SCOPED_TRACE(std::string(s.file) + ", step " + std::to_string(&s - steps));
    if (s.put != KEEP) {
      remove(s.file);
      held.reset();
      if (s.put == BYTES) held = s.bytes, WriteFile(s.file, s.bytes);
      if (s.put == FOLDER) mkdir(s.file, 0755);
      if (s.put == FIFO) mkfifo(s.file, 0644);
    }
    ClearMessages();
    SetStatus("kept");
    const std::string before = Model();
    const std::string out = Printed(s.command);
    EXPECT_EQ(Status(), *s.status == ' ' ? s.file + std::string(s.status) : s.status);
    EXPECT_EQ(Listed(), s.listed);
    std::string printed;  // every message of a command is printed as well, but the hints
    for (int i = 0; i < MessageCount(); i++)
      if (MessageAt(i).message.compare(0, 5, "line ")) printed += MessageAt(i).message + "\n";
    EXPECT_EQ(out, printed);
    EXPECT_EQ(Changed(before), s.changed);
    if (s.after || held) {
      EXPECT_EQ(ReadFile(s.file), s.after ? s.after : *held);
    }
  }
}

}  // namespace
