// A window's accessible interfaces and Tab chain: see accessibilitywalk.h.
#include "fakes/accessibilitywalk.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace AccessibilityWalk {

namespace {

// A control Tab stops at once the options enable it.
bool isTabStop(const QWidget *widget, const QWidget *window)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisibleTo(window) &&
           !widget->focusProxy() && widget->window() == window;
}

bool takesTabFocus(const QWidget *widget, const QWidget *window)
{
    return isTabStop(widget, window) && widget->isEnabled();
}

QString label(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// Rows of items (lists, tables, a combo box's popup) are data, named by their own rules.
bool holdsItems(QAccessible::Role role)
{
    return role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree ||
           role == QAccessible::ComboBox;
}

void visit(QAccessibleInterface *iface, QWidget *window,
           const std::function<void(QAccessibleInterface *)> &each, int depth)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    each(iface);
    if (holdsItems(iface->role()))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        visit(iface->child(i), window, each, depth + 1);
}

} // namespace

QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    visit(
        QAccessible::queryAccessibleInterface(window), window,
        [&](QAccessibleInterface *iface) {
            auto *widget = qobject_cast<QWidget *>(iface->object());
            if (widget && widget != window && isTabStop(widget, window) &&
                iface->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(label(widget));
        },
        0);
    return unnamed;
}

QList<QWidget *> tabChain(QWidget *window)
{
    // Real Tab presses: Qt's own rules (one button of an exclusive group, focus proxies,
    // boxes that keep Tab for themselves) decide, not a model of them.
    QList<QWidget *> chain;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return chain;
    // A window shown and hidden before (a please-wait window) can leave the platform's
    // active window and the application's apart.
    if (QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
    QWidget *first = nullptr;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (takesTabFocus(w, window)) {
            first = w;
            break;
        }
    }
    if (!first)
        return chain;
    first->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 500; ++step) {
        QWidget *focused = QApplication::focusWidget();
        if (!focused || chain.contains(focused))
            break;
        chain.append(focused);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return chain;
}

QStringList tabChainNames(QWidget *window)
{
    QStringList names;
    for (const QWidget *widget : tabChain(window))
        names.append(label(widget));
    return names;
}

bool inOrder(const QStringList &chain, const QStringList &names)
{
    qsizetype at = 0;
    for (const QString &name : names) {
        at = chain.indexOf(name, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

bool labelledBy(QWidget *control, QWidget *label)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    if (!iface)
        return false;
    const auto relations = iface->relations(QAccessible::Label);
    return std::any_of(relations.begin(), relations.end(),
                       [label](const auto &relation) { return relation.first->object() == label; });
}

QList<QAccessibleInterface *> progressBars(QWidget *window)
{
    QList<QAccessibleInterface *> bars;
    visit(
        QAccessible::queryAccessibleInterface(window), window,
        [&](QAccessibleInterface *iface) {
            if (iface->role() == QAccessible::ProgressBar)
                bars.append(iface);
        },
        0);
    return bars;
}

} // namespace AccessibilityWalk
