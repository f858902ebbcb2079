#pragma once
// The report on screen and on paper: the two page windows of the print image, printing with its
// question about the largest catchment area, and the editor commands "書き込み" and "起動".
//
// installReportCommands() connects them to the main window's "印刷ｲﾒｰｼﾞ", "印刷" and "書き込み" commands.
// By hand the main window would: FileImage: create a ReportPrintImage(design, host) (host: its QMdiArea,
// any other widget, or null for top-level windows), tell the design session (printImageOpened with the
// page count, and printImageClosed on closed()) and call open().
// FilePrint: FilePrint(this, design). "書き込み(&W)": writeReportFile(this, design).
// "起動(&O)": openReportInEditor().

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QPrinter;
class QScrollBar;

namespace niruka {

struct DesignCase;
class MainFrame;

// Sets the frame's command handlers "Men_FImg" (print image), "Men_FPrn" (print) and "Men_FEWri"
// (write the report file).
void installReportCommands(MainFrame &frame);

// Appends the report to "Niruka.txt" in the working directory; a failing verdict beeps once, a failed
// write is shown in an "エラーメッセージ" box.
void writeReportFile(QWidget *parent, const DesignCase &design);

// Starts the text editor on "Niruka.txt" without waiting; errors are ignored.
void openReportInEditor();

// Prints the report after asking whether to include the largest catchment area (Yes/No/Cancel, No by
// default) and showing the printer dialog. Returns true when a document was sent to the printer.
bool FilePrint(QWidget *parent, const DesignCase &design);

// The margins and font the printed report assumes; the print image takes its sheet from the same page.
void prepareReportPrinter(QPrinter &printer);

// The white sheet of a page window: keeps what is drawn on it until cleared.
class ReportSheet : public QWidget {
    Q_OBJECT
public:
    explicit ReportSheet(QWidget *parent = nullptr);

    void clear();
    // Draws part 1 (and parts 2 and 3 when `whole`), or parts 2 and 3; returns true for a NO verdict.
    bool drawPage1(const DesignCase &design);
    bool drawPage2(const DesignCase &design);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

// One page window: menu bar, grey viewport with the sheet, and the two scroll bars.
class ReportPageWindow : public QWidget {
    Q_OBJECT
public:
    ReportPageWindow(int page, QWidget *parent);

    int page() const { return m_page; }
    ReportSheet *sheet() const { return m_sheet; }
    QScrollBar *verticalBar() const { return m_vertical; }
    QScrollBar *horizontalBar() const { return m_horizontal; }
    QAction *nextAction() const { return m_next; }         // page 1 only
    QAction *previousAction() const { return m_previous; } // page 2 only
    QAction *printAction() const { return m_print; }
    QAction *writeAction() const { return m_write; }
    QAction *editorAction() const { return m_editor; }
    QAction *closeAction() const { return m_close; }

signals:
    void shown();
    void closeRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void updateScrollRanges();

    int m_page;
    QWidget *m_viewport = nullptr;
    ReportSheet *m_sheet = nullptr;
    QScrollBar *m_vertical = nullptr;
    QScrollBar *m_horizontal = nullptr;
    QAction *m_next = nullptr;
    QAction *m_previous = nullptr;
    QAction *m_print = nullptr;
    QAction *m_write = nullptr;
    QAction *m_editor = nullptr;
    QAction *m_close = nullptr;
    bool m_closing = false;
};

// The print image: page 1 and, for a split report, page 2. Page 1 is cleared and redrawn from the
// design every time it is shown, and beeps on every redraw of a failing verdict. With a QMdiArea as
// host the pages are sub-windows of it; with another widget they are its children filling it.
class ReportPrintImage : public QObject {
    Q_OBJECT
public:
    ReportPrintImage(const DesignCase &design, QWidget *host, QObject *parent = nullptr);
    ~ReportPrintImage() override;

    // Shows page 1 at the host's top-left corner; "次のページ" is disabled when the report is not split.
    void open();
    bool isSplit() const;

    ReportPageWindow *page1() const { return m_page1; }
    ReportPageWindow *page2() const { return m_page2; } // null until "次のページ"

    void nextPage();
    void previousPage();
    // Redraws page 1 (its activation); the host calls it when the user returns to page 1.
    void activatePage1();
    // Closes both windows and emits closed().
    void close();

signals:
    void closed();

protected:
    // Keeps the pages filling the host when it is resized.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReportPageWindow *makePage(int page);
    void place(ReportPageWindow *window);
    void hideWindow(ReportPageWindow *window);

    const DesignCase &m_design;
    QPointer<QWidget> m_host;
    QPointer<ReportPageWindow> m_page1;
    QPointer<ReportPageWindow> m_page2;
    bool m_closed = false;
    bool m_placing = false;         // activations while a page is being shown are not the user's return
    QPointer<QWidget> m_lastActive; // the sub-window active before the latest activation
};

} // namespace niruka
