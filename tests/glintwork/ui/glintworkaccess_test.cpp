// Glintwork's window for a screen reader and without a mouse: every control named, the
// swatches on the Tab chain in the order shown, the colour rows answering the keys as the
// mouse, the output box's text and the bar's value readable.
#include "fakes/accessibilitywalk.h"
#include "fakes/namedchild.h"
#include "glintworkwindowfixture.h"
#include "richtext/richtextbox.h"
#include "ui/swatchlabel.h"
#include "widgets/controls/progressindicator.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

SwatchLabel *swatch(GlintworkWindow &w, const char *name)
{
    return namedChild<SwatchLabel>(&w, QString::fromLatin1(name));
}

TEST(GlintworkAccess, EveryControlIsNamedAndTabReachesEverySwatchInTheOrderShown)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    EXPECT_EQ(AccessibilityWalk::unnamedControls(&w).join(u' ').toStdString(), "");
    EXPECT_TRUE(AccessibilityWalk::labelledBy(namedChild<QWidget>(&w, QStringLiteral("TextWL")),
                                              namedChild<QWidget>(&w, QStringLiteral("Label2"))));
    const QList<QWidget *> chain = AccessibilityWalk::tabChain(&w);
    const QList<SwatchLabel *> swatches = w.findChildren<SwatchLabel *>();
    ASSERT_GE(swatches.size(), 3);
    for (SwatchLabel *s : swatches)
        EXPECT_TRUE(chain.contains(s)) << s->objectName().toStdString();
    // The main job from the keyboard: type, pick the fonts and the colours, Refresh, then the
    // result to copy from. (Tab stops once in each group of options; controls the options
    // leave disabled are not on the chain now.)
    const QStringList names = AccessibilityWalk::tabChainNames(&w);
    EXPECT_TRUE(AccessibilityWalk::inOrder(names, {"Text", "cmdP", "ListFonts", "Sizes_0", "ComboS",
                                                   "ComboB", "Cap_0", "OC_0", "Label1Col", "CL_0",
                                                   "CL_1", "CB_0", "CB_1", "Pos_0", "R"}))
        << names.join(u' ').toStdString();
}

TEST(GlintworkAccess, OutputBoxGivesItsTextAndTheBarItsValue)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    QAccessibleInterface *output =
        QAccessible::queryAccessibleInterface(namedChild<QWidget>(&w, QStringLiteral("R")));
    ASSERT_NE(output, nullptr);
    ASSERT_NE(output->textInterface(), nullptr);
    w.output().setText(QStringLiteral("Hello"));
    EXPECT_EQ(output->textInterface()->text(0, output->textInterface()->characterCount()),
              QStringLiteral("Hello"));
    auto *indicator = w.findChild<ProgressIndicator *>();
    ASSERT_NE(indicator, nullptr);
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(indicator);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_FALSE(bar->text(QAccessible::Name).isEmpty());
}

TEST(GlintworkAccess, SwatchRowsAnswerTheKeysAsTheMouse)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    swatch(w, "CL_2")->setFocus();
    QTest::keyClick(swatch(w, "CL_2"), Qt::Key_Right);
    EXPECT_TRUE(swatch(w, "CL_3")->hasFocus());
    // The menu key is the right button: from the swatch on, the colours are left out.
    QTest::keyClick(swatch(w, "CL_3"), Qt::Key_Menu);
    EXPECT_EQ(w.currentSettings().alternateColours[3].mark, QStringLiteral("X"));
    EXPECT_EQ(w.currentSettings().colouring, EffectSettings::ColourAlternate);
    // Space is the left button: the colour is asked for and taken.
    f.dialogs.colours = {0x123456};
    QTest::keyClick(swatch(w, "CL_3"), Qt::Key_Space);
    EXPECT_EQ(f.dialogs.colourPresets.size(), 1);
    EXPECT_EQ(w.currentSettings().alternateColours[3].colour, 0x123456);
    // Tab leaves the output box for the input box, round the window.
    QWidget *output = namedChild<QWidget>(&w, QStringLiteral("R"));
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), namedChild<QWidget>(&w, QStringLiteral("Text")));
    // Left at the row's first swatch stays there.
    swatch(w, "CB_0")->setFocus();
    QTest::keyClick(swatch(w, "CB_0"), Qt::Key_Left);
    EXPECT_TRUE(swatch(w, "CB_0")->hasFocus());
    // An artefact to look at: the focus frame on the first blend swatch.
    const QString folder =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("glintwork-screens"));
    QDir().mkpath(folder);
    EXPECT_TRUE(w.grab().save(QDir(folder).filePath(QStringLiteral("focusedswatch.png"))));
}

} // namespace
