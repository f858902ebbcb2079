#pragma once
// The diagram settings file (.gra): seven lines, CP932, CR LF — the family and effective-depth list
// positions, the two formula options and the texts of n, C and I as typed. The writer and the reader
// walk the one field list in diagramsettings.cpp.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

namespace niruka {

// The contents of the diagram window that the file keeps.
struct DiagramSettingsRecord {
    int familyPosition = -1; // 0–12 of the family list, separators included; -1 none
    int depthPosition = -1;  // 0–14 of the effective-depth list; -1 none
    bool manning = false;    // "マニング公式" chosen
    bool kutter = false;     // "クッター公式" chosen
    QString roughnessText;   // n as typed
    QString runoffText;      // C as typed
    QString intensityText;   // I as typed
    bool operator==(const DiagramSettingsRecord &) const = default;
};

inline constexpr int kDiagramSettingsLines = 7;
inline constexpr qint64 kMaxDiagramSettingsFileSize = 16 * 1024;

enum class DiagramSettingsField { Family, Depth, Manning, Kutter, Roughness, Runoff, Intensity };

enum class DiagramReadStatus {
    Complete,   // all seven lines were there and converted
    Incomplete, // the file ended early; the lines that were there are read
    Damaged,    // a line did not convert (bad number, flag, list position or bytes); that field is not read
    TooLarge,   // larger than any settings file; nothing read
    CannotOpen, // could not be read; nothing read
};

struct DiagramReadResult {
    DiagramReadStatus status = DiagramReadStatus::Complete;
    DiagramSettingsRecord record;
    // Which fields were read, in file order; the caller applies only these.
    std::array<bool, kDiagramSettingsLines> read{};
    bool has(DiagramSettingsField field) const noexcept { return read[static_cast<std::size_t>(field)]; }
};

// The seven lines without line ends.
QStringList diagramSettingsLines(const DiagramSettingsRecord &record);
DiagramReadResult readDiagramSettingsLines(const QStringList &lines);

// File bytes (CP932, CR LF). Empty with `error` set when a text holds a character the code page lacks.
QByteArray encodeDiagramSettings(const DiagramSettingsRecord &record, QString *error);
DiagramReadResult decodeDiagramSettings(const QByteArray &bytes);

// Writes atomically; on failure the previous file is untouched and the returned text says why
// (empty on success).
QString saveDiagramSettingsFile(const QString &path, const DiagramSettingsRecord &record);
DiagramReadResult loadDiagramSettingsFile(const QString &path);

} // namespace niruka
