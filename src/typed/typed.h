// Number fields store what the user typed once the edit is finished.
#ifndef CORVESSA_TYPED_H
#define CORVESSA_TYPED_H

class Fl_Group;
class Fl_Widget;

// Reads a typed number: the whole text, a comma taken as the decimal point,
// whatever the locale. False for anything else ("", "-", "12abc").
bool TypedNumber(const char *text, double &v);

// Makes the number fields and spinners inside g store when their edit is finished
// (Enter, Tab, leaving the field), from the whole text typed.
void StoreAsTyped(Fl_Group *g);

// Whether w is the text of a number field or spinner.
bool IsNumberText(const Fl_Widget *w);

// What a number field takes, for the status line when it refuses a value: name
// "pan", takes "-100 to 100". A field not described is named by its label.
void DescribeField(const Fl_Widget *field, const char *name, const char *takes);
// The status line says what field refused: "pan takes -100 to 100: 150 refused".
void RefuseValue(const Fl_Widget *field, const char *text);

#endif
