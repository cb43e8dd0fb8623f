// The program's version block: product, versions, description and copyright.
#pragma once

namespace platform {

struct VersionBlock {
    const char *productName;
    const char *productVersion;
    const char *fileVersion;
    const char *fileDescription;
    const char *internalName;
    const char *legalCopyright;
    const char *specialBuild;  // null: none
};

const VersionBlock &ProgramVersion();

}  // namespace platform
