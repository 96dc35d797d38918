// What is kept in .corvessa/: every file a store replaced, byte for byte, once,
// within the caps; and the console compared with the stored files, file by file.
#include <unistd.h>

#include "filetest.h"
#include "keep/keep.h"

namespace {

class KeepTest : public FilesTest {
 protected:
  void SetUp() override { FilesTest::SetUp(), StartHistory(); }
};

using Texts = std::vector<std::string>;

// A store as the store commands make it: true when the file was replaced.
bool Store(const char *name, const std::string &text, bool anyway = false) {
  size_t n;
  return ReplaceFile(name, text.data(), text.size(), &n, !anyway) == WRITE_OK;
}

// The versions of a file the history keeps, oldest first.
Texts Kept(int file) {
  Texts t;
  for (const Version &v : ListHistory())
    if (v.file == file && !v.unstored) t.insert(t.begin(), ReadFile(v.path));
  return t;
}

TEST_F(KeepTest, EveryReplacedFileIsKeptOnceWithinTheCaps) {
  for (int f = 0; f < NKEPT; f++)
    for (const char *text : {"one\n", "two\n", "two\n", "three\n"}) EXPECT_TRUE(Store(KeptFiles[f], text));
  for (int f = 0; f < NKEPT; f++) EXPECT_EQ(Kept(f), (Texts{"one\n", "two\n"})) << KeptFiles[f];
  // A file never read is replaced only when the store is given anyway, and kept.
  WriteFile("prefs.txt", "last week\n");
  EXPECT_FALSE(Store("prefs.txt", "four\n"));
  EXPECT_TRUE(Store("prefs.txt", "four\n", true));
  EXPECT_EQ(Kept(KEPT_PREFS), (Texts{"one\n", "two\n", "last week\n"}));
  // A file linked elsewhere is written over in place: its version is a copy.
  ASSERT_EQ(link("tracks.txt", "linked.txt"), 0);
  EXPECT_TRUE(Store("tracks.txt", "four\n"));
  EXPECT_EQ(ReadFile("linked.txt"), "four\n");
  EXPECT_EQ(Kept(KEPT_TRACKS), (Texts{"one\n", "two\n", "three\n"}));
  // The oldest go first: beyond two versions of a file, then beyond 12 bytes in all.
  HistoryMaxVersions = 2;
  EXPECT_TRUE(Store("faders.txt", "four\n"));
  EXPECT_EQ(Kept(KEPT_FADERS), (Texts{"two\n", "three\n"}));
  HistoryMaxBytes = 12;
  EXPECT_TRUE(Store("faders.txt", "five\n"));
  EXPECT_EQ(Kept(KEPT_FADERS), (Texts{"three\n", "four\n"}));
  EXPECT_EQ(Kept(KEPT_TRACKS), Texts{});
  EXPECT_EQ(KeepTrouble(), "");
}

TEST_F(KeepTest, WhereNothingCanBeKeptTheStoresStillWork) {
  WriteFile(".corvessa", "");
  for (const char *text : {"one\n", "two\n"}) EXPECT_TRUE(Store("faders.txt", text));
  EXPECT_EQ(ReadFile("faders.txt"), "two\n");
  EXPECT_EQ(KeepTrouble(), "no history is kept: .corvessa: Not a directory");
  EXPECT_FALSE(WriteRecovery(StoreAllTexts()));
  EXPECT_EQ(KeepTrouble(), "unstored changes are not kept: .corvessa: Not a directory");
}

TEST_F(KeepTest, TheConsoleIsComparedWithTheStoredFilesFileByFile) {
  WriteFile("faders.txt", "Mix\n\nt\t0\t0.000\t0\nv\t13\t-6.00\nend\n");
  SetModelImage(StoredImage());
  Volume[Entry(13, 0)] = -4;
  CopyName(NameBuffer[2], "Snare", sizeof NameBuffer[2]);
  PanlawStore = 4.5;
  const struct {
    size_t limit;
    const char *lines;
  } lists[] = {
      {10000, "faders.txt: 1 difference\nvolume of channel 13 at time index 1: -6.00 -> -4.00\n"
              "tracks.txt: 1 difference\nname of channel 2: \"\" -> \"Snare\"\n"
              "prefs.txt: 1 difference\nPan law: 3.0 -> 4.5\n"},
      {1, "faders.txt: 1 difference\nvolume of channel 13 at time index 1: -6.00 -> -4.00\n"
          "tracks.txt: 1 difference\nprefs.txt: 1 difference\n... and 2 more\n"},
  };
  for (const auto &l : lists) {
    Texts lines;
    std::vector<ModelPlace> places;
    EXPECT_EQ(CompareList(StoredImage(), ModelImage(), lines, places, l.limit), 3u);
    std::string all;
    for (const std::string &line : lines) all += line + "\n";
    EXPECT_EQ(all, l.lines);
    EXPECT_EQ(ModelTables[places[1].table].address, (void *)Volume);
    EXPECT_EQ(places[1].element, Entry(13, 0));
  }
}

}  // namespace
