#include "Application.h"

#include "ActiveWindowRestorer.h"
#include "Exception.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString& titleText()
{
    static QString title;
    return title;
}

QStringList& arguments()
{
    static QStringList args;
    return args;
}

QString messageOf(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->message();
    return QString::fromUtf8(error.what());
}

}  // namespace

QString Application::title()
{
    return titleText().isEmpty() ? QCoreApplication::applicationName() : titleText();
}

void Application::setTitle(const QString& title)
{
    titleText() = title;
}

void Application::setArguments(const QStringList& args)
{
    arguments() = args;
}

QString Application::paramStr(int index)
{
    const QStringList& args = arguments();
    return index >= 0 && index < args.size() ? args[index] : QString();
}

int Application::paramCount()
{
    return std::max(0, static_cast<int>(arguments().size()) - 1);
}

QString Application::errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void Application::showErrorMessage(const QString& message)
{
    // Messages break lines the way the host's platform does (CR, CR LF); the box wants LF.
    QString text = errorBoxText(message);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const ActiveWindowRestorer activation;
    QMessageBox box(QMessageBox::Critical, title(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Application::showException(const std::exception& error)
{
    showErrorMessage(messageOf(error));
}

void Application::report(const std::exception* error) noexcept
{
    try {
        if (error)
            showException(*error);
        else
            showErrorMessage(QStringLiteral("Erro inesperado"));
    } catch (...) {
        // Showing the box itself failed (out of memory): nothing is left that could report it.
    }
}
