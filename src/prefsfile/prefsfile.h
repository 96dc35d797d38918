// prefs.txt and tracks.txt as text: what a store writes from the model, and
// what a recall lays over it.
#ifndef CORVESSA_PREFSFILE_H
#define CORVESSA_PREFSFILE_H

#include <string>

// The text a store of the preferences writes over a file that holds oldText
// (its lines that are not records carried over), from the model as it stands.
std::string PrefsText(const std::string &oldText);
// Lays a preferences text over the model; messages go to the message list.
void ReadPrefsText(const std::string &text);

// The text a store of the track names writes, from the model as it stands.
std::string TracksText();
// Lays a tracks text over the model; messages go to the message list.
void ReadTracksText(const std::string &text);

#endif
