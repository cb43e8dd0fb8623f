// The file name under which the game plays each composition.
#include "compositions.h"

namespace music {

std::vector<MusicFile> MusicFiles() {
    return {
        {"Action1.Mid", MeteorFieldTheme}, {"Action2.Mid", CityTheme},
        {"Action3.Mid", VolcanoTheme},     {"Action4.Mid", CloudsTheme},
        {"Action5.Mid", PyramidsTheme},    {"Action6.Mid", IceSeaTheme},
        {"Action7.Mid", TowerRoadTheme},   {"Action8.Mid", DangTheme},
        {"Win.Mid", WinFanfare},           {"Lose.Mid", LoseLament},
        {"Draw.Mid", DrawStandoff},
    };
}

}  // namespace music
