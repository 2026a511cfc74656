#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// A 128-bit fingerprint of bytes (a MurmurHash3-style x64 hash), for telling whether two texts
// held at different times are equal without keeping both: the chance that two different texts
// share one is about 2^-128. Not a protection against texts made to collide on purpose.
struct Fingerprint
{
    quint64 high = 0;
    quint64 low = 0;

    bool operator==(const Fingerprint &) const = default;

    static Fingerprint Of(QByteArrayView bytes) { return Of(bytes, Fingerprint()); }
    // The fingerprint of bytes following the text that gave seed (for texts in pieces).
    static Fingerprint Of(QByteArrayView bytes, Fingerprint seed);
};
