#include "Application.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Widget tests run on the offscreen platform under the users' locale, whatever the machine has.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ::testing::InitGoogleTest(&argc, argv);
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    Application::setTitle(QStringLiteral("Quelvar"));
    return RUN_ALL_TESTS();
}
