// Test main for GoogleTest executables that draw or use fonts: an offscreen QGuiApplication with the
// Japanese locale and font substitutions, and quiet logging.
#include "model/environment.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\nqt.*=false"));
    QGuiApplication app(argc, argv);
    niruka::installJapaneseEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
