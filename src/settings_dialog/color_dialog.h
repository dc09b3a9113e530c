// The colour chooser: the system's colour dialog, modal to its owner.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace wendora {

// Offers the initial colour as the first custom colour and white in the
// other fifteen, built anew on every call. Returns the chosen colour, or -1
// when the user cancelled.
std::int32_t ShowColorDialog(platform::Platform& platform, platform::Handle owner,
                             std::int32_t initial);

}  // namespace wendora
