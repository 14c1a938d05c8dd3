#include "Application.h"
#include "UnDM.h"
#include "UnPrincipal.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    // The host system's arguments are ours alone: the toolkit gets none of them, so a password or a
    // database name that looks like a toolkit option ("-style", "-reverse") is neither taken away
    // nor obeyed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelvar"));
    Application::setTitle(QStringLiteral("Quelvar"));
    Application::setArguments(arguments);

    TDM dataModule;
    DM = &dataModule;
    {
        TFormPrincipal mainWindow;
        FormPrincipal = &mainWindow;
        mainWindow.show();
        QApplication::exec();
        FormPrincipal = nullptr;
    }
    DM = nullptr;
    return 0;
}
