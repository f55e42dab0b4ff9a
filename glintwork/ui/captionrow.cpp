// A caption with controls inside it: see captionrow.h.
#include "ui/captionrow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>

CaptionRow::CaptionRow(const QString &caption, const QList<QWidget *> &controls,
                       const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name + QStringLiteral("Row"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QList<bool> placed(controls.size(), false);
    QLabel *waitingForBuddy = nullptr;
    auto addLabel = [&](const QString &text) {
        const QString piece = text.trimmed();
        if (piece.isEmpty())
            return;
        auto *label = new QLabel(piece, this);
        label->setObjectName(
            m_labels.isEmpty() ? name : QStringLiteral("%1_%2").arg(name).arg(m_labels.size()));
        row->addWidget(label);
        m_labels.append(label);
        waitingForBuddy = label;
    };
    auto addControl = [&](int index) {
        if (index < 0 || index >= controls.size() || placed[index] || !controls[index])
            return;
        placed[index] = true;
        controls[index]->setParent(this);
        row->addWidget(controls[index]);
        if (waitingForBuddy)
            waitingForBuddy->setBuddy(controls[index]);
        waitingForBuddy = nullptr;
    };
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(caption)) {
        addLabel(caption.mid(from, match.capturedStart() - from));
        addControl(match.captured(1).toInt() - 1);
        from = match.capturedEnd();
    }
    addLabel(caption.mid(from));
    for (int i = 0; i < controls.size(); ++i)
        addControl(i);
}

void CaptionRow::setLabelsEnabled(bool enabled)
{
    for (QLabel *label : std::as_const(m_labels))
        label->setEnabled(enabled);
}
