// The benchmarks' generated font set: see benchfontset.h.
#include "benchfontset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifndef KERNCRAFT_BENCH_DIR
#define KERNCRAFT_BENCH_DIR "."
#endif

namespace {

QString g_error;

// Debian's python3-fonttools lives beside the system's interpreter, which a python3 found
// first on the path (a virtual environment, pyenv) may not see.
QString pythonWithFontTools()
{
    QStringList candidates{QStringLiteral("/usr/bin/python3")};
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (!onPath.isEmpty())
        candidates.append(onPath);
    for (const QString &python : candidates) {
        if (!QFileInfo(python).isExecutable())
            continue;
        if (QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import fontTools")}) ==
            0)
            return python;
    }
    return {};
}

QString sourceFont()
{
    QProcess match;
    match.start(QStringLiteral("fc-match"),
                {QStringLiteral("-f"), QStringLiteral("%{file}"), QStringLiteral("DejaVu Sans")});
    if (match.waitForFinished(10000)) {
        const QString file = QString::fromLocal8Bit(match.readAllStandardOutput()).trimmed();
        if (file.endsWith(QStringLiteral(".ttf"), Qt::CaseInsensitive) && QFile::exists(file))
            return file;
    }
    const QString fallback = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    return QFile::exists(fallback) ? fallback : QString();
}

QString partFolder(const QString &folder, int part)
{
    return QDir(folder).filePath(QStringLiteral("fonts%1").arg(part));
}

} // namespace

BenchFontSet *BenchFontSet::shared()
{
    static std::unique_ptr<BenchFontSet> set;
    static bool tried = false;
    if (!tried) {
        tried = true;
        std::unique_ptr<BenchFontSet> made(new BenchFontSet);
        if (made->make())
            set = std::move(made);
    }
    return set.get();
}

QString BenchFontSet::error()
{
    return g_error;
}

bool BenchFontSet::make()
{
    m_folder = qEnvironmentVariable("KERNCRAFT_BENCH_FONT_DIR");
    if (m_folder.isEmpty() && m_temporary.isValid())
        m_folder = m_temporary.path();
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder)) {
        g_error = QStringLiteral("no folder for the font set");
        return false;
    }
    const QString python = pythonWithFontTools();
    if (python.isEmpty()) {
        g_error = QStringLiteral("python3-fonttools is not installed");
        return false;
    }
    const QString source = sourceFont();
    if (source.isEmpty()) {
        g_error = QStringLiteral("no DejaVu Sans font to copy");
        return false;
    }
    const QString script = QStringLiteral(KERNCRAFT_BENCH_DIR "/make_font_set.py");
    for (int part = 0; part < kMaxFonts / kStep; ++part) {
        const QString last =
            QDir(partFolder(m_folder, part))
                .filePath(QStringLiteral("bench%1.ttf")
                              .arg((part + 1) * kStep - 1, 4, 10, QLatin1Char('0')));
        if (QFile::exists(last))
            continue;
        const int code =
            QProcess::execute(python, {script, source, partFolder(m_folder, part),
                                       QString::number(part * kStep), QString::number(kStep)});
        if (code != 0) {
            g_error = QStringLiteral("make_font_set.py failed");
            return false;
        }
    }
    return true;
}

QString BenchFontSet::filePath(const QString &name) const
{
    return QDir(m_folder).filePath(name);
}

QString BenchFontSet::configFor(int count)
{
    const int parts = qBound(1, count / kStep, kMaxFonts / kStep);
    const QString path = filePath(QStringLiteral("fonts%1.conf").arg(parts * kStep));
    if (QFile::exists(path))
        return path;
    QString xml = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM "
                                 "\"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n");
    for (int part = 0; part < parts; ++part)
        xml += QStringLiteral("  <dir>%1</dir>\n").arg(partFolder(m_folder, part).toHtmlEscaped());
    xml += QStringLiteral("  <cachedir>%1</cachedir>\n")
               .arg(filePath(QStringLiteral("cache")).toHtmlEscaped());
    // The system's matching rules (aliases, substitutions), so that a match costs what it
    // costs on a real machine; the system's font folders are not included.
    xml += QStringLiteral("  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n");
    xml += QStringLiteral("</fontconfig>\n");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(xml.toUtf8());
    return path;
}
