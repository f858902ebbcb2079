#include "session/diagramsession.h"

#include "diagram/curvefamily.h"
#include "diagram/diagrampainter.h"
#include "docs/diagramsettings.h"
#include "engine/filloption.h"
#include "model/environment.h"
#include "model/numbertext.h"
#include "session/defaultfolder.h"
#include "session/designworkflow.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace niruka {

using namespace Qt::StringLiterals;

namespace {

constexpr int kNewDepthPosition = 2; // "水深９.5割"

QString defaultFolder()
{
    return defaultFileFolder(QCoreApplication::applicationDirPath(), u"ニルカグラフ"_s);
}

QString fileFilter()
{
    return u"ニルカグラフ(.gra) (*.gra)"_s;
}

// A list row as a list box keeps it: outside the list there is no row.
int rowIn(const QStringList &lines, int row)
{
    return row >= 0 && row < lines.size() ? row : -1;
}

QString lineAt(const QStringList &lines, int row)
{
    return row >= 0 && row < lines.size() ? lines[row] : QString();
}

} // namespace

QPageLayout diagramPrintLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Point);
}

const QStringList &DiagramSession::familyLines()
{
    return familyListTexts();
}

const QStringList &DiagramSession::depthLines()
{
    static const QStringList lines = [] {
        QStringList l;
        for (const std::string &line : circularFillList())
            l << QString::fromStdString(line);
        return l;
    }();
    return lines;
}

DiagramSession::DiagramSession(SessionServices &services) : m_services(services)
{
    m_fields.familyRow = rowIn(familyLines(), kDefaultFamilyPosition);
    m_fields.depthRow = rowIn(depthLines(), kCircularFillDefaultPosition);
    m_geometry = emptyDiagramGeometry(DiagramTarget::Screen, m_fields.familyRow);
}

void DiagramSession::fieldsChanged()
{
    if (onFieldsChanged)
        onFieldsChanged();
}

void DiagramSession::surfaceChanged()
{
    if (onSurfaceChanged)
        onSurfaceChanged();
}

void DiagramSession::setFamilyRow(int row)
{
    m_fields.familyRow = rowIn(familyLines(), row);
}

void DiagramSession::setDepthRow(int row)
{
    m_fields.depthRow = rowIn(depthLines(), row);
}

void DiagramSession::setFormulaMarks(bool manning, bool kutter)
{
    m_fields.manning = manning;
    m_fields.kutter = kutter;
}

void DiagramSession::setRoughness(const QString &text)
{
    m_fields.roughness = text;
}

void DiagramSession::setRunoff(const QString &text)
{
    m_fields.runoff = text;
}

void DiagramSession::setIntensity(const QString &text)
{
    m_fields.intensity = text;
}

void DiagramSession::openFromMainMenu()
{
    m_fields.roughness = formatNumber(0.01, u"0.0#");
    if (m_fileName.isEmpty()) {
        m_menu.saveAs = false;
        m_menu.overwrite = false;
    }
    fieldsChanged();
}

QString DiagramSession::closingStatusText(double capacity, double designFlow, bool conditionsOpen)
{
    if (!conditionsOpen)
        return noResultStartHint();
    if (capacity == 0)
        return conditionsHint();
    if (designFlow <= capacity)
        return verdictOkHint();
    return verdictExceedsHint();
}

void DiagramSession::selectFamily(int row)
{
    m_fields.depthRow = rowIn(depthLines(), kNewDepthPosition);
    const QString roughness = familyDefaultRoughness(row);
    if (!roughness.isEmpty())
        m_fields.roughness = roughness;
    fieldsChanged();
}

void DiagramSession::readNumbers()
{
    m_settings.roughness = parseLeadingNumber(m_fields.roughness);
    m_settings.runoffCoeff = parseLeadingNumber(m_fields.runoff);
    m_settings.rainIntensity = parseLeadingNumber(m_fields.intensity);
}

DiagramSettings DiagramSession::settingsFromFields() const
{
    DiagramSettings s = m_settings;
    s.formula.reset();
    if (m_fields.manning)
        s.formula = VelocityFormula::Manning;
    else if (m_fields.kutter)
        s.formula = VelocityFormula::Kutter;
    s.familyPosition = m_fields.familyRow;
    return s;
}

void DiagramSession::drawOnScreen()
{
    readNumbers();
    m_settings.depthPosition = m_fields.depthRow;
    m_settings = settingsFromFields();
    m_drawn = DrawnState::Screen;
    m_geometry = diagramGeometry(m_settings, DiagramTarget::Screen);
    ++m_screenDrawings;
    surfaceChanged();
}

void DiagramSession::refuse(const QString &text, const char *control)
{
    showError(m_services, text);
    if (onFocus)
        onFocus(QString::fromLatin1(control));
}

// n, C and I are read first and stay read when a check refuses.
bool DiagramSession::draw()
{
    readNumbers();
    if (lineAt(familyLines(), m_fields.familyRow).isEmpty()) {
        refuse(u"施設の種類を選択してください。"_s, "cbo1");
        return false;
    }
    if (lineAt(depthLines(), m_fields.depthRow).isEmpty()) {
        refuse(u"水深水量を選択してください。"_s, "cbo2");
        return false;
    }
    // A negative value has no meaning here and would turn the curves over; it counts as missing.
    if (m_settings.roughness <= 0) {
        refuse(u"粗度係数を入力してください。"_s, "txt1");
        return false;
    }
    if (!m_fields.manning && !m_fields.kutter) {
        refuse(u"流速の計算方法を選択してください。"_s, "opt1");
        return false;
    }
    if (m_settings.runoffCoeff <= 0) {
        refuse(u"流出係数を入力してください。"_s, "txt2");
        return false;
    }
    if (m_settings.rainIntensity <= 0) {
        refuse(u"1時間当たりの降雨強度を入力してください。"_s, "txt3");
        return false;
    }
    drawOnScreen();
    return true;
}

void DiagramSession::drawWithoutChecks()
{
    drawOnScreen();
}

DiagramSettings DiagramSession::printSettings() const
{
    return settingsFromFields();
}

bool DiagramSession::print(QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        showError(m_services, u"印刷を開始できませんでした。"_s);
        return false;
    }
    m_drawn = DrawnState::Printed;
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size();
    DiagramSurface surface = diagramSurface(page, DiagramTarget::Printer, device.logicalDpiX());
    surface.fontFamily = QString::fromUtf8(kPGothicFamily);
    paintDiagram(painter, diagramGeometry(printSettings(), DiagramTarget::Printer), surface);
    painter.end();
    return true;
}

void DiagramSession::menuOpened()
{
    const bool drawn = m_drawn != DrawnState::None;
    m_menu.saveAs = drawn;
    m_menu.overwrite = drawn && !m_fileName.isEmpty();
    fieldsChanged();
}

void DiagramSession::fileNew()
{
    m_fields.roughness.clear();
    m_fields.runoff.clear();
    m_fields.intensity.clear();
    m_fields.manning = false;
    m_fields.kutter = false;
    m_fields.familyRow = rowIn(familyLines(), kDefaultFamilyPosition);
    m_fields.depthRow = rowIn(depthLines(), kNewDepthPosition);
    m_drawn = DrawnState::None;
    m_geometry = emptyDiagramGeometry(DiagramTarget::Screen, m_fields.familyRow);
    fieldsChanged();
    surfaceChanged();
}

DiagramSettingsRecord DiagramSession::recordFromFields() const
{
    DiagramSettingsRecord r;
    r.familyPosition = m_fields.familyRow;
    r.depthPosition = m_fields.depthRow;
    r.manning = m_fields.manning;
    r.kutter = m_fields.kutter;
    r.roughnessText = m_fields.roughness;
    r.runoffText = m_fields.runoff;
    r.intensityText = m_fields.intensity;
    return r;
}

// The options are a pair: Kutter wins when a file sets both.
void DiagramSession::applyRecord(const DiagramSettingsRecord &r, const bool *read)
{
    if (read[0]) {
        m_fields.familyRow = rowIn(familyLines(), r.familyPosition);
        selectFamily(r.familyPosition);
    }
    if (read[1])
        m_fields.depthRow = rowIn(depthLines(), r.depthPosition);
    if (read[2] || read[3]) {
        const bool manning = read[2] ? r.manning : m_fields.manning;
        const bool kutter = read[3] ? r.kutter : m_fields.kutter;
        m_fields.manning = manning && !kutter;
        m_fields.kutter = kutter;
    }
    if (read[4])
        m_fields.roughness = r.roughnessText;
    if (read[5])
        m_fields.runoff = r.runoffText;
    if (read[6])
        m_fields.intensity = r.intensityText;
    fieldsChanged();
}

void DiagramSession::fileOpen()
{
    m_fileName = m_services.openFileName(u"ニルカグラフを開く"_s, defaultFolder(), fileFilter());
    if (m_fileName.isEmpty())
        return;
    if (openSettingsFile(m_fileName) && onFocus)
        onFocus(u"cmd1"_s);
}

bool DiagramSession::openSettingsFile(const QString &path)
{
    m_fileName = path;
    const DiagramReadResult result = loadDiagramSettingsFile(m_fileName);
    switch (result.status) {
    case DiagramReadStatus::CannotOpen:
        showError(m_services, u"ファイルを開けませんでした。"_s);
        return false;
    case DiagramReadStatus::TooLarge:
        showError(m_services, u"ニルカグラフのファイルではありません。"_s);
        return false;
    case DiagramReadStatus::Incomplete:
    case DiagramReadStatus::Damaged:
        applyRecord(result.record, result.read.data());
        showError(m_services,
                  u"ファイルの内容に読み込めない行がありました。読み込めた項目だけを復元しました。"_s);
        break;
    case DiagramReadStatus::Complete:
        applyRecord(result.record, result.read.data());
        break;
    }
    drawOnScreen();
    return true;
}

bool DiagramSession::writeFile(const QString &path)
{
    const QString error = saveDiagramSettingsFile(path, recordFromFields());
    if (error.isEmpty())
        return true;
    showError(m_services, u"保存できませんでした。\n"_s + error);
    return false;
}

void DiagramSession::saveAs()
{
    m_fileName = m_services.saveFileName(u"ニルカグラフの保存"_s, defaultFolder(), fileFilter());
    if (QFile existing(m_fileName); !m_fileName.isEmpty() && existing.open(QIODevice::ReadOnly)) {
        existing.close();
        const MsgAnswer answer =
            m_services.message({u"上書き保存の確認"_s, u"同名ファイルがあります。上書き保存しますか？"_s,
                                MsgButtons::YesNo, MsgIcon::Critical, MsgAnswer::No});
        if (answer == MsgAnswer::No)
            return;
    }
    if (m_fileName.isEmpty())
        return;
    writeFile(m_fileName);
}

void DiagramSession::overwrite()
{
    if (m_fileName.isEmpty())
        return; // nothing to overwrite; the item is disabled in this state
    const MsgAnswer answer = m_services.message({u"確認"_s, u"上書き保存してもよろしいですか？"_s,
                                                 MsgButtons::OkCancel, MsgIcon::None, MsgAnswer::Cancel});
    if (answer != MsgAnswer::Ok)
        return;
    writeFile(m_fileName);
}

} // namespace niruka
