// The window's size and place: kept in a store of their own and given back on the next start.
#include "ui/windowplacement.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

TEST(WindowPlacement, TheNextWindowOpensWhereTheLastOneWas)
{
    QTemporaryDir dir;
    QSettings store(QDir(dir.path()).filePath(QStringLiteral("placement.conf")),
                    QSettings::IniFormat);
    QWidget fresh;
    EXPECT_FALSE(WindowPlacement::restore(fresh, store)); // nothing remembered yet

    QWidget first;
    first.setGeometry(40, 50, 420, 310);
    WindowPlacement::save(first, store);
    QWidget next;
    ASSERT_TRUE(WindowPlacement::restore(next, store));
    EXPECT_EQ(next.geometry().size(), QSize(420, 310));
    EXPECT_EQ(next.geometry().topLeft(), first.geometry().topLeft());
}
