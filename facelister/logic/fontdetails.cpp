// Font details: see fontdetails.h.
#include "logic/fontdetails.h"

#include <QCoreApplication>

namespace {

// A long licence text is cut at this many characters, the address being the place to read it.
constexpr qsizetype kLicenceShown = 400;

// `line` is the whole line with %1 for the value.
void addLine(QString &text, const QString &line, const QString &value)
{
    if (value.trimmed().isEmpty())
        return;
    text += line.arg(value.trimmed()) + u'\n';
}

} // namespace

QString FontDetails::text() const
{
    if (isEmpty())
        return QCoreApplication::translate("FontDetails", "No details: the font is not installed.");
    QString text;
    addLine(text, QCoreApplication::translate("FontDetails", "Family: %1"), family);
    addLine(text, QCoreApplication::translate("FontDetails", "Styles: %1"),
            styles.join(QStringLiteral(", ")));
    addLine(text,
            QCoreApplication::translate("FontDetails", "Files: %1", nullptr, int(files.size())),
            files.join(u'\n'));
    addLine(text, QCoreApplication::translate("FontDetails", "Version: %1"), version);
    addLine(text, QCoreApplication::translate("FontDetails", "Foundry: %1"), foundry);
    addLine(text, QCoreApplication::translate("FontDetails", "Designer: %1"), designer);
    QString licenceText = licence.simplified();
    if (licenceText.size() > kLicenceShown)
        licenceText = licenceText.left(kLicenceShown) + QStringLiteral("...");
    addLine(text, QCoreApplication::translate("FontDetails", "Licence: %1"), licenceText);
    addLine(text, QCoreApplication::translate("FontDetails", "Licence address: %1"),
            licenceAddress);
    addLine(text, QCoreApplication::translate("FontDetails", "Scripts: %1"),
            scripts.join(QStringLiteral(", ")));
    addLine(text, QCoreApplication::translate("FontDetails", "Languages: %1"),
            languages.join(QStringLiteral(", ")));
    return text;
}
