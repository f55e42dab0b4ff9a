// The test programs' main: a QApplication on the offscreen platform (unless another
// platform is asked for), so that widget tests run without a display, speaking the programs'
// English.
#include "widgets/platform/programtranslations.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KerncraftTests"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    // The texts the programs show in English, their plural forms included.
    for (const char *program : {"glintwork", "facelister", "glyphmatch", "charboard"})
        ProgramTranslations::install(QLatin1String(program), QLocale(QLocale::English),
                                     QStringLiteral(KERNCRAFT_QM_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
