// What the programs write for other programs is data: the settings file, RTF and HTML are the
// same bytes whatever the user's language, while the messages follow it.
#include "logic/fontlisthtml.h"
#include "logic/previewbuilder.h"
#include "richtext/richdocument.h"
#include "settings/effectsettings.h"
#include "settings/settingsfile.h"
#include "widgets/platform/programtranslations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// `make` run once in English and once with German translations and a German locale.
std::pair<QByteArray, QByteArray> englishAndGerman(const std::function<QByteArray()> &make)
{
    const QByteArray english = make();
    QTranslator glintwork, facelister;
    EXPECT_TRUE(glintwork.load(QStringLiteral("glintwork_de"), QStringLiteral(KERNCRAFT_QM_DIR)));
    EXPECT_TRUE(facelister.load(QStringLiteral("facelister_de"), QStringLiteral(KERNCRAFT_QM_DIR)));
    QCoreApplication::installTranslator(&glintwork);
    QCoreApplication::installTranslator(&facelister);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray german = make();
    QLocale::setDefault(QLocale::c());
    QCoreApplication::removeTranslator(&facelister);
    QCoreApplication::removeTranslator(&glintwork);
    return {english, german};
}

// Glintwork's batch run in the environment of a user whose language is `lang`.
struct BatchOutput {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};
BatchOutput runBatch(const QString &lang, const QStringList &arguments, const QString &output)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GLINTWORK_EXE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), output.isEmpty() ? QByteArray() : fileBytes(output),
            process.readAllStandardError()};
}

} // namespace

TEST(LanguageData, SettingsFileAndFontListAreTheSameInGerman)
{
    QTemporaryDir dir;
    int run = 0;
    const auto [englishSettings, germanSettings] = englishAndGerman([&] {
        EffectSettings s;
        s.text = QStringLiteral("Grüße 1.5");
        const QString folder = dir.filePath(QString::number(run++));
        QDir().mkpath(folder);
        EXPECT_TRUE(SettingsFile::save(folder, s).ok);
        return fileBytes(SettingsFile::path(folder));
    });
    EXPECT_FALSE(englishSettings.isEmpty());
    EXPECT_EQ(englishSettings, germanSettings);

    for (const bool html : {false, true}) {
        const auto [english, german] = englishAndGerman([html] {
            RichDocument document;
            PreviewBuilder::Options options;
            options.sampleText = QStringLiteral("Sample 1.5");
            PreviewBuilder::build(document, {QStringLiteral("Arial"), QStringLiteral("Verdana")},
                                  options);
            return html ? FontListHtml::pageBytes(document, QStringLiteral("https://x.example/"))
                        : document.rtf();
        });
        EXPECT_TRUE(english.contains("Fonts"));
        EXPECT_EQ(english, german) << (html ? "HTML" : "RTF");
    }
}

TEST(LanguageData, GlintworkWritesTheSameFilesAndSpeaksGermanInAGermanLocale)
{
    QTemporaryDir dir;
    EffectSettings s;
    s.text = QStringLiteral("Decorated text, 1.5 times");
    ASSERT_TRUE(SettingsFile::save(dir.path(), s).ok);
    for (const char *name : {"out.rtf", "out.htm"}) {
        QByteArray outputs[2];
        int i = 0;
        for (const QString &lang : {QStringLiteral("C"), QStringLiteral("de_DE.UTF-8")}) {
            // The same name in a folder of its own: an HTML page's title is its file name.
            QDir(dir.path()).mkdir(lang);
            const QString output = dir.filePath(lang + u'/' + QLatin1String(name));
            const BatchOutput run =
                runBatch(lang,
                         {QStringLiteral("--batch"), QStringLiteral("--settings"),
                          SettingsFile::path(dir.path()), QStringLiteral("--output"), output,
                          QStringLiteral("--seed"), QStringLiteral("5")},
                         output);
            EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
            outputs[i++] = run.output;
        }
        EXPECT_FALSE(outputs[0].isEmpty());
        EXPECT_EQ(outputs[0], outputs[1]) << name;
    }

    // The same program tells a German user in German, from the translation built into it.
    const QString missing = dir.filePath(QStringLiteral("none"));
    const QStringList arguments = {QStringLiteral("--batch"), QStringLiteral("--settings"), missing,
                                   QStringLiteral("--output"),
                                   dir.filePath(QStringLiteral("x.rtf"))};
    const BatchOutput english = runBatch(QStringLiteral("C"), arguments, {});
    const BatchOutput german = runBatch(QStringLiteral("de_DE.UTF-8"), arguments, {});
    EXPECT_TRUE(english.errors.contains("does not exist")) << english.errors.toStdString();
    EXPECT_TRUE(german.errors.contains("Einstellungsdatei")) << german.errors.toStdString();
    EXPECT_EQ(english.exitCode, german.exitCode);
}

TEST(ProgramTranslations, AGermanLocaleGetsTheProgramsGermanAndQtsOwn)
{
    const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
    const int installed = ProgramTranslations::install(QStringLiteral("glintwork"),
                                                       QLocale(QLocale::German, QLocale::Germany),
                                                       QStringLiteral(KERNCRAFT_QM_DIR));
    EXPECT_EQ(installed, 3); // English plural forms, German, Qt's German
    EXPECT_EQ(QCoreApplication::translate("GlintworkWindow", "&File"), QStringLiteral("&Datei"));
    EXPECT_EQ(QCoreApplication::translate("EffectsPanel", " %n fonts selected.", nullptr, 1),
              QStringLiteral(" 1 Schriftart gewählt."));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    // The translators belong to the application; deleting them uninstalls them.
    for (QTranslator *translator : qApp->findChildren<QTranslator *>())
        if (!before.contains(translator))
            delete translator;
    EXPECT_EQ(QCoreApplication::translate("GlintworkWindow", "&File"), QStringLiteral("&File"));
}
