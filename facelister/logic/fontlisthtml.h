// The HTML font list: the preview turned into a web page, character by character, as
// closed font runs (face, size class, bold, italic) that change wherever the format does.
#pragma once

#include <QString>

class RichTextBox;

class FontListHtml {
public:
    static QString fileName() { return QStringLiteral("Font_List.htm"); }

    // Whether the preview holds something to print, save or copy: at least two
    // characters once leading and trailing blanks (spaces only) are left out.
    static bool hasContent(const QString &previewText);

    // The page for the box's content, every frame line ending in CR LF and the whole
    // followed by one more CR LF, as written to the file. Every character is Windows-1252:
    // others are written as numeric character references.
    static QString page(const RichTextBox &box, const QString &downloadAddress);
    // The page in Windows-1252 bytes.
    static QByteArray pageBytes(const RichTextBox &box, const QString &downloadAddress);
};
