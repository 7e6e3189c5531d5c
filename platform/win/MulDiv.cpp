#include "platform/win/MulDiv.h"

#include <limits>

std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator)
{
    if (denominator == 0)
        return -1;
    // |product| < 2^62 and |denominator| <= 2^31, so nothing below overflows 64 bits.
    const std::int64_t product = std::int64_t{number} * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::uint64_t magnitude = product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t divisor = denominator < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(denominator))
                                                  : static_cast<std::uint64_t>(denominator);
    const std::uint64_t rounded = (magnitude + divisor / 2) / divisor;
    const std::int64_t result = negative ? -static_cast<std::int64_t>(rounded) : static_cast<std::int64_t>(rounded);
    if (result < std::numeric_limits<std::int32_t>::min() || result > std::numeric_limits<std::int32_t>::max())
        return -1;
    return static_cast<std::int32_t>(result);
}
