// libFuzzer target for the project-file and settings-file readers: any bytes must read without a fault.
#include "docs/projectfile.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    niruka::ProjectRecord record;
    niruka::decodeProject(bytes, record);
    return 0;
}
