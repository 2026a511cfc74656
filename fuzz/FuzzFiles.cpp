// libFuzzer entry point: every input is read as a diary database, as a training program file
// (the same format) and as a name list, and must keep the properties of HostileFileChecks.
// A violation is printed and aborts, so libFuzzer keeps the input as a crash.

#include "fuzz/HostileFileChecks.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const QString &failure)
{
    std::fprintf(stderr, "property violated: %s\n", qPrintable(failure));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    // The input outlives this call only through copies, so the raw view is safe.
    const QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const QString failure = HostileFileChecks::CheckBytes(data);
    if (!failure.isEmpty())
        Fail(failure);

    // Inputs that pass the integrity check also go the way of a real file.
    static QTemporaryDir folder;
    if (!folder.isValid())
        Fail(QStringLiteral("no temporary folder"));
    const QString fileFailure = HostileFileChecks::CheckFileRoundTrip(data, folder.path());
    if (!fileFailure.isEmpty())
        Fail(fileFailure);
    return 0;
}
