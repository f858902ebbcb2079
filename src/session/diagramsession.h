#pragma once
// The relation diagram window as data: its fields (the pipe group, the effective depth, the velocity
// formula and the texts of n, C and I), the diagram file name, what has been drawn, and every rule of the
// window: the checks of グラフ 描画 in their order, the defaults a pipe group puts in, 新規作成, 開く
// (one drawing of what was read), 名前をつけて保存 and 上書き保存 with their questions, and the enabling of
// its menu. The boxes and file dialogs go through the session services; the window shows the fields and
// the drawing and hands the user's actions here.

#include "diagram/diagramgeometry.h"
#include "session/sessionservices.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;

namespace niruka {

struct DiagramSettingsRecord;

// The diagram window's fields as it shows them now. A list row of −1 is no line chosen.
struct DiagramFields {
    int familyRow = -1;   // cbo1
    int depthRow = -1;    // cbo2
    bool manning = false; // opt1
    bool kutter = false;  // opt2
    QString roughness;    // txt1: n
    QString runoff;       // txt2: C
    QString intensity;    // txt3: I
    friend bool operator==(const DiagramFields &, const DiagramFields &) = default;
};

// The page the diagram is printed on: A4 upright with the printer's usual margins.
QPageLayout diagramPrintLayout();

class DiagramSession {
public:
    enum class DrawnState { None = 0, Screen = 1, Printed = 2 };
    struct MenuState {
        bool saveAs = true;    // 名前をつけて保存
        bool overwrite = true; // 上書き保存
        friend bool operator==(const MenuState &, const MenuState &) = default;
    };

    // Family 0 and depth "水深８割", the empty diagram of that family on the page surface.
    explicit DiagramSession(SessionServices &services = sessionServices());

    // What the window listens to: its fields or menu changed (show them again), the page surface has a
    // new geometry (draw it), the keyboard goes to the named control ("cbo1", "txt1", "opt1").
    std::function<void()> onFieldsChanged;
    std::function<void()> onSurfaceChanged;
    std::function<void(const QString &control)> onFocus;

    // The list lines (the family list with its empty separators; the 15-line depth list).
    static const QStringList &familyLines();
    static const QStringList &depthLines();

    const DiagramFields &fields() const { return m_fields; }
    const MenuState &menuState() const { return m_menu; }
    QString fileName() const { return m_fileName; }
    DrawnState drawnState() const { return m_drawn; }
    // The settings of the last drawing (n, C and I stay as read even when a check refused).
    const DiagramSettings &currentSettings() const { return m_settings; }
    // The geometry on the page surface now, and how many screen drawings have been made.
    const DiagramGeometry &surfaceGeometry() const { return m_geometry; }
    int screenDrawings() const { return m_screenDrawings; }

    // What the fields show after the user changed them. A row outside its list is no row.
    void setFamilyRow(int row);
    void setDepthRow(int row);
    void setFormulaMarks(bool manning, bool kutter);
    void setRoughness(const QString &text);
    void setRunoff(const QString &text);
    void setIntensity(const QString &text);

    // The main menu opens the window: n becomes "0.01"; without a diagram file name 名前をつけて保存 and
    // 上書き保存 are disabled.
    void openFromMainMenu();
    // The status text the main window shows after the diagram window closed, from its open design.
    static QString closingStatusText(double capacity, double designFlow, bool conditionsOpen);
    // A pipe group chosen in its list: depth "水深９.5割" and the group's roughness.
    void selectFamily(int row);
    // グラフ 描画: the checks in order (each refusal a box, then the focus on its field), then the drawing.
    // True when drawn.
    bool draw();
    // The draw button taking the focus: a drawing without the checks.
    void drawWithoutChecks();
    // グラフ 印刷 on a device the printer dialog set up: false, after its box, when printing cannot start.
    bool print(QPagedPaintDevice &device);
    // The settings a print draws: n, C, I and the depth of the last drawing; group and formula as now.
    DiagramSettings printSettings() const;
    // The menu opens: 名前をつけて保存 once something was drawn, 上書き保存 also needs a file name.
    void menuOpened();

    void fileNew();
    // 開く with its dialog; a cancel forgets the file name.
    void fileOpen();
    // 開く after its dialog returned `path`: the settings restored and drawn once, or its message. True when
    // something was restored (the window then moves the focus to the draw button, which draws nothing more).
    bool openSettingsFile(const QString &path);
    void saveAs();
    void overwrite();

private:
    void readNumbers();
    DiagramSettings settingsFromFields() const;
    void drawOnScreen();
    void refuse(const QString &text, const char *control);
    void applyRecord(const DiagramSettingsRecord &record, const bool *read);
    DiagramSettingsRecord recordFromFields() const;
    bool writeFile(const QString &path);
    void fieldsChanged();
    void surfaceChanged();

    SessionServices &m_services;
    DiagramFields m_fields;
    MenuState m_menu;
    DiagramSettings m_settings;
    DiagramGeometry m_geometry;
    DrawnState m_drawn = DrawnState::None;
    QString m_fileName;
    int m_screenDrawings = 0;
};

} // namespace niruka
