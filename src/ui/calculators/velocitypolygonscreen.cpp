#include "ui/calculators/velocitypolygonscreen.h"

#include "session/velocitysession.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/screenparts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace niruka {

// The sketch area (about 133 × 137 pixels): the entered outline as an open polyline of width 2.
class VelocityPolygonSketch : public QWidget {
public:
    explicit VelocityPolygonSketch(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("pic1"));
        setFixedSize(133, 137);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }
    QList<QPoint> points;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 2));
        if (points.size() >= 2)
            painter.drawPolyline(points.constData(), static_cast<int>(points.size()));
    }
};

VelocityPolygonScreen::VelocityPolygonScreen(VelocitySession *session, QWidget *parent)
    : VelocityFacilityScreen(session, ScreenId::VelocityPolygon, parent)
{
    setObjectName(QStringLiteral("VelocityPolygonScreen"));
    setWindowTitle(QStringLiteral("流下時間の流速計算"));
    auto *title = makeTitle(this, QStringLiteral("排水溝　河川等"));
    m_material = makeField(this, "txt_m", 20);
    m_bottom = makeField(this, "txt1", 7);
    m_top = makeField(this, "txt2", 7);
    m_height = makeField(this, "txt3", 7);
    m_gradient = makeField(this, "txt4", 7);
    m_roughness = makeField(this, "txt5", 7);
    QPushButton *calc = makeCalculateButton();
    QPushButton *draw = makeButton(this, QStringLiteral("描画"), "cmd3");
    connect(draw, &QPushButton::clicked, this, &VelocityPolygonScreen::drawRequested);
    QPushButton *cancel = makeCancelButton();

    auto *vertices = new QGridLayout;
    addVertexRows(this, vertices, Qt::AlignCenter, m_x, m_y);
    for (std::size_t i = 0; i < 8; ++i) {
        for (QLineEdit *field : {m_x[i], m_y[i]}) {
            EventHook::onClick(field, [this] {
                if (m_session)
                    m_session->clickVertex();
            });
            // Flat with a single border while focused, the normal look otherwise.
            EventHook::onFocusIn(
                field, [field] { field->setStyleSheet(QStringLiteral("border: 1px solid black")); });
            EventHook::onFocusOut(field, [field] { field->setStyleSheet(QString()); });
        }
    }

    m_sketch = new VelocityPolygonSketch(this);
    m_instruction = new QLabel(
        QStringLiteral("有効水深部分（水に接している辺）を左上より、座標を反時計回りに入力してください｡"),
        m_sketch);
    m_instruction->setWordWrap(true);
    m_instruction->setGeometry(4, 4, 125, 129);
    auto *axes = new QGridLayout;
    axes->addWidget(makeLabel(this, QStringLiteral("(0，0)")), 0, 0);
    axes->addWidget(makeLabel(this, QStringLiteral("Ｘ軸(＋)")), 0, 1);
    axes->addWidget(makeLabel(this, QStringLiteral("Ｙ軸(＋)")), 1, 0);
    axes->addWidget(m_sketch, 1, 1);

    auto *dims = new QGridLayout;
    int row = 0;
    dims->addWidget(makeLabel(this, QStringLiteral("材料・名称")), row++, 0, 1, 3);
    dims->addWidget(m_material, row++, 0, 1, 3);
    row = addMetreRows(dims, row, {{"下部巾：", m_bottom}, {"上部巾：", m_top}, {"高さ：", m_height}});
    dims->addWidget(makeLabel(this, QStringLiteral("排水溝の勾配")), row++, 0, 1, 3);
    dims->addWidget(makeLabel(this, QStringLiteral("x/1000 x＝")), row, 0, Qt::AlignRight);
    dims->addWidget(m_gradient, row++, 1);
    dims->addWidget(makeLabel(this, QStringLiteral("粗度係数 n＝")), row, 0, Qt::AlignRight);
    dims->addWidget(m_roughness, row++, 1);
    dims->setRowStretch(row, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(calc);
    buttons->addWidget(draw);
    buttons->addWidget(cancel);

    auto *body = new QHBoxLayout;
    body->addLayout(dims);
    body->addLayout(vertices);
    body->addLayout(axes);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(body);
    layout->addLayout(buttons);
    chainEnter({m_material, m_bottom, m_top, m_height, m_gradient, m_roughness});
    bindFields();
    render();
}

PolygonForm VelocityPolygonScreen::form() const
{
    return m_session ? m_session->polygonForm() : PolygonForm{};
}

void VelocityPolygonScreen::setForm(const PolygonForm &f)
{
    if (!m_session)
        return;
    const ScreenId id = ScreenId::VelocityPolygon;
    for (const auto &[name, text] : {std::pair{"txt_m", &f.txt_m},
                                     {"txt1", &f.txt1},
                                     {"txt2", &f.txt2},
                                     {"txt3", &f.txt3},
                                     {"txt4", &f.txt4},
                                     {"txt5", &f.txt5}})
        m_session->setText(id, QString::fromLatin1(name), *text);
    for (std::size_t i = 0; i < 8; ++i) {
        m_session->setText(id, QStringLiteral("txt_x%1").arg(i + 1), f.txt_x[i]);
        m_session->setText(id, QStringLiteral("txt_y%1").arg(i + 1), f.txt_y[i]);
    }
}

QList<QPoint> VelocityPolygonScreen::sketchPoints() const
{
    return m_sketch->points;
}

bool VelocityPolygonScreen::instructionVisible() const
{
    return !m_instruction->isHidden();
}

void VelocityPolygonScreen::render()
{
    if (!m_session || !m_session->exists(ScreenId::VelocityPolygon))
        return;
    VelocityFacilityScreen::render();
    m_instruction->setVisible(m_session->polygonInstructionVisible());
    if (m_sketch->points != m_session->polygonSketch()) {
        m_sketch->points = m_session->polygonSketch();
        m_sketch->update();
    }
}

} // namespace niruka
