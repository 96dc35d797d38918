// The effect records of faders.txt, shared by its writer and reader.
#ifndef CORVESSA_FADERFILE_RECORDS_H
#define CORVESSA_FADERFILE_RECORDS_H

// One effect: its keyword, its table, and the parameter columns 1..values it carries.
struct EffectRecord {
  const char *key;
  float *table;
  int values;
};

enum { NEFFECTS = 12 };
extern const EffectRecord Effects[NEFFECTS];  // in the order of a channel's or submix's records
extern const int MasterOrder[NEFFECTS];       // the master's order: "fxg" before the sends

#endif
