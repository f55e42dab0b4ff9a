// The test programs' main: a QApplication on the offscreen platform (unless another
// platform is asked for), so that widget tests run without a display.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KerncraftTests"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
