// libFuzzer target for both file kinds at once: whatever a reader restores from any bytes, its writer
// stores, and reading that again restores the same, completely. Every input is read as a project file and
// as a diagram settings file: neither reader rejects a file, so no input is wasted on choosing the kind,
// and one corpus of both kinds' files serves both.
#include "docs/diagramsettings.h"
#include "docs/projectfile.h"
#include "fuzzcheck.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

using namespace niruka;

namespace {

void projectRoundTrip(const QByteArray &bytes)
{
    ProjectRecord first;
    decodeProject(bytes, first);
    QString error;
    const QByteArray written = encodeProject(first, &error);
    fuzz::require(error.isEmpty(), "a restored project can be written");
    ProjectRecord second;
    const ProjectReadResult read = decodeProject(written, second);
    fuzz::require(read.status == ProjectReadStatus::Complete, "a written project reads completely");
    const QStringList lines = projectLines(first);
    fuzz::require(read.linesRead == lines.size(), "a written project is read to its end");
    // Lines, not fields: a kept number is stored to 15 significant digits, as the file always held it.
    fuzz::require(projectLines(second) == lines, "a written project reads back as it was");
}

void settingsRoundTrip(const QByteArray &bytes)
{
    const DiagramReadResult first = decodeDiagramSettings(bytes);
    QString error;
    const QByteArray written = encodeDiagramSettings(first.record, &error);
    fuzz::require(error.isEmpty(), "restored settings can be written");
    const DiagramReadResult second = decodeDiagramSettings(written);
    fuzz::require(second.status == DiagramReadStatus::Complete, "written settings read completely");
    fuzz::require(second.record == first.record, "written settings read back as they were");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    projectRoundTrip(bytes);
    settingsRoundTrip(bytes);
    return 0;
}
