// The version dialog: the version block's texts and the own robot's mouse-mastery line.
#include "version_dialog.h"

#include <cstdio>

#include "platform/version_block.h"

namespace match {

THelpDlg::THelpDlg(VersionDialogHost &host) : host_(host) {}

void THelpDlg::Toggle(const std::string &robotName, int32_t mastery) {
    if (host_.IsOpen()) {
        host_.Close();
        return;
    }
    host_.Open();
    FillFromVersionBlock();
    char points[16];
    std::snprintf(points, sizeof points, "%06d", mastery);
    host_.SetText(kMasteryLine, robotName + " ﾏｳｽ達人度 " + points + " 点");
}

// The product line keeps the control's own word between name and version ("Version").
void THelpDlg::FillFromVersionBlock() {
    const platform::VersionBlock &block = platform::ProgramVersion();
    if (block.productName != nullptr && block.productVersion != nullptr) {
        host_.SetText(kProductLine, std::string(block.productName) + " " +
                                        host_.Text(kProductLine) + " " + block.productVersion);
    }
    if (block.legalCopyright != nullptr) host_.SetText(kCopyrightLine, block.legalCopyright);
    if (block.specialBuild != nullptr) host_.SetText(kSpecialBuildLine, block.specialBuild);
}

}  // namespace match
