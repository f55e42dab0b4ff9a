// What a screen reader learns about the progress indicator, a label with a frame inside: a
// progress bar, its name, and the value the filling shows out of the state's maximum. The
// indicator installs the factory; a value change is announced by the indicator itself.
#pragma once

#include <QAccessibleWidget>

class ProgressIndicator;

class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressAccessible(ProgressIndicator *indicator);

    // Makes Qt build this interface for every ProgressIndicator; safe to call more than once.
    static void install();

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ProgressIndicator *indicator() const;
};
