#include "model/environment.h"

#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QStringList>

namespace niruka {

namespace {

// The database's spelling of `family`, empty when it is not installed. QFontDatabase::families() writes a
// family that several foundries make as "Family [foundry]"; QFont::substitutes() gives names in lower case.
QString spellingIn(const QStringList &families, const QString &family)
{
    for (const QString &entry : families) {
        const qsizetype bracket = entry.indexOf(QLatin1String(" ["));
        const QStringView name = bracket < 0 ? QStringView(entry) : QStringView(entry).left(bracket);
        if (name.compare(family, Qt::CaseInsensitive) == 0)
            return name.toString();
    }
    return {};
}

} // namespace

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

QString installedFamily(const QString &family)
{
    const QStringList families = QFontDatabase::families();
    if (QString installed = spellingIn(families, family); !installed.isEmpty())
        return installed;
    const QStringList substitutes = QFont::substitutes(family);
    for (const QString &substitute : substitutes)
        if (QString installed = spellingIn(families, substitute); !installed.isEmpty())
            return installed;
    return family;
}

QFont screenFont()
{
    return QFont(installedFamily(QStringLiteral("MS UI Gothic")), 9);
}

} // namespace niruka
