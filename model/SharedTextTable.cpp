#include "model/SharedTextTable.h"

#include <cstring>

// The length and up to sixteen bytes from the line's two ends, mixed by one multiplication.
// Lines that differ elsewhere only probe a little further.
quint64 SharedLineHash(QByteArrayView bytes)
{
    const auto size = size_t(bytes.size());
    quint64 head = 0;
    quint64 tail = 0;
    if (size >= 8) {
        std::memcpy(&head, bytes.data(), 8);
        std::memcpy(&tail, bytes.data() + size - 8, 8);
    } else {
        std::memcpy(&head, bytes.data(), size);
    }
    const quint64 mixed = (head ^ (tail * 0x9E3779B97F4A7C15ULL) ^ size) * 0xC2B2AE3D27D4EB4FULL;
    return mixed ^ (mixed >> 29);
}
