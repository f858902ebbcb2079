#pragma once
// The result of the check: planned volume, facility flow, largest catchment area and velocity. Labels only;
// the main window opens and closes it.

#include "docs/projectrecord.h"
#include "session/designworkflow.h"

#include <QWidget>

class QLabel;

namespace niruka {

class ResultScreen : public QWidget {
    Q_OBJECT
public:
    explicit ResultScreen(const ResultView &view, QWidget *parent = nullptr);

    // The value labels: "lbl1" factor, "lbl2" "×", "lbl3" Q1, "lbl6" Q2, "lbl9" V, "lbl12" Amax.
    QLabel *valueLabel(const char *name) const;
    // The four values as displayed, as the project file stores them; restoring replaces the texts.
    ResultForm form() const;
    void setForm(const ResultForm &form);
};

} // namespace niruka
