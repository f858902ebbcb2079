#include "model/environment.h"

#include <QFont>
#include <QLocale>
#include <QString>

namespace niruka {

void installJapaneseLocale()
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
}

void installJapaneseEnvironment()
{
    installJapaneseLocale();
    QFont::insertSubstitutions(QString::fromUtf8(kMinchoFamily),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
    QFont::insertSubstitutions(QString::fromUtf8(kPGothicFamily),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック")});
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック")});
}

} // namespace niruka
