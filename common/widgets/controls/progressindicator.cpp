// Progress bar widget: see progressindicator.h.
#include "widgets/controls/progressindicator.h"

#include "widgets/controls/progressaccessible.h"
#include "widgets/richtext/twips.h"

#include <QAccessible>
#include <QFrame>

namespace {
constexpr int kFrameExtra = 150;
constexpr int kInset = 90;
constexpr int kFrameHeight = 435;
constexpr int kShapeHeight = 285;
} // namespace

ProgressIndicator::ProgressIndicator(ProgressState &state, QWidget *parent)
    : QLabel(parent), m_state(state)
{
    ProgressAccessible::install();
    setObjectName(QStringLiteral("LabelPB"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    m_shape = new QFrame(this);
    m_shape->setObjectName(QStringLiteral("ShapePB"));
    m_shape->setAutoFillBackground(true);
    QPalette fill = m_shape->palette();
    fill.setColor(QPalette::Window, QColor(0, 0, 128));
    m_shape->setPalette(fill);
    m_fillTwips = m_state.fillWidth();
    m_state.setView(this);
    setVisible(m_state.visible());
    placeShape();
}

ProgressIndicator::~ProgressIndicator()
{
    m_state.setView(nullptr);
}

void ProgressIndicator::showProgress(bool visible)
{
    setVisible(visible);
    if (visible)
        raise();
}

void ProgressIndicator::setFillWidth(int twips)
{
    m_fillTwips = twips;
    placeShape();
    repaint();
    announceValue();
}

int ProgressIndicator::valueShown() const
{
    return qBound(0, m_state.drawn(), qMax(0, m_state.max()));
}

int ProgressIndicator::percentShown() const
{
    const int width = m_state.barWidth();
    return width > 0 ? qBound(0, qRound(100.0 * m_fillTwips / width), 100) : 0;
}

void ProgressIndicator::announceValue()
{
    // Without a screen reader listening, Qt drops the event at once.
    QAccessibleValueChangeEvent event(this, valueShown());
    QAccessible::updateAccessibility(&event);
}

QSize ProgressIndicator::sizeHint() const
{
    return {Twips::toPixels(m_state.barWidth() + kFrameExtra, this),
            Twips::toPixels(kFrameHeight, this)};
}

void ProgressIndicator::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    placeShape();
}

void ProgressIndicator::placeShape()
{
    // The filling scales with the frame when the window is wider than the design.
    const double designFrame = m_state.barWidth() + kFrameExtra;
    const int designPixels = Twips::toPixels(designFrame, this);
    const double scale = width() > 0 && designPixels > 0 ? double(width()) / designPixels : 1.0;
    const int inset = Twips::toPixels(kInset, this);
    const int w = int(Twips::toPixels(qBound(0, m_fillTwips, m_state.barWidth()), this) * scale);
    const int h = qMax(1, qMin(Twips::toPixels(kShapeHeight, this), height() - 2 * inset));
    m_shape->setGeometry(int(inset * scale), inset, w, h);
}
