#include "model/Fingerprint.h"

#include <cstring>

namespace {

constexpr quint64 C1 = 0x87c37b91114253d5ULL;
constexpr quint64 C2 = 0x4cf5ad432745937fULL;

quint64 RotateLeft(quint64 value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

quint64 Load(const char *bytes)
{
    quint64 word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

quint64 MixFirst(quint64 k)
{
    return RotateLeft(k * C1, 31) * C2;
}

quint64 MixSecond(quint64 k)
{
    return RotateLeft(k * C2, 33) * C1;
}

quint64 Finish(quint64 k)
{
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    k *= 0xc4ceb9fe1a85ec53ULL;
    k ^= k >> 33;
    return k;
}

} // namespace

Fingerprint Fingerprint::Of(QByteArrayView bytes, Fingerprint seed)
{
    quint64 h1 = seed.high;
    quint64 h2 = seed.low;
    const char *p = bytes.data();
    const auto size = size_t(bytes.size());
    const size_t blocks = size / 16;
    for (size_t i = 0; i < blocks; ++i, p += 16) {
        h1 ^= MixFirst(Load(p));
        h1 = (RotateLeft(h1, 27) + h2) * 5 + 0x52dce729;
        h2 ^= MixSecond(Load(p + 8));
        h2 = (RotateLeft(h2, 31) + h1) * 5 + 0x38495ab5;
    }
    const size_t rest = size % 16;
    if (rest > 0) {
        char tail[16] = {};
        std::memcpy(tail, p, rest);
        h1 ^= MixFirst(Load(tail));
        h2 ^= MixSecond(Load(tail + 8));
    }
    h1 ^= size;
    h2 ^= size;
    h1 += h2;
    h2 += h1;
    h1 = Finish(h1);
    h2 = Finish(h2);
    h1 += h2;
    h2 += h1;
    return {h1, h2};
}
