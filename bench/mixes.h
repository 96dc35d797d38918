// Two mixes built in code: a typical session and the largest the model holds.
#ifndef CORVESSA_BENCH_MIXES_H
#define CORVESSA_BENCH_MIXES_H

// 64 named channels, 200 cues in use, an entry on a quarter of the channels at
// each cue, a third of the slots with effects, routing to 4 submixes and 2 VCAs.
void BuildTypicalMix();

// Every slot with an entry and all three modifiers at every cue, every effect on
// for every slot faders.txt carries, every routing entry on, 127-character names.
void BuildMaximalMix();

#endif
