// The faders window's strips: which slot each one shows and edits in each bank,
// and what their controls refuse (which entry each control stores: the whole-mix
// test); number fields, of every window, store what was typed once the edit is finished.
#include <cmath>

#include "testutil.h"

using FadersStripsTest = ConsoleTest;

namespace {

// The twelve number displays, then the names of strips 11 and 12.
std::string Numbers() {
  return Values({DispNum1, DispNum2, DispNum3, DispNum4, DispNum5, DispNum6, DispNum7, DispNum8,
                 DispNum9, DispNum10, DispNum11, DispNum12, name11, name12});
}

// Presses one key in the field that has the focus, as the event loop would.
void Press(int key, const char *text) {
  static char buffer[8];
  snprintf(buffer, sizeof buffer, "%s", text);
  Fl::e_keysym = key, Fl::e_state = 0, Fl::e_text = buffer, Fl::e_length = (int)strlen(buffer);
  Fl::handle(FL_KEYBOARD, Fl::focus()->window());
}

}  // namespace

TEST_F(FadersStripsTest, BanksOneEightAndTwelve) {
  EXPECT_EQ(Numbers(), "1 2 3 4 5 6 7 8 9 10 1 1 Submix 1 VCA 1");
  Volume[Entry(71, 0)] = -1, Volume[Entry(SubSlot(8), 0)] = -3, Volume[Entry(VcaSlot(8), 0)] = -4;
  ShowBank(8);
  EXPECT_EQ(Numbers(), "71 72 73 74 75 76 77 78 79 80 8 8 Submix 8 VCA 8");
  EXPECT_EQ(Values({vol1, vol11, vol12}), "-1 -3 -4");
  // Bank 12's strips 11 and 12 are unavailable: not refreshed, and they store nothing.
  ShowBank(12);
  EXPECT_EQ(Numbers(), "111 112 113 114 115 116 117 118 119 120 12 12 (unavailable) (unavailable)");
  EXPECT_EQ(Values({vol11, vol12}), "-3 -4") << "keeps what Submix 8 and VCA 8 showed";
  const std::string before = Model();
  SetStatus("kept");
  Set(vol11, 0.75), Set(ramp12, 0.75), Set(A12, 1), Set(mute11, 1);
  EXPECT_EQ(Status(), "") << "their stores clear the status line all the same";
  EXPECT_EQ(Changed(before), "");
  // Strip 13 is the master in every bank; the spinners stay in range.
  Set(vol13, -12);
  EXPECT_EQ(Volume[Entry(MASTER, 0)], -12);
  TimeIndex->value(9999), Bank->value(-3), Fire(Bank);
  Set(vol1, -9);
  EXPECT_EQ(Volume[Entry(1, NCUES - 1)], -9);
}

TEST_F(FadersStripsTest, RampShapeAndPanRefuseWhatTheyDoNotAccept) {
  Ramp[Entry(4, 0)] = 2;
  SetStatus("kept");
  Set(ramp4, -1);
  EXPECT_EQ(Ramp[Entry(4, 0)], 2);
  EXPECT_EQ(Status(), "ramp takes 0 or more: -1 refused");
  EXPECT_EQ(ramp4->value(), 2) << "the field shows the stored value again";
  Set(ramp4, 0), Set(shape2, 0);
  EXPECT_EQ(Floats({Ramp[Entry(4, 0)], Shape[Entry(2, 0)]}), Floats({0, 1}));
  for (double v : {-100.0, 100.0, 100.5}) Set(pan1, v);
  EXPECT_EQ(Pan[1], 100);
  const std::string before = Model();
  for (double bad : {(double)NAN, (double)INFINITY, 1e39})  // never numbers in the file
    Set(vol1, bad), Set(ofs2, bad), Set(ramp3, bad), Set(shape4, bad), Set(pan5, bad);
  EXPECT_EQ(Changed(before), "");
}

TEST_F(FadersStripsTest, NumberFieldsStoreTheWholeTypedValue) {
  StartKeys();
  Set(pan1, 20), Set(ofs1, 1);
  for (Fl_Button *a : {A1, A3}) Set(a, 1);  // automation points, where a store says nothing
  const struct {
    Fl_Input *field;
    const char *typed;
    const float *entry;
    float stored;        // the model's value after Enter
    const char *shown;   // the field's text after Enter
    const char *status = "";  // a store clears the line; a refusal says so
  } cases[] = {
      {&pan1->input, "150", &Pan[1], 20, "20", "pan takes -100 to 100: 150 refused"},  // whole, not 15 or 1
      {(Fl_Input *)vol1->child(0), "-6,5", &Volume[Entry(1, 0)], -6.5f, "-6.5"},
      {(Fl_Input *)vol3->child(0), "-200", &Volume[Entry(3, 0)], -144, "-144.0"},  // the spinner keeps its range
      {&ofs1->input, "-", &Offset[Entry(1, 0)], 1, "1", "offset takes a number: - refused"},
      {(Fl_Input *)vol4->child(0), "-20-3", &Volume[Entry(4, 0)], 0, "0.0", "volume takes -144 to 12: -20-3 refused"},
      {&panlaw->input, "4,5", &PanlawStore, 4.5f, "4.5"},  // the other windows' fields alike
      {&panlaw->input, "4.5.", &PanlawStore, 4.5f, "4.5", "Pan law takes a number: 4.5. refused"},
  };
  for (const auto &c : cases) {
    float before = *c.entry;
    SetStatus("kept");
    c.field->value("");
    Fl::focus(c.field);
    for (const char *k = c.typed; *k; k++) Press(*k, std::string(1, *k).c_str());
    EXPECT_EQ(*c.entry, before) << c.typed << ": stored while typing";
    Press(FL_Enter, "\r");
    EXPECT_FLOAT_EQ(*c.entry, c.stored) << c.typed;
    EXPECT_STREQ(c.field->value(), c.shown);
    EXPECT_EQ(Status(), c.status);
  }
}
