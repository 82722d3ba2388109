#include "processing/ProcessOptions.h"

#include "platform/Val.h"

#include <limits>

std::int64_t ProcessOptions::kilobytesFromText(QStringView text) {
    // The size field may hold anything from "-3" to "1e400"; the limit is computed as
    // 1024 * K, which must never overflow.
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max() / 1024;
    return toClampedInt(Val(text), 0, kLargest);
}
