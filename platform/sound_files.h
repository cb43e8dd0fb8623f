// Where the sound effects and music named by bare file names ("Gunshot.wav", "Win.Mid") are, and
// which General MIDI soundfont plays the music.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The file in the current folder when it is there, so a player can put their own sounds beside
// their robot; else the shipped data file (see FindDataFile). Only plain files count (through
// links too); nothing when there is none.
std::optional<std::string> FindSoundFile(std::string_view fileName);

// The best installed General MIDI soundfont, or nothing: then music stays silent.
std::optional<std::string> FindSoundFont();

}  // namespace platform
