#include "KeyChar.h"

#include "Application.h"

#include <QKeyEvent>

namespace KeyChar {

namespace {

constexpr QChar kEnter(u'\r');
constexpr QChar kBackspace(u'\b');
constexpr QChar kEscape(u'\x1b');

int keyCodeFor(QChar key)
{
    if (key == kEnter)
        return Qt::Key_Return;
    if (key == kBackspace)
        return Qt::Key_Backspace;
    if (key == kEscape)
        return Qt::Key_Escape;
    if (key.unicode() >= 0x20 && key.unicode() < 0x7f)
        return QChar(key).toUpper().unicode();
    return Qt::Key_unknown;
}

}  // namespace

std::optional<QChar> of(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnter;
        case Qt::Key_Backspace:
            return kBackspace;
        case Qt::Key_Escape:
            return kEscape;
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0] != u'\x7f')
        return text[0];
    if (text.isEmpty() && (event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z)
        return QChar(static_cast<char16_t>(event.key() - Qt::Key_A + 1));
    return std::nullopt;
}

std::unique_ptr<QKeyEvent> replacement(const QKeyEvent& original, QChar key)
{
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, keyCodeFor(key), original.modifiers(), QString(key),
                                       original.isAutoRepeat(), static_cast<quint16>(original.count()));
}

Filtered run(const TKeyPressEvent& handler, QObject* sender, const QKeyEvent& event)
{
    Filtered result;
    if (!handler)
        return result;
    const std::optional<QChar> typed = of(event);
    if (!typed)
        return result;
    QChar key = *typed;
    if (!Application::guard([&] { handler(sender, key); }) || key.isNull()) {
        result.outcome = Outcome::Swallow;
    } else if (key != *typed) {
        result.outcome = Outcome::Replace;
        result.event = replacement(event, key);
    }
    return result;
}

}  // namespace KeyChar
