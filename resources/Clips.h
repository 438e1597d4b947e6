// The animation clips the program carries: frame count, frame size and frame time of each.
#pragma once

#include <optional>

namespace veltrane::res {

struct ClipInfo {
    int id = 0;
    int frames = 0;
    int width = 0;
    int height = 0;
    double frameMs = 0;
};

// Facts of a clip by resource id; empty when the program has no such clip.
std::optional<ClipInfo> FindClip(int id);

}  // namespace veltrane::res
