#pragma once

#include <QColor>
#include <QString>

// Which rows a lookup's search list draws in another colour: those whose column `fCampo` reads
// exactly `fCondicaoCampo`.
struct TLookupDestaque {
    QString fCampo;
    QString fCondicaoCampo;
    QColor fCorDeDestaque;
};
