// The attributes of one character of a rich-text document.
#pragma once

#include <QString>

struct CharFormat {
    QString face;
    double size = 12.0; // points, fractional allowed
    qint32 colour = 0;  // 0x00BBGGRR
    bool bold = false;
    bool italic = false;
    int offset = 0; // vertical offset in twips, positive raises

    friend bool operator==(const CharFormat &, const CharFormat &) = default;
};
