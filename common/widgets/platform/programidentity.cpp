// Program identity: see programidentity.h.
#include "widgets/platform/programidentity.h"

#include "core/buildinfo.h"
#include "widgets/platform/programtranslations.h"

#include <QFile>
#include <QGuiApplication>

namespace ProgramIdentity {

QString desktopFileName(const QString &program)
{
    if (program.isEmpty())
        return {};
    return BuildInfo::kAppIdPrefix + QLatin1Char('.') + program;
}

QIcon icon(const QString &program)
{
    QIcon result;
    for (const int size : {16, 32, 48, 256}) {
        const QString file = QStringLiteral(":/kerncraft/icons/%1-%2.png").arg(program).arg(size);
        if (QFile::exists(file))
            result.addFile(file, QSize(size, size));
    }
    return result;
}

void apply(const QString &program)
{
    QGuiApplication::setDesktopFileName(desktopFileName(program));
    QGuiApplication::setWindowIcon(icon(program));
}

void start(const QString &programName)
{
    QCoreApplication::setApplicationName(programName);
    QCoreApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    apply(programName.toLower());
    ProgramTranslations::install(programName.toLower());
}

} // namespace ProgramIdentity
