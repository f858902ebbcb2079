#include "ui/calculators/rivertimescreen.h"

#include "model/designcase.h"
#include "session/intensitysession.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/platformservices.h"
#include "ui/mainwindow/screenparts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace niruka {

// A session of the screen's own, for a screen used alone.
struct RiverTimeScreen::Own final : SessionEvents {
    explicit Own(RiverTimeScreen &screen) : screen(screen), session(design, *this, sessionServices()) {}
    void opened(ScreenId) override {}
    void closed(ScreenId) override {}
    void shown(ScreenId s, bool visible) override
    {
        if (s == ScreenId::RiverTime)
            screen.setVisible(visible);
    }
    void focus(const FocusRequest &request) override { screen.showFocus(request); }
    void changed(Parts parts) override
    {
        if (parts.testFlag(Part::RiverTime))
            screen.render();
    }
    void status(const QString &) override {}

    RiverTimeScreen &screen;
    DesignCase design;
    IntensitySession session;
};

RiverTimeScreen::RiverTimeScreen(IntensitySession &session, QWidget *parent)
    : QDialog(parent), m_session(&session)
{
    build();
    render();
}

RiverTimeScreen::RiverTimeScreen(QWidget *parent)
    : QDialog(parent), m_own(std::make_unique<Own>(*this)), m_session(&m_own->session)
{
    m_session->ensure();
    m_session->ensureRiver();
    build();
    render();
}

RiverTimeScreen::~RiverTimeScreen() = default;

void RiverTimeScreen::build()
{
    setObjectName(QStringLiteral("RiverTimeScreen"));
    setWindowTitle(QStringLiteral("流下時間（t2）茨城県"));
    setModal(true);
    auto *top = new QVBoxLayout(this);
    top->addWidget(makeTitle(this, QStringLiteral("流下時間（t2）茨城県"), nullptr, 1.0));

    auto *group = new QGroupBox(QStringLiteral("開発の前または後を選択してください"), this);
    auto *g = new QGridLayout(group);
    m_before = new QRadioButton(QStringLiteral("開発前"), group);
    m_before->setObjectName(QStringLiteral("opt1"));
    m_after = new QRadioButton(QStringLiteral("開発後"), group);
    m_after->setObjectName(QStringLiteral("opt2"));
    g->addWidget(m_before, 0, 0);
    g->addWidget(new QLabel(QStringLiteral("　t2=0.83L/i<sup>0.6</sup>"), group), 0, 1);
    g->addWidget(m_after, 1, 0);
    g->addWidget(new QLabel(QStringLiteral("　t2=0.36L/i<sup>0.5</sup>"), group), 1, 1);
    top->addWidget(group);

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("河道延長 L="), this), 0, 0);
    m_length = new QLineEdit(this);
    m_length->setObjectName(QStringLiteral("txt1"));
    fields->addWidget(m_length, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("km"), this), 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("河道の勾配 i ="), this), 1, 0);
    m_gradient = new QLineEdit(this);
    m_gradient->setObjectName(QStringLiteral("txt2"));
    fields->addWidget(m_gradient, 1, 1);
    top->addLayout(fields);
    EventHook::installFieldSelection(m_length);
    EventHook::installFieldSelection(m_gradient);
    connect(m_before, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_session->chooseRiverStage(true);
    });
    connect(m_after, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_session->chooseRiverStage(false);
    });
    connect(m_length, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_session->setRiverText(0, t); });
    connect(m_gradient, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_session->setRiverText(1, t); });

    const OkCancel buttons = addOkCancelRow(this, top);
    m_ok = buttons.ok;

    EventHook::onEnter(m_length, [this] { focusSelectingAll(m_gradient); });
    EventHook::onEnter(m_gradient, [this] { m_ok->setFocus(); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_session->riverOk() && m_own)
            emit riverTimeConfirmed();
    });
    connect(buttons.cancel, &QPushButton::clicked, this, [this] {
        if (m_own) {
            hide();
            emit riverTimeCancelled();
            return;
        }
        m_session->riverCancel();
    });
}

RiverTimeForm RiverTimeScreen::form() const
{
    return m_session->riverForm();
}

void RiverTimeScreen::setForm(const RiverTimeForm &form)
{
    m_session->setRiverForm(form);
}

void RiverTimeScreen::render()
{
    const RiverTimeForm f = m_session->riverForm();
    {
        // Neither state may be chosen, which an exclusive pair cannot show.
        const QSignalBlocker blockBefore(m_before);
        const QSignalBlocker blockAfter(m_after);
        m_before->setAutoExclusive(false);
        m_after->setAutoExclusive(false);
        m_before->setChecked(f.opt1);
        m_after->setChecked(f.opt2);
        m_before->setAutoExclusive(true);
        m_after->setAutoExclusive(true);
    }
    for (const auto &[edit, text] : {std::pair{m_length, f.txt1}, {m_gradient, f.txt2}}) {
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
    }
}

void RiverTimeScreen::showFocus(const FocusRequest &request)
{
    QWidget *w = findChild<QWidget *>(request.control.name);
    if (!w)
        return;
    if (qobject_cast<QLineEdit *>(w))
        focusCaretAtStart(w);
    else
        w->setFocus();
}

} // namespace niruka
