// The version block compiled into the program.
#include "version_block.h"

namespace platform {

const VersionBlock &ProgramVersion() {
    static const VersionBlock block{"Mor-Vex", "2.2.0",
                                    "2.2.0",   "Mor-Vex for Linux",
                                    "Mor-Vex", "Copyright (C) 2026 the Morvex developers",
                                    nullptr};
    return block;
}

}  // namespace platform
