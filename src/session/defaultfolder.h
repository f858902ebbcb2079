#pragma once
// The folder in which the file dialogs start. A program unpacked into a folder of its own keeps its files
// in a folder beside it ("ニルカ(雨水編)", "ニルカグラフ"), which the program does not create; an installed
// program (/usr/bin) has no such folder and could not write there, so the user's own folders are used.

#include <QString>

namespace niruka {

// `applicationDir`/`name` when that folder exists and can be written to; otherwise userFileFolder().
QString defaultFileFolder(const QString &applicationDir, const QString &name);

// The user's documents folder, or the home folder when there is no documents folder.
QString userFileFolder();

} // namespace niruka
