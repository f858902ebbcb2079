#pragma once
// Which File-menu items and toolbar buttons are enabled, as a plain table the main window applies.

namespace niruka {

struct FileCommandState {
    bool saveAs = false;           // "名前をつけて保存(&A)"
    bool overwrite = false;        // "上書き保存(&S)"
    bool printImage = false;       // "印刷ｲﾒｰｼﾞ(&I)"
    bool print = false;            // "印刷(&P)"
    bool editorWrite = false;      // "書き込み(&W)"
    bool toolbarOverwrite = false; // toolbar button 3
    bool toolbarImage = false;     // toolbar button 5
    bool toolbarPrint = false;     // toolbar button 6

    bool operator==(const FileCommandState &) const = default;
};

// Evaluated each time the File menu opens: everything off without a result; with one, save-as, the print
// image, printing and the editor write are on, overwrite only with a current file name.
FileCommandState fileCommandsOnMenuOpen(bool resultPresent, bool hasFileName) noexcept;

// What closing the design (and start-up) leaves: every save, print and write command off.
FileCommandState fileCommandsAllOff() noexcept;

} // namespace niruka
