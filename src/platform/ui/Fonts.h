#pragma once

#include <QFont>
#include <QStringList>

// A font by the family the windows were designed with; where that family is not installed, the
// fallbacks that look closest to it on this platform take its place.
inline QFont designFont(const QString& family, int pointSize, bool bold = false)
{
    QFont font;
    font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}
