#include "session/filecommands.h"

namespace niruka {

FileCommandState fileCommandsOnMenuOpen(bool resultPresent, bool hasFileName) noexcept
{
    if (!resultPresent)
        return fileCommandsAllOff();
    FileCommandState s;
    s.saveAs = s.printImage = s.print = s.editorWrite = true;
    s.toolbarImage = s.toolbarPrint = true;
    s.overwrite = s.toolbarOverwrite = hasFileName;
    return s;
}

FileCommandState fileCommandsAllOff() noexcept
{
    return FileCommandState{};
}

} // namespace niruka
