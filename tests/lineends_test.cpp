// What the readers take for text: LF, CR LF and lone CR line ends alike, a
// UTF-8 byte-order mark passed over, UTF-16 and binary files refused whole, and
// numbers that are infinite or not a number refused like the windows refuse them.
#include "testutil.h"

namespace {

class LineEndsTest : public ConsoleTest {};

// The whole model, byte for byte.
std::string model() {
  std::string s;
  for (int t = 0; t < NMODELTABLES; t++)
    s.append((const char *)ModelTables[t].address, (size_t)ModelTables[t].size * ModelTables[t].count);
  return s;
}

struct File {
  const char *name;
  void (*recall)(), (*store)();
  const char *text;  // in LF lines, with a line of the user's own
};
const File Files[] = {
    {"faders.txt", StageReadFromFile, StageWriteToFile,
     "Old Mix\n# mine\nsubname\t1\tDrums\nhp\t3\t80\nt\t0\t1\t250\nv\t3\t-6\ncue\tGo\nend\n"},
    {"prefs.txt", ReadPreferencesFile, WritePreferencesFile,
     "pre\ton\nstart\t1\t2\t3\n# mine\npath\t/opt/\nend\n"},
    {"tracks.txt", ReadTracksFile, WriteTracksFile, "begin\n1 Kick +\n2 Snare ++\n\n3 Hat off\nend\n"},
};

std::string withEnds(const std::string &text, const char *end, bool mixed) {
  std::string out;
  int n = 0;
  for (char c : text) {
    if (c != '\n')
      out += c;
    else
      out += mixed && n++ % 2 ? "\n" : end;
  }
  return out;
}

TEST_F(LineEndsTest, EveryLineEndReadsAndCarriesOverAlike) {
  struct Form {
    const char *what, *end;
    bool mixed;
    const char *mark;
  } forms[] = {{"CR LF", "\r\n", false, ""},
               {"lone CR", "\r", false, ""},
               {"CR and LF mixed", "\r", true, ""},
               {"CR LF and LF mixed", "\r\n", true, ""},
               {"a byte-order mark", "\n", false, "\xEF\xBB\xBF"}};
  for (const File &f : Files) {
    ClearInternalArrays();
    WriteFile(f.name, f.text);
    f.recall();
    const std::string want = model();
    f.store();
    const std::string stored = ReadFile(f.name);
    for (const Form &form : forms) {
      SCOPED_TRACE(std::string(f.name) + ", " + form.what);
      ClearInternalArrays();
      WriteFile(f.name, form.mark + withEnds(f.text, form.end, form.mixed));
      f.recall();
      EXPECT_EQ(model(), want);
      f.store();
      EXPECT_EQ(ReadFile(f.name), stored);
    }
  }
}

std::string utf16(const std::string &text, bool bigEndian, bool mark) {
  std::string out = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
  for (char c : text) {
    out += bigEndian ? '\0' : c;
    out += bigEndian ? c : '\0';
  }
  return out;
}

TEST_F(LineEndsTest, FilesThatAreNotTextAreNotRecalled) {
  std::string binary;
  for (int i = 0; i < 3000; i++) binary += (char)(i * 7 % 256);
  for (const File &f : Files) {
    for (const std::string &bytes :
         {utf16(f.text, false, true), utf16(f.text, true, true), utf16(f.text, false, false), binary}) {
      SCOPED_TRACE(std::string(f.name) + ": " + bytes.substr(0, 4));
      ClearInternalArrays();
      CopyName(NameBuffer[1], "Mine", sizeof NameBuffer[1]);
      const std::string before = model();
      WriteFile(f.name, bytes);
      RecallAll();
      EXPECT_EQ(Status(), std::string(f.name) + " is not a text file Corvessa can read (UTF-16?)");
      EXPECT_EQ(model(), before);
      // A store over it is refused once.
      f.store();
      EXPECT_EQ(ReadFile(f.name), bytes);
      unlink(f.name);
    }
  }
  // "Recall All" keeps the first failure, not the last file's count.
  WriteFile("prefs.txt", "pre\ton\nend\n");
  WriteFile("faders.txt", binary);
  RecallAll();
  EXPECT_EQ(Status(), "faders.txt is not a text file Corvessa can read (UTF-16?)");
  ASSERT_EQ(truncate("faders.txt", MaxFileSize + 1), 0);
  RecallAll();
  EXPECT_EQ(Status(), "faders.txt is too large to read");
  unlink("prefs.txt");

  // A NUL byte inside a record is an ordinary character.
  WriteFile("faders.txt", std::string("Mix\nt\t0\t0\t0\nv\t3\t-6\0x\nend\n", 24));
  StageReadFromFile();
  EXPECT_EQ(Volume[Entry(3, 0)], -6);
}

TEST_F(LineEndsTest, InfiniteAndNotANumberAreRefused) {
  struct Case {
    const char *name, *text;
    float *value;
  } cases[] = {
      {"faders.txt", "Mix\nt\t0\t0\t0\nv\t3\tinf\nend\n", &Volume[Entry(3, 0)]},
      {"faders.txt", "Mix\nhp\t3\tnan\nend\n", &Php[3 * NGROUPS + 1]},
      {"faders.txt", "Mix\nt\t0\t0\t0\nv\t3\t0\nofs\t-1e999\nend\n", &Offset[Entry(3, 0)]},
      {"prefs.txt", "head\tinf\nend\n", &HeadTailArray[0]},
      {"prefs.txt", "start\t1\tNaN\t3\nend\n", &PreviewArray[1]},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    *c.value = 0.5f;
    WriteFile(c.name, c.text);
    RecallAll();
    EXPECT_EQ(*c.value, 0.5f);
  }
  OutbitsStore = 24;
  WriteFile("prefs.txt", "outbits\t-inf\nend\n");
  ReadPreferencesFile();
  EXPECT_EQ(OutbitsStore, 24);
}

}  // namespace
