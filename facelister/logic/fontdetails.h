// What Facelister tells about one installed font for its details panel: family and styles,
// files, version, foundry and designer, licence and the scripts and languages it covers,
// as read by a FontDetailsSource, and the panel's text made from them.
#pragma once

#include <QString>
#include <QStringList>

struct FontDetails {
    QString family;
    QStringList styles;
    QStringList files;
    QString version;
    QString foundry;
    QString designer;
    QString licence;        // the font's licence text, as it gives it
    QString licenceAddress; // where the licence is published
    QStringList scripts;    // writing systems, by name
    QStringList languages;  // language tags the font covers

    bool isEmpty() const { return family.isEmpty(); }
    // The panel's text: one labelled line per detail the font gives, in a fixed order.
    QString text() const;
};

class FontDetailsSource {
public:
    virtual ~FontDetailsSource() = default;
    // The details of the installed family of that name (any case); empty when none is.
    virtual FontDetails details(const QString &family) const = 0;
};
