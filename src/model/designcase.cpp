#include "model/designcase.h"

namespace niruka {

QString allowanceChoiceText(AllowanceChoice choice)
{
    return choice == AllowanceChoice::With ? QStringLiteral("有り") : QStringLiteral("無し");
}

QString velocityFormulaText(VelocityFormula formula)
{
    return formula == VelocityFormula::Kutter ? QStringLiteral("クッター公式")
                                              : QStringLiteral("マニング公式");
}

} // namespace niruka
