#include "resources/Clips.h"

#include <array>

#include "resources/ResourceIds.h"

namespace veltrane::res {

std::optional<ClipInfo> FindClip(int id) {
    static constexpr std::array<ClipInfo, 3> kClips{{
        {IDR_AVI2, 4, 105, 83, 50.0},
        {IDR_AVI_CHROMATOGRAM, 86, 80, 60, 66.7},
        {IDR_AVI_STILL, 1, 105, 83, 125.0},
    }};
    for (const ClipInfo& c : kClips)
        if (c.id == id) return c;
    return std::nullopt;
}

}  // namespace veltrane::res
