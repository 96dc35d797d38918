// Number fields store what was typed, whole, once the edit is finished.
#include "app/app.h"
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

// Types text into a field key by key; Enter ends the edit.
void Type(Fl_Input *in, const char *keys) {
  in->value("");
  Fl::focus(in);
  for (const char *k = keys; *k; k++) Press(*k, std::string(1, *k).c_str());
}
void Enter() { Press(FL_Enter, "\r"); }

Fl_Input *Text(Fl_Spinner *s) { return (Fl_Input *)s->child(0); }

TEST_F(TypedTest, NumberFieldsStoreTheWholeTypedValue) {
  StartKeys();
  ShowBank(1, 1);
  Set(pan1, 20);
  Set(ofs1, 1);
  const struct {
    Fl_Input *field;
    const char *typed;
    const float *entry;
    float stored;        // the model's value after Enter
    const char *shown;   // the field's text after Enter
  } cases[] = {
      {&pan1->input, "150", &Pan[1], 20, "20"},  // refused whole, not 15 or 1
      {Text(vol1), "-6,5", &Volume[Entry(1, 0)], -6.5f, "-6.5"},
      {Text(vol2), "-12", &Volume[Entry(2, 0)], -12, "-12.0"},
      {Text(vol3), "-200", &Volume[Entry(3, 0)], -144, "-144.0"},  // the spinner keeps its range
      {&ofs1->input, "2,25", &Offset[Entry(1, 0)], 2.25f, "2.25"},
      {&ofs1->input, "-", &Offset[Entry(1, 0)], 2.25f, "2.25"},     // not a number: nothing stored
      {&panlaw->input, "4,5", &PanlawStore, 4.5f, "4.5"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.typed);
    float before = *c.entry;
    SetStatus("Read 10 bytes from faders.txt");
    Type(c.field, c.typed);
    EXPECT_EQ(*c.entry, before) << "stored while typing";
    Enter();
    EXPECT_FLOAT_EQ(*c.entry, c.stored);
    EXPECT_STREQ(c.field->value(), c.shown);
    // A store clears the line, a refused value too; "-" is no number: nothing is stored.
    EXPECT_EQ(Status(), strcmp(c.typed, "-") ? "" : "Read 10 bytes from faders.txt");
  }
}

}  // namespace
