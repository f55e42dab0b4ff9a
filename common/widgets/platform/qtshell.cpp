// Desktop handlers: see qtshell.h.
#include "widgets/platform/qtshell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool QtShell::openAddress(const QString &address)
{
    QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool QtShell::openDocument(const QString &path, const QString &workingFolder)
{
    // The handler inherits the working folder of the moment it is started.
    const QString previous = QDir::currentPath();
    const bool changed = !workingFolder.isEmpty() && QDir::setCurrent(workingFolder);
    const bool ok =
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    if (changed)
        QDir::setCurrent(previous);
    return ok;
}

namespace {

// The untranslated Name of a desktop entry's main group.
QString desktopEntryName(const QString &file)
{
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool mainGroup = false;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith(u'['))
            mainGroup = line == QLatin1String("[Desktop Entry]");
        else if (mainGroup && line.startsWith(QLatin1String("Name=")))
            return line.mid(5).trimmed();
    }
    return {};
}

QString defaultBrowserName()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QProcess xdg;
    xdg.start(QStringLiteral("xdg-settings"),
              {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (!xdg.waitForFinished(2000)) {
        xdg.kill();
        xdg.waitForFinished(500);
        return {};
    }
    const QString id = QString::fromLocal8Bit(xdg.readAllStandardOutput()).trimmed();
    if (id.isEmpty() || xdg.exitCode() != 0)
        return {};
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    return file.isEmpty() ? QString() : desktopEntryName(file);
#else
    return {};
#endif
}

} // namespace

QString QtShell::webBrowserName() const
{
    // Asked once: the answer takes a child process, and the user rarely changes it.
    if (!m_browserName)
        m_browserName = defaultBrowserName();
    return *m_browserName;
}
