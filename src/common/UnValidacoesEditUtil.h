#pragma once

#include <QString>

class QLineEdit;

// Checks on what was typed into an edit box. A failed check raises an error with a fixed message
// (or the caller's, when it gives one); the box's tooltip names the field in the default messages.
class Validar {
public:
    Validar() = delete;

    static void notNull(QLineEdit* edit, const QString& mens = {}, bool setarFoco = true);
    static void maiorQueZero(QLineEdit* edit, const QString& mens = {}, bool setarFoco = true);
    static void notNullEMaiorQueZero(QLineEdit* edit, const QString& mens = {}, bool setarFoco = true);
    static void intervalo(QLineEdit* edit, double min, double max, QString mens = {});
    static void tamanho(QLineEdit* edit, double min, double max, QString mens = {});
    static void valorBooleano(QLineEdit* edit, const QString& p_nomeCampo);
};
