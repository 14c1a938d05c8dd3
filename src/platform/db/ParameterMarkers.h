#pragma once

#include <QString>
#include <QStringList>

// Positional markers written :0, :1 ... (any name of letters, digits and "_") become the server's $1,
// $2 ... Markers are found outside string literals, quoted names, comments and "::" casts. Names are
// numbered in the order they first appear and compared without case; a name used twice is one
// parameter.
struct ParameterMarkers {
    QString serverSql;
    QStringList names;

    static ParameterMarkers parse(const QString& sql);
};
