// Commands 103 and 104: the player's robot loaded from and saved to a frame file.
#include "battle/frame_file.h"
#include "main_window.h"
#include "platform/files.h"

namespace match {
namespace {

constexpr const char *kOpenFailed = "ファイルオープンエラー";
constexpr const char *kNotAFrameFile = "バージョンが違うか、ファイルが壊れています!";

FileDialog FrameFileDialog(FileDialog::Purpose purpose, const std::string &path) {
    return FileDialog{purpose, "ﾌﾚｰﾑﾌｧｲﾙ (*.frm)", "frm", path};
}

void ShowFileError(MainWindowHost &window, const char *text) {
    window.ShowMessage(text, "Morvexゲーム", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace

void TMainFrm::LoadFrameFile() {
    if (freamDirty && hosts_.window.ShowMessage("フレーム情報が更新されています。\n保存しますか？",
                                                "Morvexゲーム", MessageIcon::Question,
                                                MessageButtons::YesNo) == MessageAnswer::Yes)
        SaveFrameFile();
    // Answered either way: the changes are not asked about again.
    freamDirty = false;
    std::optional<std::string> chosen =
        hosts_.window.ChooseFile(FrameFileDialog(FileDialog::Purpose::Open, framePath));
    if (!chosen) return;
    framePath = *chosen;
    platform::FileHandle file = platform::OpenForReading(framePath);
    if (file == nullptr) {
        ShowFileError(hosts_.window, kOpenFailed);
        return;
    }
    if (!battle::LoadFrame(file.get(), *myFream)) {
        ShowFileError(hosts_.window, kNotAFrameFile);
        return;
    }
    hosts_.window.Invalidate();
}

int32_t TMainFrm::SaveFrameFile() {
    std::optional<std::string> chosen =
        hosts_.window.ChooseFile(FrameFileDialog(FileDialog::Purpose::Save, framePath));
    if (!chosen) return 0;
    framePath = *chosen;
    // Written beside the old file and renamed over it, so a failed save keeps the old robot.
    bool written = platform::WriteAtomically(
        framePath, [this](std::FILE *file) { return battle::SaveFrame(file, *myFream); });
    if (!written) {
        ShowFileError(hosts_.window, kOpenFailed);
        return 0;
    }
    freamDirty = false;
    return 1;
}

}  // namespace match
