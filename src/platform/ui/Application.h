#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <utility>

// What the program knows of itself: its title (the caption of the error box), the command line it
// was started with, and the one place where an error that leaves an event handler is shown.
class Application {
public:
    static QString title();
    static void setTitle(const QString& title);

    // The command line as the program received it, before any toolkit option was taken out of it.
    static void setArguments(const QStringList& arguments);
    // Argument 0 is the program; an argument that is not there reads as the empty text.
    static QString paramStr(int index);
    static int paramCount();

    // The standard error box: the application title, the error icon, OK and the message.
    static void showException(const std::exception& error);
    static void showErrorMessage(const QString& message);
    // The message as the error box words it: a full stop is added unless the text already ends in
    // "." or in a character that sorts before it.
    static QString errorBoxText(const QString& message);

    // Runs an event handler. Errors never cross the toolkit's event loop: whatever the handler throws
    // is shown in the error box here. Returns false when the handler failed.
    template <typename Handler>
    static bool guard(Handler&& handler) noexcept
    {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const std::exception& error) {
            report(&error);
        } catch (...) {
            report(nullptr);
        }
        return false;
    }

private:
    static void report(const std::exception* error) noexcept;
};
