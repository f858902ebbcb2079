// The screens' font by an installed family: the same face the font substitutions give, found without the
// toolkit's fallback search for a missing family.
#include "model/environment.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLocale>
#include <gtest/gtest.h>
#include <memory>

namespace niruka {
namespace {

class InstalledFamilyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "environment_test";
        static char *argv[] = {name, nullptr};
        s_app = std::make_unique<QGuiApplication>(argc, argv);
        s_locale = std::make_unique<QLocale>();
        installJapaneseEnvironment();
        QFont::insertSubstitutions(QStringLiteral("Niruka Test Gothic"), {QStringLiteral("IPAPGothic")});
        QFont::insertSubstitutions(QStringLiteral("Niruka Test Mincho"),
                                   {QStringLiteral("Niruka Test Nowhere"), QStringLiteral("IPAMincho")});
        QFont::insertSubstitutions(QStringLiteral("Niruka Test Lost"),
                                   {QStringLiteral("Niruka Test Nowhere")});
    }

    static void TearDownTestSuite()
    {
        for (const char *family : {"Niruka Test Gothic", "Niruka Test Mincho", "Niruka Test Lost"})
            QFont::removeSubstitutions(QString::fromUtf8(family));
        // The other tests of this program run in the locale they started in.
        QLocale::setDefault(*s_locale);
        s_locale.reset();
        s_app.reset();
    }

    static bool has(const char *family)
    {
        return QFontDatabase::families().contains(QString::fromUtf8(family), Qt::CaseInsensitive);
    }

    static std::unique_ptr<QGuiApplication> s_app;
    static std::unique_ptr<QLocale> s_locale;
};

std::unique_ptr<QGuiApplication> InstalledFamilyTest::s_app;
std::unique_ptr<QLocale> InstalledFamilyTest::s_locale;

struct FamilyCase {
    const char *family;
    const char *expected;
};

TEST_F(InstalledFamilyTest, takesTheFamilyItselfOrItsFirstInstalledSubstitute)
{
    if (!has("IPAPGothic") || !has("IPAMincho"))
        GTEST_SKIP() << "the IPA fonts are not installed";
    const FamilyCase cases[] = {
        {"IPAPGothic", "IPAPGothic"},                   // installed
        {"ipapgothic", "IPAPGothic"},                   // installed, spelt as the database spells it
        {"Niruka Test Gothic", "IPAPGothic"},           // missing, its substitute installed
        {"Niruka Test Mincho", "IPAMincho"},            // missing, the first substitute missing too
        {"Niruka Test Lost", "Niruka Test Lost"},       // no substitute installed: left to the toolkit
        {"Niruka Test Unknown", "Niruka Test Unknown"}, // no substitutes at all
    };
    for (const FamilyCase &c : cases)
        EXPECT_EQ(installedFamily(QString::fromUtf8(c.family)).toStdString(), c.expected) << c.family;
}

// Families that several foundries make are listed as "Family [foundry]".
TEST_F(InstalledFamilyTest, knowsAFamilyListedWithItsFoundry)
{
    for (const QString &entry : QFontDatabase::families()) {
        const qsizetype bracket = entry.indexOf(QLatin1String(" ["));
        if (bracket < 0)
            continue;
        const QString family = entry.left(bracket);
        QFont::insertSubstitution(QStringLiteral("Niruka Test Foundry"), family);
        EXPECT_EQ(installedFamily(QStringLiteral("Niruka Test Foundry")), family);
        QFont::removeSubstitutions(QStringLiteral("Niruka Test Foundry"));
        return;
    }
    GTEST_SKIP() << "no font family of several foundries is installed";
}

// The face the screens, the report and the diagram get is the one the substitutions give for the family
// they ask for.
TEST_F(InstalledFamilyTest, givesTheFaceOfTheSubstitution)
{
    for (const char *family : {"MS UI Gothic", kMinchoFamily, kPGothicFamily}) {
        const QFontInfo asked(QFont(QString::fromUtf8(family), 9));
        const QFontInfo installed(QFont(installedFamily(QString::fromUtf8(family)), 9));
        EXPECT_EQ(installed.family(), asked.family()) << family;
        EXPECT_EQ(installed.pixelSize(), asked.pixelSize()) << family;
        EXPECT_EQ(installed.styleName(), asked.styleName()) << family;
    }
    const QFontInfo screen(screenFont());
    EXPECT_EQ(screen.family(), QFontInfo(QFont(QStringLiteral("MS UI Gothic"), 9)).family());
    EXPECT_EQ(screen.pointSize(), 9);
}

} // namespace
} // namespace niruka
