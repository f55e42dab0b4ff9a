// A caption with controls inside its sentence ("Blend over %1 characters."): the caption's
// pieces become labels and each %1, %2 the control given for it, side by side in one row.
// A translation may put the controls anywhere in its sentence, and every label takes the
// room its text needs, so a longer translation is never cut.
#pragma once

#include <QList>
#include <QWidget>

class QLabel;

class CaptionRow : public QWidget {
    Q_OBJECT
public:
    // The labels are named `name`, `name_1`, ... in reading order; a label is the buddy of the
    // control after it. Controls without a place in the caption follow its end.
    CaptionRow(const QString &caption, const QList<QWidget *> &controls, const QString &name,
               QWidget *parent = nullptr);

    const QList<QLabel *> &labels() const { return m_labels; }
    // The controls keep their own state: only the caption's text greys out.
    void setLabelsEnabled(bool enabled);

private:
    QList<QLabel *> m_labels;
};
