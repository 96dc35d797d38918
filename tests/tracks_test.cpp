// tracks.txt: which channels the writer lists and how, what the reader takes
// from a file, and failed stores.
#include <cstring>
#include <dirent.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/app.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "testutil.h"

namespace {

class TracksTest : public ConsoleTest {};

void name(int c, const char *text) { strcpy(NameBuffer[c], text); }

std::string written() {
  WriteTracksFile();
  return ReadFile("tracks.txt");
}

void readFrom(const std::string &text) {
  WriteFile("tracks.txt", text);
  ReadTracksFile();
}

std::set<std::string> entries() {
  std::set<std::string> names;
  DIR *d = opendir(".");
  while (dirent *e = readdir(d))
    if (strcmp(e->d_name, ".") && strcmp(e->d_name, "..")) names.insert(e->d_name);
  closedir(d);
  return names;
}

}  // namespace

TEST_F(TracksTest, WritesUpToTheLastNamedUnmutedChannel) {
  name(1, "Kick");
  name(3, "Snare");
  MuteArray[3] = 1;
  name(4, "Vox");
  SoloArray[4] = 1;
  std::string want = "1 Kick +\n2 ---- off\n3 Snare off\n4 Vox ++\nend\n";
  EXPECT_EQ(written(), want);
  EXPECT_EQ(Status(), "Wrote 45 bytes to tracks.txt");
  EXPECT_STREQ(NameBuffer[2], "----");  // the model itself changes
  EXPECT_EQ(MuteArray[2], 1);
  EXPECT_EQ(MuteArray[4], 0);
  EXPECT_STREQ(NameBuffer[5], "");
  EXPECT_EQ(written(), want);

  // Soloed and muted is written "++".
  MuteArray[4] = 1;
  name(6, "Bass");
  EXPECT_EQ(written(), "1 Kick +\n2 ---- off\n3 Snare off\n4 Vox ++\n5 ---- off\n6 Bass +\nend\n");
}

TEST_F(TracksTest, ChannelsAboveTheLastAreLeftOut) {
  name(5, "Muted");
  MuteArray[5] = 1;
  EXPECT_EQ(written(), "1 ---- off\nend\n");
  EXPECT_STREQ(NameBuffer[1], "----");
  EXPECT_EQ(MuteArray[1], 1);

  name(6, "Gtr");
  name(10, "Keys");
  MuteArray[10] = 1;
  std::string text = written();
  EXPECT_EQ(text.substr(text.size() - 13), "\n6 Gtr +\nend\n");
  EXPECT_EQ(text.find("Keys"), std::string::npos);
}

TEST_F(TracksTest, ReadsRecordsInOrder) {
  readFrom("5 Kick +\n 2  Lead Vox  ++\n\n3 Snare off\r\n4 Hat\n9 +\n");
  EXPECT_EQ(Status(), "Read 50 bytes from tracks.txt");
  EXPECT_STREQ(NameBuffer[1], "Kick");  // record 1, whatever its number
  EXPECT_STREQ(NameBuffer[2], "Lead Vox");
  EXPECT_EQ(SoloArray[2], 1);
  EXPECT_EQ(MuteArray[2], 0);
  EXPECT_STREQ(NameBuffer[3], "Snare");
  EXPECT_EQ(MuteArray[3], 1);
  EXPECT_STREQ(NameBuffer[4], "Hat");  // a lone word is a name...
  EXPECT_EQ(MuteArray[4], 0);
  EXPECT_STREQ(NameBuffer[5], "");     // ...unless it is a status
  EXPECT_EQ(MuteArray[5], 0);
  EXPECT_STREQ(NameBuffer[6], "");
}

TEST_F(TracksTest, NamesWithSpacesRoundTrip) {
  name(1, "Lead  Vox (double)");
  name(2, "end");
  name(3, "beginner");
  SoloArray[3] = 1;
  WriteTracksFile();
  ClearInternalArrays();
  ReadTracksFile();
  EXPECT_STREQ(NameBuffer[1], "Lead  Vox (double)");
  EXPECT_EQ(MuteArray[1], 0);
  EXPECT_STREQ(NameBuffer[2], "end");  // a name, not the end
  EXPECT_STREQ(NameBuffer[3], "beginner");
  EXPECT_EQ(SoloArray[3], 1);
}

TEST_F(TracksTest, FlagsAreOnlyEverSet) {
  MuteArray[1] = MuteArray[2] = 1;
  SoloArray[3] = 1;
  readFrom("1 A +\n2 B ++\n3 C +\n");
  EXPECT_EQ(MuteArray[1], 1);
  EXPECT_EQ(MuteArray[2], 1);
  EXPECT_EQ(SoloArray[2], 1);
  EXPECT_EQ(SoloArray[3], 1);
  EXPECT_EQ(MuteArray[3], 0);
}

TEST_F(TracksTest, HeaderAndEnd) {
  readFrom("Tracks of the mix begin\r\n1 Kick +\n2 Snare +\nend\n3 Late +\n");
  EXPECT_STREQ(NameBuffer[1], "Kick");
  EXPECT_STREQ(NameBuffer[2], "Snare");
  EXPECT_STREQ(NameBuffer[3], "");

  readFrom("1 beginner +\n2 Drums begin +\n");
  EXPECT_STREQ(NameBuffer[1], "beginner");
  EXPECT_STREQ(NameBuffer[2], "Drums begin");
}

TEST_F(TracksTest, NoMoreThan127Records) {
  std::string text;
  for (int c = 1; c <= 135; c++) text += std::to_string(c) + " T" + std::to_string(c) + " off\n";
  readFrom(text);
  EXPECT_STREQ(NameBuffer[127], "T127");
  EXPECT_STREQ(NameBuffer[128], "Submix 1");
  EXPECT_EQ(MuteArray[128], 0);
}

TEST_F(TracksTest, LongNamesStoreAndRecallWhole) {
  for (int c = 1; c <= 127; c++) {
    std::string n = std::to_string(c) + " " + std::string(127, 'a' + c % 26);
    CopyName(NameBuffer[c], n.c_str(), sizeof NameBuffer[c]);
  }
  std::string first = written();
  EXPECT_GT(first.size(), 16000u);
  ClearInternalArrays();
  ReadTracksFile();
  for (int c = 1; c <= 127; c++) {
    ASSERT_EQ(strlen(NameBuffer[c]), 127u) << c;
    EXPECT_EQ(NameBuffer[c][0], std::to_string(c)[0]) << c;
    EXPECT_EQ(MuteArray[c], 0);
  }
  EXPECT_EQ(written(), first);
}

TEST_F(TracksTest, MissingOrUnreadableFileChangesNothing) {
  SetStatus("kept");
  name(1, "Kick");
  ReadTracksFile();
  EXPECT_EQ(Status(), "kept");
  EXPECT_STREQ(NameBuffer[1], "Kick");

  mkdir("tracks.txt", 0755);
  ReadTracksFile();
  EXPECT_EQ(Status(), "Could not read tracks.txt");
  EXPECT_STREQ(NameBuffer[1], "Kick");
}

TEST_F(TracksTest, AFailedStoreKeepsTheOldFile) {
  name(1, "Kick");
  mkdir("tracks.txt", 0755);
  ClearStoreError();
  WriteTracksFile();
  EXPECT_NE(Status().find("tracks.txt"), std::string::npos) << Status();
  EXPECT_EQ(entries(), std::set<std::string>{"tracks.txt"});
  rmdir("tracks.txt");

  std::string old = "1 Old +\nend\n";
  WriteFile("tracks.txt", old);
  ClearStoreError();
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 5;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  WriteTracksFile();
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(ReadFile("tracks.txt"), old);
  EXPECT_EQ(entries(), std::set<std::string>{"tracks.txt"});
  EXPECT_NE(std::string(StoreError).find("tracks.txt"), std::string::npos) << StoreError;

  // "Store All" keeps the failure instead of claiming success.
  unlink("tracks.txt");
  mkdir("tracks.txt", 0755);
  SaveAll();
  EXPECT_NE(Status().find("tracks.txt"), std::string::npos) << Status();
  EXPECT_TRUE(FileExists("prefs.txt"));
}
