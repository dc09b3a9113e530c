// The banner's background: a two-colour gradient painted as one solid line
// per pixel row into a picture box's persistent image.
#pragma once

#include "base/color.h"
#include "platform/platform.h"

namespace wendora {

// Paints from the top colour (the first line) to the bottom colour (the
// last), top to bottom; twips_per_pixel is the screen's vertical value. A
// target of no height paints nothing.
void DrawGradient(platform::PictureBox& target, double twips_per_pixel, platform::Color top,
                  platform::Color bottom);

}  // namespace wendora
