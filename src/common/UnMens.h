#pragma once

#include "BitBtn.h"
#include "Form.h"
#include "Memo.h"

#include <QChar>
#include <QLabel>
#include <QString>
#include <QTimer>

#include <cstdint>

// The kinds of message the message window knows, in this order (ordinals 0 to 7).
enum TTipoMensagem : std::uint8_t {
    tmExclusao,
    tmGravacao,
    tmAdvertencia,
    tmInformacao,
    tmConfirmacao,
    tmResAC,
    tmResAEC,
    tmErro,
};

// A set of message kinds in one byte: bit n stands for the kind of ordinal n.
class TTipoMensagens {
public:
    constexpr TTipoMensagens() = default;
    // A kind converts to the set of just that kind.
    constexpr TTipoMensagens(TTipoMensagem kind) : m_bits(bit(kind)) {}
    static constexpr TTipoMensagens fromBits(std::uint8_t bits)
    {
        TTipoMensagens set;
        set.m_bits = bits;
        return set;
    }

    constexpr std::uint8_t bits() const { return m_bits; }
    constexpr bool contains(TTipoMensagem kind) const { return (m_bits & bit(kind)) != 0; }
    constexpr bool isEmpty() const { return m_bits == 0; }

    // Union, difference and intersection of sets of kinds.
    friend constexpr TTipoMensagens operator+(TTipoMensagens a, TTipoMensagens b)
    {
        return fromBits(a.m_bits | b.m_bits);
    }
    friend constexpr TTipoMensagens operator|(TTipoMensagens a, TTipoMensagens b) { return a + b; }
    friend constexpr TTipoMensagens operator-(TTipoMensagens a, TTipoMensagens b)
    {
        return fromBits(static_cast<std::uint8_t>(a.m_bits & ~b.m_bits));
    }
    friend constexpr TTipoMensagens operator*(TTipoMensagens a, TTipoMensagens b)
    {
        return fromBits(a.m_bits & b.m_bits);
    }
    friend constexpr bool operator==(TTipoMensagens a, TTipoMensagens b) = default;

private:
    static constexpr std::uint8_t bit(TTipoMensagem kind) { return static_cast<std::uint8_t>(1u << kind); }

    std::uint8_t m_bits = 0;
};

static_assert(sizeof(TTipoMensagens) == 1);

// The one-member sets callers pass to Mensagem.
inline constexpr TTipoMensagens Exclusao{tmExclusao};
inline constexpr TTipoMensagens Gravacao{tmGravacao};
inline constexpr TTipoMensagens Advertencia{tmAdvertencia};
inline constexpr TTipoMensagens Informacao{tmInformacao};
inline constexpr TTipoMensagens Confirmacao{tmConfirmacao};
inline constexpr TTipoMensagens ResAC{tmResAC};
inline constexpr TTipoMensagens ResAEC{tmResAEC};
inline constexpr TTipoMensagens Erro{tmErro};

// The message window: a picture, the text and up to three of four buttons, laid out by Mensagem for
// the kinds of the message. Created for one message and released after it.
class TFormMens : public Form {
public:
    explicit TFormMens(QWidget* parent = nullptr);

    QLabel* ImgExc;
    BitBtn* bbSim;
    BitBtn* bbNao;
    QLabel* ImgGrav;
    BitBtn* bbOk;
    QLabel* ImgAdv;
    BitBtn* bbCancel;
    QLabel* ImgInfo;
    QLabel* ImgConf;
    QLabel* ImgResAEC;
    Memo* Memo1;
    QTimer* Timer1;
    // The button that gets the focus when the window is shown; none at design.
    BitBtn* botaoFoco = nullptr;

    // A vertical scroll bar only for a text of more than 7 lines as shown, then the focus button.
    void FormShow(QObject* Sender);
    // Escape closes (Cancel); Enter in the text presses "Sim" if shown, else "OK" if shown.
    void FormKeyPress(QObject* Sender, QChar& Key);
    // Asks for the user's attention once a second while the window exists.
    void Timer1Timer(QObject* Sender);

private:
    void createControls();
    void answerWith(BitBtn* button, int result);
};

// The message window while a message is shown, otherwise null.
extern TFormMens* FormMens;

// Shows the text in the message window laid out for the given kinds, modally, and returns the result
// of the button that closed it: 1 OK, 2 Cancel (also Escape and the close box), 6 Yes, 7 No.
int Mensagem(const QString& Texto, TTipoMensagens TipoMensagem);
