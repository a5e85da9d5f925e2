#include "frontend/TextHeightScale.h"

#include <cstdint>

namespace quarl {

int ScaledToTextHeight(int pixels, int textHeight) noexcept
{
    const std::int64_t product = std::int64_t{pixels} * textHeight;
    const std::int64_t half = product < 0 ? -DesignTextHeight / 2 : DesignTextHeight / 2;
    return static_cast<int>((product + half) / DesignTextHeight);
}

} // namespace quarl
