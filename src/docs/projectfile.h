#pragma once
// The project file (.nrk): one value per line, CP932, CR LF, no header. The writer and the reader are two
// walks over the one ordered field list in projectfile.cpp, so they cannot drift apart.

#include "docs/projectrecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace niruka {

// How a read went. Whatever could be restored is in the record in every case but TooLarge/CannotOpen;
// the fields that were not read keep the values the caller put there (the screens' defaults).
enum class ProjectReadStatus {
    Complete,   // every line the record asked for was there and converted
    Incomplete, // the file ended before the record did, every line read converted
    Damaged,    // a line did not convert (bad number, flag or bytes); that field kept its default. Also
                // when the file then ended early.
    TooLarge,   // larger than any real project; nothing read
    CannotOpen, // the file could not be read; nothing read
};

struct ProjectReadResult {
    ProjectReadStatus status = ProjectReadStatus::Complete;
    int linesRead = 0; // lines the record consumed
    bool intensityRead = false;
    bool runoffRead = false;
    bool velocityRead = false;
};

inline constexpr qint64 kMaxProjectFileSize = 64 * 1024;

// The facility screen a facility-list position stores, in the order the file tests them.
enum class FacilitySection { None, Pipe, Circular, Ditch, Polygon };
FacilitySection facilitySectionOf(int listPosition) noexcept;

// Text lines of the record, without line ends.
QStringList projectLines(const ProjectRecord &record);
// Restores `record` from text lines; fields not read keep their values.
ProjectReadResult readProjectLines(const QStringList &lines, ProjectRecord &record);

// The record as file bytes (CP932, CR LF after every line). Empty with `error` set when a text holds
// a character the code page cannot store.
QByteArray encodeProject(const ProjectRecord &record, QString *error);
ProjectReadResult decodeProject(const QByteArray &bytes, ProjectRecord &record);

// The file's lines decoded once, each with whether its bytes converted, so that a reader that restores
// step by step can read the record again without decoding the file again.
struct ProjectFileLines {
    QStringList lines;
    QList<bool> undecodable;
    bool tooLarge = false;
};
ProjectFileLines splitProjectBytes(const QByteArray &bytes);
ProjectReadResult readProjectLines(const ProjectFileLines &file, ProjectRecord &record);

// Writes atomically: on failure the previous file is untouched and the returned text says why
// (empty on success).
QString saveProjectFile(const QString &path, const ProjectRecord &record);
ProjectReadResult loadProjectFile(const QString &path, ProjectRecord &record);

// The way a number is written: a blank before a non-negative value, no zero before the decimal point
// of a value below 1 (" .5"), up to 15 significant digits, always "." as the decimal separator.
QString formatFileNumber(double value);
// Reads a Number or Integer line: blanks around it ignored, "." or "," as the decimal separator.
std::optional<double> parseFileNumber(const QString &line);

} // namespace niruka
