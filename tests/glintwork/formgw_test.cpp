// The main window driven offscreen with fake services.
#include "formgwfixture.h"
#include "richtextbox.h"

#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

QString artefactFolder()
{
    const QString folder = QDir::temp().filePath(QStringLiteral("glintwork-screens"));
    QDir().mkpath(folder);
    return folder;
}

} // namespace

TEST(FormGWScreens, AfterRefreshInEachMode)
{
    FormGWFixture f;
    FormGW &w = f.start();
    for (int mode : {0, 1, 2}) {
        w.mnuMode_Click(mode);
        w.setInputText(QStringLiteral("Glintwork makes every letter shine.\r\nType, click Refresh, "
                                      "and watch the colours dance!"));
        w.cmdP_Click();
        ASSERT_FALSE(w.output().text().isEmpty());
        const QString path =
            QDir(artefactFolder()).filePath(QStringLiteral("formgw-mode%1.png").arg(mode));
        EXPECT_TRUE(w.grab().save(path));
    }
}
