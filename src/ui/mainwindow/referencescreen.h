#pragma once
// The reference sheet of the "参考(&S)" menu: typical runoff coefficients and roughness coefficients.

#include <QDialog>

class QTableWidget;

namespace niruka {

class ReferenceScreen : public QDialog {
    Q_OBJECT
public:
    explicit ReferenceScreen(QWidget *parent = nullptr);

    QTableWidget *runoffTable() const { return m_runoff; }
    QTableWidget *roughnessTable() const { return m_roughness; }

private:
    QTableWidget *m_runoff;
    QTableWidget *m_roughness;
};

} // namespace niruka
