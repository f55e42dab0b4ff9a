// Metric aliases of web fonts, asked of a private fontconfig set that holds Liberation Sans
// alone: Arial has its stand-in there, Verdana (which fontconfig would still fill with the
// only font it has) and Times New Roman have none.
#include "widgets/fonts/webfontaliases.h"

#include <fontconfig/fontconfig.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char *const kLiberationSans =
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

// A configuration read from FONTCONFIG_FILE, with the system's rules and one font file.
class PrivateFontSet {
public:
    PrivateFontSet()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("fonts"));
        QFile::copy(QString::fromLatin1(kLiberationSans),
                    m_dir.filePath(QStringLiteral("fonts/LiberationSans-Regular.ttf")));
        const QString file = m_dir.filePath(QStringLiteral("fonts.conf"));
        QFile conf(file);
        if (!conf.open(QIODevice::WriteOnly))
            return;
        conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>%1</dir>\n"
                                  "<cachedir>%2</cachedir>\n<include "
                                  "ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                                  "</fontconfig>\n")
                       .arg(m_dir.filePath(QStringLiteral("fonts")),
                            m_dir.filePath(QStringLiteral("cache")))
                       .toUtf8());
        conf.close();
        const QByteArray previous = qgetenv("FONTCONFIG_FILE");
        qputenv("FONTCONFIG_FILE", QFile::encodeName(file));
        m_config = FcInitLoadConfigAndFonts();
        if (previous.isEmpty())
            qunsetenv("FONTCONFIG_FILE");
        else
            qputenv("FONTCONFIG_FILE", previous);
    }
    ~PrivateFontSet()
    {
        if (m_config)
            FcConfigDestroy(m_config);
    }
    FcConfig *config() const { return m_config; }

private:
    QTemporaryDir m_dir;
    FcConfig *m_config = nullptr;
};

TEST(WebFontAliases, OnlyAFamilyBoundAsAnEqualStandsIn)
{
    if (!QFile::exists(QString::fromLatin1(kLiberationSans)))
        GTEST_SKIP() << "fonts-liberation is not installed";
    PrivateFontSet fonts;
    ASSERT_NE(fonts.config(), nullptr);
    EXPECT_EQ(WebFontAliases::metricAlias(QStringLiteral("Arial"), fonts.config()),
              QStringLiteral("Liberation Sans"));
    EXPECT_EQ(WebFontAliases::metricAlias(QStringLiteral("arial"), fonts.config()),
              QStringLiteral("Liberation Sans"));
    for (const char *missing : {"Verdana", "Times New Roman", "Courier New", "Comic Sans MS", ""})
        EXPECT_EQ(WebFontAliases::metricAlias(QString::fromLatin1(missing), fonts.config()),
                  QString())
            << missing;
}

} // namespace
