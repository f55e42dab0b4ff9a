// Program translations: see programtranslations.h.
#include "widgets/platform/programtranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ProgramTranslations {

namespace {

bool installOne(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

int install(const QString &program, const QLocale &locale, const QString &folder)
{
    if (!QCoreApplication::instance())
        return 0;
    int installed = 0;
    // The source texts are English but for their plural forms, which English carries too.
    if (installOne(QLocale(QLocale::English), program, folder))
        ++installed;
    if (locale.language() != QLocale::English && installOne(locale, program, folder))
        ++installed;
    if (installOne(locale, QStringLiteral("qtbase"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        ++installed;
    return installed;
}

} // namespace ProgramTranslations
