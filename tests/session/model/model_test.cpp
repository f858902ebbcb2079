// Random sessions on the open design alone, without a window: sequences of what a user does (新規作成, 開く
// of every golden file and of damaged ones, typing into any field of the design screens and the calculators,
// clicks, options, lists, 直接入力/加重平均/計算する, ＯＫ/キャンセル, 計算, 閉じる, 名前をつけて保存), with
// the rule of one coherent result checked after every step: whenever the File menu would offer to print,
// write or save, the report's numbers agree with each other to the digits printed, and the report is what a
// new session prints after opening the file 名前をつけて保存 would write now.
//
// NIRUKA_MODEL_SEQUENCES and NIRUKA_MODEL_STEPS set the run's length (2,000 sequences of up to 40 steps by
// default); RC_PARAMS="reproduce=…", printed on a failure, replays one.
#include "docs/projectfile.h"
#include "model/designcase.h"
#include "modelinputs.h"
#include "report/reportcomposer.h"
#include "reportcoherence.h"
#include "session/calculatorsessions.h"
#include "session/designsession.h"
#include "session/designworkflow.h"
#include "session/intensitysession.h"
#include "session/projectsession.h"
#include "session/runoffsession.h"
#include "session/velocitysession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <deque>
#include <rapidcheck.h>

using namespace niruka;

namespace {

class Answers final : public SessionServices {
public:
    std::deque<MsgAnswer> answers;
    std::deque<QString> files;
    MsgAnswer message(const MessageRequest &request) override
    {
        if (answers.empty())
            return request.defaultButton;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return next(); }
    QString saveFileName(const QString &, const QString &, const QString &) override { return next(); }
    void launchEditor(const QString &) override {}

private:
    QString next()
    {
        if (files.empty())
            return {};
        const QString f = files.front();
        files.pop_front();
        return f;
    }
};

using test::files;
using test::scratchDir;
using test::texts;

QStringList reportLines(const DesignCase &design, bool *split)
{
    const ComposedReport report = composeReport(design, ReportOutput::TextFile);
    QStringList lines;
    for (const ReportLine &line : report.lines)
        lines << QString::number(line.part) + (line.failingVerdict ? u'!' : u' ') + line.text;
    *split = report.split;
    return lines;
}

bool offersResult(const FileCommandState &c)
{
    return c.saveAs || c.overwrite || c.printImage || c.print || c.editorWrite || c.toolbarOverwrite ||
           c.toolbarImage || c.toolbarPrint;
}

struct Counters {
    long sequences = 0, steps = 0, reports = 0, intensityBehindPrintImage = 0;
};
Counters g_count;

// The diagram menu and the toolbar are taken only by a calculator screen that holds them; once none does,
// they are back, whatever hid the screen or unloaded it.
QString chromeGivenBack(const DesignSession &s)
{
    if (s.calculators().runoff().visible() || s.calculators().intensity().holdsChrome())
        return {};
    if (!s.window().diagramMenuEnabled)
        return QStringLiteral("the diagram menu stays off with no calculator open");
    if (!s.window().toolbarVisible)
        return QStringLiteral("the toolbar stays hidden with no calculator open");
    return {};
}

// The rule of one coherent result; empty when it holds.
QString coherence(DesignSession &s, const QString &scratch, QByteArray &verifiedBytes)
{
    if (const QString chrome = chromeGivenBack(s); !chrome.isEmpty())
        return chrome;
    s.fileMenuOpened();
    const bool onScreen = s.resultShown();
    if (!onScreen && isVerdictText(s.window().statusText))
        return QStringLiteral("a verdict in the status bar without a result: ") + s.window().statusText;
    if (!offersResult(s.window().commands))
        return {};
    if (!onScreen)
        return QStringLiteral("a command is offered without a result on screen");
    bool split = false;
    const QStringList report = reportLines(s.design(), &split);
    QStringList bare;
    for (const QString &line : report)
        bare << line.mid(2);
    if (const QString inner = test::reportAgreesWithItself(bare); !inner.isEmpty())
        return QStringLiteral("(a) ") + inner + u'\n' + bare.join(u'\n');
    if (const QString error = s.project().saveFile(scratch); !error.isEmpty())
        return QStringLiteral("(b) the save fails: ") + error;
    QFile saved(scratch);
    QByteArray bytes;
    if (saved.open(QIODevice::ReadOnly))
        bytes = saved.readAll();
    const QByteArray key = bytes + report.join(u'\n').toUtf8() + char(split);
    if (key == verifiedBytes)
        return {};
    Answers quiet;
    DesignSession fresh(quiet);
    fresh.project().openFile(scratch);
    if (!fresh.resultShown())
        return QStringLiteral("(b) the saved file opens without a result");
    bool freshSplit = false;
    if (reportLines(fresh.design(), &freshSplit) != report || freshSplit != split)
        return QStringLiteral("(b) the saved file prints another report");
    verifiedBytes = key;
    ++g_count.reports;
    return {};
}

// A valid design typed in directly, so results occur often.
void typeValidPipe(DesignSession &s, int kind)
{
    s.setRow({ScreenId::Conditions, QStringLiteral("lst_s")}, kind);
    s.setText({ScreenId::Conditions, QStringLiteral("txt_c")}, QStringLiteral("0.5"));
    s.setText({ScreenId::Conditions, QStringLiteral("txt_a")}, QStringLiteral("3000"));
    s.setText({ScreenId::Conditions, QStringLiteral("txt_i")}, QStringLiteral("100"));
    s.setChecked({ScreenId::Conditions, QStringLiteral("opt1")}, true);
    s.setRow({ScreenId::Pipe, QStringLiteral("lst_pu")}, 2);
    s.setText({ScreenId::Pipe, QStringLiteral("txt1")}, QStringLiteral("10"));
    s.setText({ScreenId::Pipe, QStringLiteral("txt2")}, QStringLiteral("0.013"));
    s.setRow({ScreenId::Pipe, QStringLiteral("cbo1")}, 0);
}

const ScreenId kFacilityScreens[] = {ScreenId::Pipe, ScreenId::Circular, ScreenId::Ditch, ScreenId::Polygon};
const char *const kFacilityFields[] = {"txt_m",  "txt1",   "txt2",   "txt3",   "txt4",   "txt5",  "txt6",
                                       "txt_x0", "txt_y0", "txt_x1", "txt_y1", "txt_x2", "txt_y2"};
const char *const kConditionsFields[] = {"txt_c", "txt_a", "txt_i", "txt1"};
const char *const kConditionsOptions[] = {"opt1", "opt2", "opt3", "opt4", "opt5", "opt6", "opt7", "opt8"};
const ScreenId kVelocityScreens[] = {ScreenId::VelocityPipe, ScreenId::VelocityDitch,
                                     ScreenId::VelocityCircular, ScreenId::VelocityPolygon};

// One step: `code` picks the action, `a` and `b` its arguments. Returns a name for the failure log.
QString step(DesignSession &s, Answers &answers, int code, int a, int b)
{
    const QString text = texts()[b % texts().size()];
    switch (code) {
    case 0:
        s.fileNew();
        return QStringLiteral("新規作成");
    case 1: {
        const QString path = files()[a % files().size()];
        s.project().openFile(path);
        return QStringLiteral("開く ") + QFileInfo(path).fileName();
    }
    case 2:
        answers.answers.push_back(b % 2 ? MsgAnswer::Yes : MsgAnswer::No);
        s.closeDesign();
        answers.answers.clear();
        return QStringLiteral("閉じる");
    case 3:
        answers.files.push_back(scratchDir().filePath(QStringLiteral("saved-as.nrk")));
        answers.answers.push_back(MsgAnswer::Yes);
        s.project().saveAs();
        answers.files.clear();
        answers.answers.clear();
        return QStringLiteral("名前をつけて保存");
    case 4: {
        const Control c{ScreenId::Conditions, QString::fromLatin1(kConditionsFields[a % 4])};
        s.setText(c, text);
        return QStringLiteral("type %1 = %2").arg(c.name, text);
    }
    case 5: {
        const Control c{kFacilityScreens[a % 4], QString::fromLatin1(kFacilityFields[b % 13])};
        s.setText(c, texts()[(a / 4) % texts().size()]);
        return QStringLiteral("type facility %1").arg(c.name);
    }
    case 6:
        s.setRow({ScreenId::Conditions, QStringLiteral("lst_s")}, a % 9 - 1);
        return QStringLiteral("kind %1").arg(a % 9 - 1);
    case 7:
        s.setRow({ScreenId::Pipe, b % 2 ? QStringLiteral("lst_pu") : QStringLiteral("cbo1")}, a % 17 - 1);
        return QStringLiteral("pipe row");
    case 8:
        s.setRow({kFacilityScreens[a % 4], QStringLiteral("cbo1")}, b % 9 - 1);
        return QStringLiteral("depth row");
    case 9:
        s.setChecked({ScreenId::Conditions, QString::fromLatin1(kConditionsOptions[a % 8])}, b % 2);
        return QStringLiteral("option");
    case 10:
        s.clickInto({a % 2 ? ScreenId::Conditions : kFacilityScreens[b % 4],
                     QString::fromLatin1(a % 2 ? kConditionsFields[b % 4] : kFacilityFields[b % 13])});
        return QStringLiteral("click");
    case 11:
        s.keyIn({ScreenId::Conditions, QString::fromLatin1(a % 3 == 0   ? "txt_i"
                                                           : a % 3 == 1 ? "opt1"
                                                                        : "opt2")});
        return QStringLiteral("key");
    case 12:
        switch (a % 6) {
        case 0:
            s.runoffDirect();
            break;
        case 1:
            s.weightedAverage();
            break;
        case 2:
            s.intensityDirect();
            break;
        case 3:
            s.computeIntensity();
            break;
        case 4:
            s.chooseAllowance(b % 2);
            break;
        default:
            s.chooseKindAgain(b % 8);
            break;
        }
        return QStringLiteral("button %1").arg(a % 6);
    case 13:
    case 14:
        s.calculate();
        return QStringLiteral("計算");
    case 15:
        s.closeResult();
        return QStringLiteral("close result");
    case 16:
        typeValidPipe(s, a % 4);
        return QStringLiteral("valid pipe");
    case 17: { // the runoff calculator
        RunoffSession &r = s.runoff();
        if (!r.visible())
            s.weightedAverage();
        switch (a % 4) {
        case 0:
            r.toggle(b % 19, true);
            break;
        case 1:
            r.toggle(b % 19, false);
            break;
        case 2:
            r.setText(b % 6, RunoffField::Area, texts()[a % texts().size()]);
            break;
        default:
            r.setText(b % 6, RunoffField::Coeff, texts()[a % texts().size()]);
            break;
        }
        return QStringLiteral("runoff entry");
    }
    case 18:
        if (s.runoff().visible()) {
            if (a % 3)
                s.runoff().ok();
            else
                s.runoff().cancel();
        }
        return QStringLiteral("runoff ＯＫ/キャンセル");
    case 19: { // the intensity calculator
        IntensitySession &i = s.intensity();
        if (!i.visible())
            s.computeIntensity();
        switch (a % 5) {
        case 0:
            i.setText(1 + b % 9, texts()[a % texts().size()]);
            break;
        case 1:
            i.chooseFormula(b % 2 + 1);
            break;
        case 2:
            i.chooseTDirect();
            break;
        case 3:
            i.chooseComputedVelocity();
            break;
        default:
            i.clickInto(1 + b % 9);
            break;
        }
        return QStringLiteral("intensity entry");
    }
    case 20:
        if (s.intensity().visible()) {
            if (a % 3)
                s.intensity().ok();
            else
                s.intensity().cancel();
        }
        return QStringLiteral("intensity ＯＫ/キャンセル");
    case 21: { // the velocity calculator
        VelocitySession &v = s.velocity();
        switch (a % 5) {
        case 0:
            v.chooseKind(b % 8);
            break;
        case 1:
            v.setFormula(b % 2, !(b % 2));
            break;
        case 2:
            v.setText(kVelocityScreens[b % 4], QString::fromLatin1(kFacilityFields[a % 13]), text);
            break;
        case 3:
            v.setRow(kVelocityScreens[b % 4], QStringLiteral("cbo1"), a % 9 - 1);
            break;
        default:
            v.calculate(kVelocityScreens[b % 4]);
            break;
        }
        return QStringLiteral("velocity");
    }
    case 22: // 印刷ｲﾒｰｼﾞ, offered only with a result, opened and closed again; now and then over the
             // intensity screen opened just before and a 計算 pressed again beside it
        if (b % 2 == 0 && s.resultShown() && !s.intensity().visible()) {
            s.computeIntensity();
            s.calculate();
        }
        s.fileMenuOpened();
        if (s.window().commands.printImage) {
            g_count.intensityBehindPrintImage += s.intensity().visible();
            s.printImageOpened(a % 2 + 1);
            s.printImageClosed();
        }
        return QStringLiteral("印刷ｲﾒｰｼﾞ");
    default: // an intensity the calculator gives, typed the easy way
        if (!s.intensity().visible())
            s.computeIntensity();
        for (int k = 1; k <= 3; ++k)
            s.intensity().setText(k, texts()[(a + k) % texts().size()]);
        s.intensity().chooseTDirect();
        s.intensity().setText(4, QStringLiteral("10"));
        s.intensity().ok();
        return QStringLiteral("intensity shortcut");
    }
}

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : fallback;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int sequences = envInt("NIRUKA_MODEL_SEQUENCES", 2000);
    const int maxSteps = envInt("NIRUKA_MODEL_STEPS", 40);
    if (!qEnvironmentVariableIsSet("RC_PARAMS"))
        qputenv("RC_PARAMS", QByteArray("max_success=") + QByteArray::number(sequences) +
                                 " max_size=" + QByteArray::number(maxSteps));
    files();
    const QString scratch = scratchDir().filePath(QStringLiteral("scratch.nrk"));
    const bool ok = rc::check("one coherent result in every session", [&] {
        // The size sets how many steps a sequence has; each step draws from the whole of its ranges
        // (inRange scales its range with the size, which would leave the later actions out of short runs).
        const auto actions = *rc::gen::container<std::vector<std::tuple<int, int, int>>>(rc::gen::resize(
            rc::kNominalSize,
            rc::gen::tuple(rc::gen::inRange(0, 24), rc::gen::inRange(0, 1000), rc::gen::inRange(0, 1000))));
        Answers answers;
        DesignSession s(answers);
        s.fileNew();
        ++g_count.sequences;
        QByteArray verified;
        QStringList log;
        for (const auto &[code, a, b] : actions) {
            log << step(s, answers, code, a, b);
            ++g_count.steps;
            const QString wrong = coherence(s, scratch, verified);
            if (!wrong.isEmpty()) {
                RC_LOG() << log.join(QStringLiteral(" → ")).toStdString() << "\n";
                RC_FAIL(wrong.toStdString());
            }
        }
    });
    std::printf("sequences %ld, steps %ld, reports reopened in a new session %ld, print images over the "
                "intensity screen %ld\n",
                g_count.sequences, g_count.steps, g_count.reports, g_count.intensityBehindPrintImage);
    return ok ? 0 : 1;
}
