// The list of the game's pictures and the writer that puts them into the resource folder.
#include "pictures/picture_set.h"

#include "pictures/cursors.h"
#include "pictures/program_icon.h"
#include "pictures/toolbar_pictures.h"

namespace pictures {

std::vector<Picture> GamePictures() {
    std::vector<Picture> pictures;
    for (CursorKind kind : {CursorKind::Aim, CursorKind::SpecialAttack, CursorKind::Turbo}) {
        pictures.push_back({"cursor-" + std::to_string(static_cast<int>(kind)) + ".png",
                            [kind] { return DrawCursor(kind); }});
    }
    for (ToolbarButton button :
         {ToolbarButton::Start, ToolbarButton::Gun, ToolbarButton::Missile, ToolbarButton::Bomb}) {
        pictures.push_back({"toolbar-" + std::to_string(static_cast<int>(button)) + ".png",
                            [button] { return DrawToolbarPicture(button); }});
    }
    for (int size : kProgramIconSizes) {
        pictures.push_back(
            {"icon-" + std::to_string(size) + ".png", [size] { return DrawProgramIcon(size); }});
    }
    return pictures;
}

std::vector<std::filesystem::path> WritePictures(const std::filesystem::path &folder) {
    std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> written;
    for (const Picture &picture : GamePictures()) {
        std::filesystem::path path = folder / picture.fileName;
        WritePng(picture.draw().get(), path);
        written.push_back(path);
    }
    return written;
}

}  // namespace pictures
