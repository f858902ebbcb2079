#pragma once
// What the open design's sessions tell the screens that show them: which screen was opened (created with
// its defaults), closed (unloaded, its entries gone), hidden or shown again, where the focus goes, and
// which parts of the state changed. The screens are views: they make, place and unload their windows and
// redraw their parts from these events, in the order the events come.

#include <QFlags>
#include <QString>

namespace niruka {

enum class ScreenId {
    Conditions,
    Pipe,
    Circular,
    Ditch,
    Polygon,
    Result,
    Runoff,
    Intensity,
    InflowTime,
    RiverTime,
    VelocitySelect,
    VelocityPipe,
    VelocityDitch,
    VelocityCircular,
    VelocityPolygon,
};

// A control of a screen by its control name ("txt_c", "lst_s", "cbo1", "Command1").
struct Control {
    ScreenId screen = ScreenId::Conditions;
    QString name;
    friend bool operator==(const Control &, const Control &) = default;
};

enum class FocusStyle {
    Plain,        // the focus only
    SelectAll,    // a text field with its whole text selected
    CaretAtStart, // a text field with the caret before its first character
};

struct FocusRequest {
    Control control;
    FocusStyle style = FocusStyle::Plain;
    bool activateScreen = false; // bring the control's window to the front first
    friend bool operator==(const FocusRequest &, const FocusRequest &) = default;
};

enum class Part : unsigned {
    Status = 1u << 0,       // the status-bar text
    FileCommands = 1u << 1, // the File menu's items and the toolbar buttons that follow them
    Chrome = 1u << 2,       // the toolbar, the status bar and the menus that come and go
    Title = 1u << 3,        // the file name in the title
    Conditions = 1u << 4,
    Facility = 1u << 5,
    Result = 1u << 6,
    Runoff = 1u << 7,
    Intensity = 1u << 8,
    InflowTime = 1u << 9,
    RiverTime = 1u << 10,
    Velocity = 1u << 11,
    Diagram = 1u << 12,
};
Q_DECLARE_FLAGS(Parts, Part)
Q_DECLARE_OPERATORS_FOR_FLAGS(Parts)

// What a part of the session tells its owner, and the owner its views. The events come in the order the
// screens open and close, so the windows appear, stack and take the focus as the user expects.
class SessionEvents {
public:
    virtual ~SessionEvents() = default;
    virtual void opened(ScreenId screen) = 0;              // created with its defaults
    virtual void closed(ScreenId screen) = 0;              // unloaded: its entries are gone
    virtual void shown(ScreenId screen, bool visible) = 0; // a kept screen hidden, or shown and raised
    virtual void focus(const FocusRequest &request) = 0;   // where the keyboard goes next
    virtual void changed(Parts parts) = 0;                 // redraw these parts from the state
    virtual void status(const QString &text) = 0;          // the status-bar text
};

// Events nobody listens to: a session used without screens (the command line, the tests).
class QuietSessionEvents final : public SessionEvents {
public:
    void opened(ScreenId) override {}
    void closed(ScreenId) override {}
    void shown(ScreenId, bool) override {}
    void focus(const FocusRequest &) override {}
    void changed(Parts) override {}
    void status(const QString &) override {}
};

} // namespace niruka
