// The HTML version of Glyphmatch's table, written as "Glyphmatch.htm" for the browser to print.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct GlyphPageCell {
    QString text;
    QString face;
    int widthTwips = 0;
    int heightTwips = 0;
    // Written as the cell's title attribute when not empty (the symbol's Unicode equivalent,
    // for screen readers).
    QString title = {};
};

struct GlyphPageInput {
    QString textFont;   // FC
    QString symbolFont; // FL
    QString sizeText;
    QString downloadAddress;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    QList<QList<GlyphPageCell>> rows;
};

namespace GlyphPage {

inline constexpr auto fileName = "Glyphmatch.htm";

// The page, its lines ending in CR LF except the closing comment. Cell text, titles and font
// names are escaped so that "<", "&" and names with apostrophes keep the page valid. Every
// cell's font tag is closed in its cell, and a style clips each glyph to its cell.
QString html(const GlyphPageInput &input);

// The bytes of the file: the page and a final CR LF in Windows-1252, characters the code page
// lacks as numeric character references.
QByteArray fileBytes(const QString &page);

// The working folder for the program that opens the page: the drive of a Windows program
// folder, otherwise the folder that holds the page.
QString workingFolder(const QString &programFolder, const QString &pageFolder);

} // namespace GlyphPage
