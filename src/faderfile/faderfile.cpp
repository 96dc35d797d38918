// Placeholder until the fader file is built.
#include "faderfile/faderfile.h"

std::string reserve_fbuff;

int CheckForKey(const char *) { return 0; }
long ReadFaderFile() { return 0; }
void MakeNewFile() {}
void ScrubEffects(std::string &) {}
void ScrubPrefs(std::string &) {}
void AppendBuffer(std::string &) {}
void VolumePlateToText(std::string &) {}
long WriteFaderFile(const std::string &) { return 0; }
void StageWriteToFile() {}
void StageReadFromFile() {}
void ParseBufferMulti(const char *) {}
void ReadVolumes(const char *) {}
