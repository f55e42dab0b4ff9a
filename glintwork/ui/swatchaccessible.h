// What a screen reader learns about a colour swatch: a button with the name its owner gave
// it, its colour (and whether it is left out) as the description, marked as selected while
// it carries the border, and the press and menu actions of its left and right clicks.
#pragma once

#include <QAccessibleWidget>

class SwatchLabel;

class SwatchAccessible : public QAccessibleWidget {
public:
    explicit SwatchAccessible(SwatchLabel *swatch);

    // Makes Qt build this interface for every SwatchLabel; safe to call more than once.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    SwatchLabel *swatch() const;
};
