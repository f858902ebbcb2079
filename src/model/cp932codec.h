#pragma once
// The one conversion between the program's text and its files: the Japanese Windows code page 932
// (Shift_JIS with the NEC and IBM extensions: "～" U+FF5E, "－" U+FF0D, "―" U+2015, ①, ｶﾅ …) with CR LF line
// ends. Every file the program writes or reads passes through here, so nothing is converted anywhere else.
// A character that code page 932 cannot hold is reported, never dropped or replaced. The JIS forms of the
// few characters that Unicode maps twice ("〜" U+301C, "−" U+2212, "‖" U+2016, "—" U+2014, "¢", "£", "¬")
// are written as the same character of the code page and so read back in its Windows form.
// Every function may be called from several threads at once; each call gives what a newly opened converter
// gives, whatever the calls before it met.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace niruka {

struct Cp932Encoded {
    QByteArray bytes;             // empty unless ok()
    QString unencodable;          // each character that cannot be written, once, in order of first occurrence
    qsizetype firstBadIndex = -1; // index in the (joined) text of the first of them, -1 when none
    bool ok() const noexcept { return firstBadIndex < 0; }
};

struct Cp932Decoded {
    QString text;                  // bytes that are not code page 932 read as U+FFFD
    qsizetype firstBadOffset = -1; // byte offset of the first of them, -1 when none
    bool ok() const noexcept { return firstBadOffset < 0; }
};

struct Cp932DecodedLines {
    QStringList lines;
    qsizetype firstBadOffset = -1;
    bool ok() const noexcept { return firstBadOffset < 0; }
};

// Whether the toolkit offers the code page at all (it does when Qt is built with ICU).
bool cp932Available();

Cp932Encoded encodeCp932(QStringView text);
Cp932Decoded decodeCp932(QByteArrayView bytes);

// Lines joined with CR LF after every line, the last one included; no line may itself hold a line break.
QString joinCrLfLines(const QStringList &lines);
// The lines of a text: CR LF ends a line, and so do a lone LF or CR (files touched by other tools). A break
// at the very end does not start another line; an empty text has no lines.
QStringList splitLines(QStringView text);

// The two steps together, for whole files.
Cp932Encoded encodeCp932Lines(const QStringList &lines);
Cp932DecodedLines decodeCp932Lines(QByteArrayView bytes);

} // namespace niruka
