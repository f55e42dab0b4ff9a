// The waterfall on screen: see waterfallview.h.
#include "ui/waterfallview.h"

#include "logic/waterfall.h"

#include <QPainter>

namespace {

constexpr int kGap = 8; // between the size and the sample, and below each line

} // namespace

WaterfallView::WaterfallView(QWidget *parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void WaterfallView::showSample(const QString &family, const QString &sample)
{
    m_family = family;
    m_text = Waterfall::text(sample);
    updateGeometry();
    adjustSize();
    update();
}

QList<int> WaterfallView::shownSizes() const
{
    return m_family.isEmpty() ? QList<int>{} : Waterfall::sizes();
}

QFont WaterfallView::lineFont(int points) const
{
    QFont font(m_family);
    font.setPointSize(points);
    return font;
}

int WaterfallView::labelWidth() const
{
    return fontMetrics().horizontalAdvance(tr("%1 pt").arg(72)) + kGap;
}

QSize WaterfallView::sizeHint() const
{
    int height = kGap;
    int width = 0;
    for (const int points : shownSizes()) {
        const QFontMetrics metrics(lineFont(points));
        height += metrics.height() + kGap;
        width = std::max(width, metrics.horizontalAdvance(m_text));
    }
    return {labelWidth() + width + 2 * kGap, height};
}

void WaterfallView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    int top = kGap;
    for (const int points : shownSizes()) {
        const QFont font = lineFont(points);
        const QFontMetrics metrics(font);
        const int baseline = top + metrics.ascent();
        painter.setFont(this->font());
        painter.drawText(QPoint(kGap, baseline), tr("%1 pt").arg(points));
        painter.setFont(font);
        painter.drawText(QPoint(kGap + labelWidth(), baseline), m_text);
        top += metrics.height() + kGap;
    }
}
