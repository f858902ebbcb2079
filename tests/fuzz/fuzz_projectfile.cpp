// libFuzzer target for the project-file reader: any bytes read without a fault, and reading the decoded
// lines again, as the screens do at each step of an open, restores the same record.
#include "docs/projectfile.h"
#include "fuzzcheck.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

using namespace niruka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ProjectRecord whole;
    const ProjectReadResult read = decodeProject(bytes, whole);

    const ProjectFileLines file = splitProjectBytes(bytes);
    fuzz::require(file.lines.size() == file.undecodable.size(), "one decode flag per line");
    if (read.status == ProjectReadStatus::TooLarge) {
        fuzz::require(file.tooLarge && bytes.size() > kMaxProjectFileSize, "only a large file is too large");
        return 0;
    }
    fuzz::require(read.linesRead <= file.lines.size() + 1, "the record consumes the lines that are there");
    fuzz::require(read.status != ProjectReadStatus::Complete || read.linesRead <= file.lines.size(),
                  "a complete read ends within the file");

    ProjectRecord again;
    const ProjectReadResult second = readProjectLines(file, again);
    fuzz::require(second.status == read.status && second.linesRead == read.linesRead &&
                      second.intensityRead == read.intensityRead && second.runoffRead == read.runoffRead &&
                      second.velocityRead == read.velocityRead,
                  "reading the decoded lines again goes the same way");
    fuzz::require(projectLines(again) == projectLines(whole),
                  "reading the decoded lines again restores the same");
    return 0;
}
