// Number fields store what was typed, whole, once the edit is finished.
#include "testutil.h"

namespace {

using TypedTest = ConsoleTest;

// Presses one key in the field that has the focus, as the event loop would.
void Press(int key, const char *text) {
  static char buffer[8];
  snprintf(buffer, sizeof buffer, "%s", text);
  Fl::e_keysym = key, Fl::e_state = 0, Fl::e_text = buffer, Fl::e_length = (int)strlen(buffer);
  Fl::handle(FL_KEYBOARD, Fl::focus()->window());
}

TEST_F(TypedTest, NumberFieldsStoreTheWholeTypedValue) {
  StartKeys();
  Set(pan1, 20), Set(ofs1, 1);
  const struct {
    Fl_Input *field;
    const char *typed;
    const float *entry;
    float stored;        // the model's value after Enter
    const char *shown;   // the field's text after Enter
  } cases[] = {
      {&pan1->input, "150", &Pan[1], 20, "20"},  // refused whole, not 15 or 1
      {(Fl_Input *)vol1->child(0), "-6,5", &Volume[Entry(1, 0)], -6.5f, "-6.5"},
      {(Fl_Input *)vol3->child(0), "-200", &Volume[Entry(3, 0)], -144, "-144.0"},  // the spinner keeps its range
      {&ofs1->input, "-", &Offset[Entry(1, 0)], 1, "1"},  // not a number: nothing stored
      {&panlaw->input, "4,5", &PanlawStore, 4.5f, "4.5"},  // the other windows' fields alike
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
    EXPECT_EQ(Status(), strcmp(c.typed, "-") ? "" : "kept") << "a store clears the line, a refused value too";
  }
}

}  // namespace
