// Label with controls in its gaps: see gaplabel.h.
#include "ui/gaplabel.h"

#include <QEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

namespace {
constexpr int kGapMargin = 3;

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}
// The width a control asks for, within the limits set on it.
int wantedWidth(const QWidget *widget)
{
    return qBound(widget->minimumWidth(), widget->sizeHint().width(), widget->maximumWidth());
}

} // namespace

GapLabel::GapLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void GapLabel::setGapWidget(int gap, QWidget *widget)
{
    if (gap < 0 || !widget)
        return;
    while (m_gapWidgets.size() <= gap)
        m_gapWidgets.append(nullptr);
    m_gapWidgets[gap] = widget;
    widget->setParent(this);
    widget->show();
    updateGeometry();
    placeChildren();
}

QList<GapLabel::Piece> GapLabel::pieces() const
{
    QList<Piece> result;
    static const QRegularExpression gaps(QStringLiteral(" {2,}"));
    const QString caption = text();
    int from = 0;
    auto it = gaps.globalMatch(caption);
    while (it.hasNext()) {
        const auto match = it.next();
        result.append(
            {caption.mid(from, match.capturedStart() - from), int(match.capturedLength())});
        from = match.capturedEnd();
    }
    result.append({caption.mid(from), 0});
    return result;
}

int GapLabel::gapWidth(int gap, int blanks) const
{
    const int blankWidth = fontMetrics().horizontalAdvance(QLatin1Char(' ')) * blanks;
    QWidget *widget = m_gapWidgets.value(gap);
    if (!widget)
        return blankWidth;
    return qMax(blankWidth, wantedWidth(widget) + 2 * kGapMargin);
}

QSize GapLabel::sizeHint() const
{
    const QList<Piece> parts = pieces();
    int width = 0;
    int height = fontMetrics().height();
    for (int i = 0; i < parts.size(); ++i) {
        width += fontMetrics().horizontalAdvance(withoutMnemonic(parts[i].text));
        if (i + 1 < parts.size())
            width += gapWidth(i, parts[i].blanks);
    }
    for (int gap = int(parts.size()) - 1; gap < m_gapWidgets.size(); ++gap)
        if (m_gapWidgets[gap])
            width += gapWidth(gap, 0);
    for (QWidget *widget : m_gapWidgets)
        if (widget)
            height = qMax(height, widget->sizeHint().height());
    return {width + 1, height};
}

void GapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QList<Piece> parts = pieces();
    int x = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const int w = fontMetrics().horizontalAdvance(withoutMnemonic(parts[i].text));
        style()->drawItemText(&painter, QRect(x, 0, w + 1, height()),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), parts[i].text, QPalette::WindowText);
        x += w;
        if (i + 1 < parts.size())
            x += gapWidth(i, parts[i].blanks);
    }
}

void GapLabel::placeChildren()
{
    const QList<Piece> parts = pieces();
    auto place = [this](int gap, int x, int w) {
        if (QWidget *widget = m_gapWidgets.value(gap)) {
            const int wh = qMin(height(), widget->sizeHint().height());
            const int ww = qMin(w - 2 * kGapMargin, wantedWidth(widget));
            // Centred in a gap wider than the control needs.
            widget->setGeometry(x + (w - ww) / 2, (height() - wh) / 2, ww, wh);
        }
    };
    int x = 0;
    for (int i = 0; i < parts.size(); ++i) {
        x += fontMetrics().horizontalAdvance(withoutMnemonic(parts[i].text));
        if (i + 1 < parts.size()) {
            const int w = gapWidth(i, parts[i].blanks);
            place(i, x, w);
            x += w;
        }
    }
    for (int gap = int(parts.size()) - 1; gap < m_gapWidgets.size(); ++gap) {
        if (m_gapWidgets[gap]) {
            const int w = gapWidth(gap, 0);
            place(gap, x, w);
            x += w;
        }
    }
}

void GapLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    placeChildren();
}

void GapLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        placeChildren();
    }
}
