// The sixteen-colour dialog: the swatch marked on first use, the choice carried over to the
// next use, double-click, Enter, Escape and the window's close box.
#include "fakes/accessibilitywalk.h"
#include "ui/swatchlabel.h"
#include "ui/windowscolourdialog.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the dialog modally and acts on it once it is up.
std::optional<qint32> runWith(WindowsColourDialog &dialog, std::function<void()> act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        if (!dialog.isVisible()) {
            dialog.reject();
            return;
        }
        act();
    });
    return dialog.run();
}

int borderedCount(const WindowsColourDialog &dialog)
{
    int n = 0;
    for (int i = 0; i < WindowsColourDialog::kSwatches; ++i)
        n += dialog.swatch(i)->bordered() ? 1 : 0;
    return n;
}

} // namespace

TEST(WindowsColourDialog, FirstUseMarksWhiteAndEnterReturnsIt)
{
    WindowsColourDialog dialog;
    EXPECT_EQ(dialog.ChosenSwatch(), 0);
    EXPECT_TRUE(dialog.swatch(0)->bordered());
    EXPECT_EQ(borderedCount(dialog), 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select a color..."));
    const auto chosen = runWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, 0xFFFFFF);
}

TEST(WindowsColourDialog, NavyIsMarkedTheNextTime)
{
    WindowsColourDialog dialog;
    const auto first = runWith(dialog, [&] {
        QTest::mouseClick(dialog.swatch(13), Qt::LeftButton);
        dialog.okButton()->click();
    });
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, 0x800000);
    EXPECT_EQ(dialog.ChosenSwatch(), 13);
    EXPECT_TRUE(dialog.swatch(13)->bordered());
    EXPECT_FALSE(dialog.swatch(0)->bordered());
    EXPECT_EQ(borderedCount(dialog), 1);
    const auto second = runWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Enter); });
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(*second, 0x800000);
}

TEST(WindowsColourDialog, DoubleClickReturnsTheSwatchAtOnce)
{
    WindowsColourDialog dialog;
    const auto chosen =
        runWith(dialog, [&] { QTest::mouseDClick(dialog.swatch(9), Qt::LeftButton); });
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, 0x000080); // maroon
    EXPECT_FALSE(dialog.isVisible());
}

struct CancelCase {
    const char *name;
    std::function<void(WindowsColourDialog &)> cancel;
};

void PrintTo(const CancelCase &c, std::ostream *os)
{
    *os << c.name;
}

class WindowsColourDialogCancel : public ::testing::TestWithParam<CancelCase> {};

TEST_P(WindowsColourDialogCancel, ReturnsNothingAndKeepsTheMark)
{
    WindowsColourDialog dialog;
    // A colour chosen before must not come back when the next use is cancelled.
    runWith(dialog, [&] { dialog.CL_DblClick(5); });
    const auto chosen = runWith(dialog, [&] {
        dialog.CL_Click(2);
        GetParam().cancel(dialog);
    });
    EXPECT_FALSE(chosen.has_value());
    EXPECT_EQ(dialog.ChosenColour(), -1);
    EXPECT_EQ(dialog.ChosenSwatch(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, WindowsColourDialogCancel,
    ::testing::Values(
        CancelCase{"CancelButton", [](WindowsColourDialog &d) { d.cancelButton()->click(); }},
        CancelCase{"Escape", [](WindowsColourDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        CancelCase{"CloseBox", [](WindowsColourDialog &d) { d.close(); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WindowsColourDialog, SwatchesShowTheSixteenColoursInTwoRows)
{
    WindowsColourDialog dialog;
    dialog.show();
    QSet<qint32> colours;
    for (int i = 0; i < WindowsColourDialog::kSwatches; ++i)
        colours.insert(dialog.swatch(i)->colour());
    EXPECT_EQ(colours.size(), 16);
    // Light colours above their dark counterparts: white over black, blue over navy.
    EXPECT_LT(dialog.swatch(0)->y(), dialog.swatch(11)->y());
    EXPECT_EQ(dialog.swatch(0)->x(), dialog.swatch(11)->x());
    EXPECT_EQ(dialog.swatch(5)->x(), dialog.swatch(13)->x());
    EXPECT_EQ(dialog.swatch(4)->y(), dialog.swatch(0)->y());
    EXPECT_TRUE(dialog.okButton()->isDefault());
    // An artefact to look at.
    const QString folder =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("glintwork-screens"));
    QDir().mkpath(folder);
    dialog.CL_Click(13);
    EXPECT_TRUE(
        dialog.grab().save(QDir(folder).filePath(QStringLiteral("windowscolourdialog.png"))));
}

// Without a mouse: Tab visits the swatches as shown, the arrows move the mark through the
// grid and stop at its edges, Space marks the focused swatch, Enter takes the mark.
TEST(WindowsColourDialog, KeysMoveTheMarkAndEnterTakesIt)
{
    WindowsColourDialog dialog;
    QStringList names;
    struct Step {
        Qt::Key key;
        int marked;
    };
    const Step steps[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Down, 10}, {Qt::Key_Left, 11},
        {Qt::Key_Left, 11}, {Qt::Key_Up, 0},    {Qt::Key_Up, 0},
        {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Down, 9},
    };
    const auto chosen = runWith(dialog, [&] {
        names = AccessibilityWalk::tabChainNames(&dialog);
        EXPECT_EQ(AccessibilityWalk::unnamedControls(&dialog).join(u' ').toStdString(), "");
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.swatch(0)->setFocus();
        for (const Step &step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.key);
            EXPECT_EQ(dialog.ChosenSwatch(), step.marked) << step.key;
            EXPECT_TRUE(dialog.swatch(step.marked)->hasFocus()) << step.key;
        }
        // Space on a swatch reached by Tab marks it as a click does.
        dialog.swatch(13)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(dialog.ChosenSwatch(), 9);
        QTest::keyClick(dialog.swatch(13), Qt::Key_Space);
        EXPECT_EQ(dialog.ChosenSwatch(), 13);
        dialog.swatch(5)->setFocus(Qt::TabFocusReason);
        const QString folder = QDir(QCoreApplication::applicationDirPath())
                                   .filePath(QStringLiteral("glintwork-screens"));
        EXPECT_TRUE(dialog.grab().save(QDir(folder).filePath(QStringLiteral("dialogfocus.png"))));
        dialog.swatch(13)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dialog.swatch(13), Qt::Key_Return);
    });
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, 0x800000); // navy
    EXPECT_EQ(names,
              QStringList({"CL0", "CL1", "CL2", "CL3", "CL7", "CL6", "CL5", "CL4", "CL11", "CL10",
                           "CL9", "CL8", "CL15", "CL14", "CL13", "CL12", "CommandOK", "CommandX"}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.swatch(13))->text(QAccessible::Name),
              QStringLiteral("Navy"));
}
