// Font details: see fontdetails.h.
#include "logic/fontdetails.h"

namespace {

// A long licence text is cut at this many characters, the address being the place to read it.
constexpr qsizetype kLicenceShown = 400;

void addLine(QString &text, const QString &label, const QString &value)
{
    if (value.trimmed().isEmpty())
        return;
    text += label + QStringLiteral(": ") + value.trimmed() + u'\n';
}

} // namespace

QString FontDetails::text() const
{
    if (isEmpty())
        return QStringLiteral("No details: the font is not installed.");
    QString text;
    addLine(text, QStringLiteral("Family"), family);
    addLine(text, QStringLiteral("Styles"), styles.join(QStringLiteral(", ")));
    addLine(text, files.size() > 1 ? QStringLiteral("Files") : QStringLiteral("File"),
            files.join(u'\n'));
    addLine(text, QStringLiteral("Version"), version);
    addLine(text, QStringLiteral("Foundry"), foundry);
    addLine(text, QStringLiteral("Designer"), designer);
    QString licenceText = licence.simplified();
    if (licenceText.size() > kLicenceShown)
        licenceText = licenceText.left(kLicenceShown) + QStringLiteral("...");
    addLine(text, QStringLiteral("Licence"), licenceText);
    addLine(text, QStringLiteral("Licence address"), licenceAddress);
    addLine(text, QStringLiteral("Scripts"), scripts.join(QStringLiteral(", ")));
    addLine(text, QStringLiteral("Languages"), languages.join(QStringLiteral(", ")));
    return text;
}
