#include "EventosKey.h"

#include <QStringView>

namespace {

struct Acentuadas {
    QStringView letras;
    QChar semAcento;
};

// Only the accents of Portuguese typing are mapped; any other accented letter is refused below.
constexpr Acentuadas kAcentuadas[] = {
    {u"ÀÁÂÃàáâã", u'A'}, {u"Çç", u'C'}, {u"ÈÉÊèéê", u'E'}, {u"ÌÍÎìíî", u'I'}, {u"ÒÓÔÕòóôõ", u'O'}, {u"ÙÚÛÜùúûü", u'U'},
};

QChar semAcento(QChar key)
{
    for (const Acentuadas& grupo : kAcentuadas) {
        if (grupo.letras.contains(key))
            return grupo.semAcento;
    }
    return key;
}

bool permitido(QChar key)
{
    switch (key.unicode()) {
        case 3:   // Ctrl+C
        case 8:   // Backspace
        case 9:   // Tab
        case 10:  // line feed
        case 13:  // Enter
        case 22:  // Ctrl+V
        case 26:  // Ctrl+Z
        case u'§':
        case u'ª':
        case u'º':
            return true;
        // The apostrophe delimits texts in SQL; "^" and "`" are the dead keys of accents that are
        // not mapped.
        case u'\'':
        case u'^':
        case u'`':
            return false;
        default:
            return key.unicode() >= u' ' && key.unicode() <= u'}';
    }
}

QChar maiuscula(QChar key)
{
    if (key.unicode() >= u'a' && key.unicode() <= u'z')
        return QChar(static_cast<char16_t>(key.unicode() - u'a' + u'A'));
    return key;
}

}  // namespace

void OnKeyPressDosTextos(QChar& Key)
{
    const QChar mapeada = semAcento(Key);
    Key = permitido(mapeada) ? maiuscula(mapeada) : QChar();
}
