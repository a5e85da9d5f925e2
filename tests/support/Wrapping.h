#pragma once

#include <cstdint>

namespace quarl {

// 32-bit two's complement arithmetic, the way the counter's counts and total wrap around.

inline std::int32_t Wrapped(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

inline std::int32_t WrappingSum(std::int32_t a, std::int32_t b)
{
    return Wrapped(std::int64_t{a} + b);
}

inline std::int32_t WrappingProduct(std::int32_t a, std::int32_t b)
{
    return Wrapped(std::int64_t{a} * b);
}

} // namespace quarl
