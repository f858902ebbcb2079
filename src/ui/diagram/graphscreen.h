#pragma once
// The relation diagram window "ニルカ": a pipe group, an effective depth, the velocity formula and n, C, I;
// draws the diagram on its page surface, prints it, and keeps its settings in a ".gra" file. It is hidden,
// never destroyed, when closed, so its fields and file name last as long as the application.
//
// The main window connects it like this: its "ｸﾞﾗﾌ(G)" hides the toolbar, sets the status text, places the
// window at (0, 0) and calls openFromMainMenu(); on closedByUser() it shows the toolbar again and sets the
// status text to closingStatusText(capacity, designFlow, conditionsOpen) of its open design.

#include "diagram/diagramgeometry.h"
#include "session/diagramsession.h"
#include "ui/diagram/parentedservices.h"

#include <QImage>
#include <QWidget>

class QAction;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace niruka {

class GraphSurface;

class GraphScreen : public QWidget {
    Q_OBJECT
public:
    using DrawnState = DiagramSession::DrawnState;

    explicit GraphScreen(QWidget *parent = nullptr);
    ~GraphScreen() override;

    // What the main menu does each time it opens the window: n becomes "0.01", and without a current
    // diagram file name "名前をつけて保存" and "上書き保存" are disabled; the window is shown.
    void openFromMainMenu();
    // "開く(&O)" after its dialog returned `path`: the settings restored and drawn, or its message.
    void openSettingsFile(const QString &path);

    // The status text the main window shows after the diagram window closed, from its open design.
    static QString closingStatusText(double capacity, double designFlow, bool conditionsOpen);

    // The window's state and rules.
    DiagramSession &session() { return m_session; }
    const DiagramSession &session() const { return m_session; }

    QString diagramFileName() const { return m_session.fileName(); }
    DrawnState drawnState() const { return m_session.drawnState(); }
    // The settings of the last drawing (n, C and I stay as read even when a click check refused).
    const DiagramSettings &currentSettings() const { return m_session.currentSettings(); }
    // The geometry on the page surface now, and how many screen drawings have been made.
    const DiagramGeometry &surfaceGeometry() const { return m_session.surfaceGeometry(); }
    int screenDrawings() const { return m_session.screenDrawings(); }
    const QImage &surfaceImage() const;

signals:
    // "閉じる": the window has hidden itself.
    void closedByUser();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void connectSession();
    void pageSetUp();
    void render();
    void printClicked();
    void closeWindow();
    void focusControl(const QString &name);
    void focusDrawButton();
    void focusSelectingAll(QLineEdit *field);
    void focusCaretAtStart(QWidget *field);

    QComboBox *m_family = nullptr;     // cbo1
    QComboBox *m_depth = nullptr;      // cbo2
    QLineEdit *m_roughness = nullptr;  // txt1
    QLineEdit *m_runoff = nullptr;     // txt2
    QLineEdit *m_intensity = nullptr;  // txt3
    QRadioButton *m_manning = nullptr; // opt1
    QRadioButton *m_kutter = nullptr;  // opt2
    QButtonGroup *m_formulaGroup = nullptr;
    QPushButton *m_draw = nullptr;     // cmd1
    QPushButton *m_print = nullptr;    // cmd2
    QWidget *m_viewport = nullptr;     // Picture1
    GraphSurface *m_surface = nullptr; // Picture2
    QScrollBar *m_scroll = nullptr;    // VScroll1
    QMenu *m_menu = nullptr;
    QAction *m_new = nullptr;
    QAction *m_open = nullptr;
    QAction *m_overwrite = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_close = nullptr;

    ParentedServices m_services{this};
    DiagramSession m_session{m_services};
    bool m_rendering = false; // the fields are being set from the session, not by the user
    // The draw button is taking the focus by a way that draws (Enter from I, opening a settings file), as
    // opposed to getting it back when a menu, a box or another sub-window lets go of the focus.
    bool m_drawOnFocus = false;
};

} // namespace niruka
