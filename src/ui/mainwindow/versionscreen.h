#pragma once
// "バージョン情報": the program's name and version, closed with "ＯＫ".

#include <QDialog>

namespace niruka {

class VersionScreen : public QDialog {
    Q_OBJECT
public:
    explicit VersionScreen(QWidget *parent = nullptr);
};

} // namespace niruka
