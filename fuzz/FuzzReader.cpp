// libFuzzer entry point over one reader of imported files, named at build time by
// REPBOOK_FUZZ_READER (see ReaderChecks). A broken property is printed and aborts, so libFuzzer
// keeps the input as a crash.

#include "fuzz/ReaderChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const QString failure = ReaderChecks::Check(QStringLiteral(REPBOOK_FUZZ_READER), data);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "property violated: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
