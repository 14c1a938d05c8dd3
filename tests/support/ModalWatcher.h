#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

// Answers the modal windows that code under test opens, and keeps what each one showed. Without
// an answer a modal window would wait for a user who never comes.
class ModalWatcher : public QObject {
public:
    struct Seen {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
    };
    // Called with each new modal window; by default a message box is answered with its escape
    // button and any other window is closed.
    using Answer = std::function<void(QWidget& window)>;

    explicit ModalWatcher(Answer answer = {});

    const std::vector<Seen>& seen() const { return m_seen; }
    // The texts of the message boxes seen so far.
    std::vector<QString> texts() const;

private:
    void look();

    Answer m_answer;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    std::vector<Seen> m_seen;
};
