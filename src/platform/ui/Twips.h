#pragma once

namespace platform {

// Forms give sizes in twips: 1440 an inch, 15 a pixel at 96 pixels an inch.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

} // namespace platform
