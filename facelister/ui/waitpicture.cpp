// The please-wait picture: see waitpicture.h.
#include "ui/waitpicture.h"

#include "widgets/fonts/drawnfamily.h"

#include <QPainter>
#include <QPainterPath>

WaitPicture::WaitPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(sizeHint());
}

void WaitPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page = QRectF(rect()).adjusted(10, 4, -10, -4);

    // A sheet with a folded corner.
    QPainterPath sheet;
    const qreal fold = 16;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    painter.setPen(QPen(palette().color(QPalette::Dark), 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.drawLine(QPointF(page.right() - fold, page.top()),
                     QPointF(page.right() - fold, page.top() + fold));
    painter.drawLine(QPointF(page.right() - fold, page.top() + fold),
                     QPointF(page.right(), page.top() + fold));

    // Three sample lines, each in another style, as the preview shows them, in the installed
    // families the generic names stand for (DrawnFamily).
    struct Sample {
        const char *family;
        QFont::Style style;
        int weight;
        QColor colour;
    };
    const Sample samples[] = {
        {"Serif", QFont::StyleNormal, QFont::Bold, QColor(0, 0, 128)},
        {"Sans Serif", QFont::StyleItalic, QFont::Normal, QColor(128, 0, 0)},
        {"Monospace", QFont::StyleNormal, QFont::Normal, QColor(0, 96, 0)},
    };
    qreal y = page.top() + 10;
    const qreal lineHeight = (page.height() - 14) / 3;
    for (const Sample &sample : samples) {
        QFont font(DrawnFamily::of(QString::fromLatin1(sample.family), sample.style));
        font.setPixelSize(int(lineHeight * 0.8));
        font.setStyle(sample.style);
        font.setWeight(QFont::Weight(sample.weight));
        painter.setFont(font);
        painter.setPen(sample.colour);
        painter.drawText(QRectF(page.left() + 6, y, page.width() - 12, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Aa"));
        y += lineHeight;
    }
}
