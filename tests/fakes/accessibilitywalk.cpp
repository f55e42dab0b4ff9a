// A window's accessible interfaces and Tab chain: see accessibilitywalk.h.
#include "fakes/accessibilitywalk.h"

#include <QAccessible>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace AccessibilityWalk {

namespace {

bool takesTabFocus(const QWidget *widget, const QWidget *window)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisibleTo(window) &&
           widget->isEnabled() && !widget->focusProxy() && widget->window() == window;
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
            if (widget && widget != window && takesTabFocus(widget, window) &&
                iface->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(label(widget));
        },
        0);
    return unnamed;
}

QList<QWidget *> tabChain(QWidget *window)
{
    QList<QWidget *> chain;
    QWidget *first = nullptr;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (!takesTabFocus(w, window))
            continue;
        if (w == first)
            break;
        if (!first)
            first = w;
        if (chain.contains(w))
            break;
        chain.append(w);
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
