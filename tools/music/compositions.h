// The game's music: one composition per file the game plays.
#pragma once

#include <string>
#include <vector>

#include "song.h"

namespace music {

Song MeteorFieldTheme();  // level 1
Song CityTheme();         // level 2
Song VolcanoTheme();      // level 3
Song CloudsTheme();       // level 4
Song PyramidsTheme();     // level 5
Song IceSeaTheme();       // level 6
Song TowerRoadTheme();    // level 7
Song DangTheme();         // level 8, the last opponent
Song WinFanfare();
Song LoseLament();
Song DrawStandoff();

struct MusicFile {
    std::string fileName;  // as the game looks it up
    Song (*compose)();
};

// "Action1.Mid".."Action8.Mid", "Win.Mid", "Lose.Mid", "Draw.Mid".
std::vector<MusicFile> MusicFiles();

}  // namespace music
