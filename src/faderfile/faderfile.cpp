// Placeholder until the fader file is built.
#include "faderfile/faderfile.h"

std::string reserve_fbuff;

long ReadFaderFile() { return 0; }
void MakeNewFile() {}
void AppendBuffer(std::string &) {}
void VolumePlateToText(std::string &) {}
long WriteFaderFile(const std::string &) { return 0; }
void StageWriteToFile() {}
void StageReadFromFile() {}
void ParseBufferMulti(const char *) {}
void ReadVolumes(const char *) {}
