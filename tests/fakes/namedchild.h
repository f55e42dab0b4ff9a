// Finding a window's control by the name the design gives it, failing the test when it
// is missing.
#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

template <typename T> T *namedChild(const QObject *parent, const QString &name)
{
    T *found = parent ? parent->findChild<T *>(name) : nullptr;
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}
