#include "session/reportcommands.h"

#include "report/reportfile.h"

#include <QPageSize>

namespace niruka {

using namespace Qt::StringLiterals;

std::optional<bool> askMaxArea(SessionServices &services)
{
    const MsgAnswer answer = services.message({u"確認"_s, u"最大流域面積を印刷しますか？"_s,
                                               MsgButtons::YesNoCancel, MsgIcon::None, MsgAnswer::No});
    if (answer == MsgAnswer::Cancel)
        return std::nullopt;
    return answer == MsgAnswer::Yes;
}

void writeReportFile(SessionServices &services, const DesignCase &design)
{
    const ReportWriteResult result = Kakikomi(design);
    if (result.verdictNo)
        services.beep();
    if (!result.ok())
        showError(services, result.error);
}

void openReportInEditor(SessionServices &services)
{
    services.launchEditor(QString::fromLatin1(kReportFileName));
}

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

} // namespace niruka
