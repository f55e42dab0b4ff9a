// Colour swatch: see swatchlabel.h.
#include "ui/swatchlabel.h"

#include "ui/swatchaccessible.h"
#include "widgets/controls/colourref.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

SwatchLabel::SwatchLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    // The right button toggles a swatch; no menu may open on it.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // A side that grows with the text, so the mark stays readable with large fonts.
    m_side = qMax(17, fontMetrics().height() + 2);
    setToolTip(tr("Click"));
    setUpKeyboard();
}

void SwatchLabel::setUpKeyboard()
{
    setFocusPolicy(Qt::StrongFocus);
    SwatchAccessible::install();
}

void SwatchLabel::press()
{
    emit mouseDown(1);
    emit clicked();
}

void SwatchLabel::pressRight()
{
    emit mouseDown(2);
}

void SwatchLabel::keyPressEvent(QKeyEvent *event)
{
    const bool shiftOnly = event->modifiers() == Qt::ShiftModifier;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Select:
        if (plain) {
            event->accept();
            press();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain) {
            press();
            // Ignored, the key goes on to the dialog, whose default button closes it.
            event->setAccepted(!m_enterPassesOn);
            return;
        }
        break;
    case Qt::Key_Menu:
        event->accept();
        pressRight();
        return;
    case Qt::Key_F10:
        if (shiftOnly) {
            event->accept();
            pressRight();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (plain) {
            event->accept();
            const int key = event->key();
            emit stepRequested(key == Qt::Key_Left    ? -1
                               : key == Qt::Key_Right ? 1
                                                      : 0,
                               key == Qt::Key_Up     ? -1
                               : key == Qt::Key_Down ? 1
                                                     : 0);
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void SwatchLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void SwatchLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

void SwatchLabel::setColour(qint32 colour)
{
    m_colour = colour;
    update();
}

void SwatchLabel::setBordered(bool bordered)
{
    m_bordered = bordered;
    update();
}

QSize SwatchLabel::sizeHint() const
{
    return {m_side, m_side};
}

void SwatchLabel::mousePressEvent(QMouseEvent *event)
{
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        break;
    }
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
    if (button != 0)
        emit mouseDown(button);
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_pressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    m_pressed = false;
}

void SwatchLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void SwatchLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor fill = ColourRef::toQColor(m_colour);
    painter.fillRect(rect(), isEnabled() ? fill : fill.lighter(110));
    if (m_bordered) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(QPen(palette().color(QPalette::Window), 1));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    } else {
        // A hairline keeps a white or grey swatch visible on a light window.
        painter.setPen(QPen(fill.darker(140), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!text().isEmpty()) {
        // The mark stands out on any swatch colour.
        painter.setPen(qGray(fill.rgb()) > 110 ? Qt::black : Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
    if (hasFocus())
        paintFocusFrame(painter, fill);
}

void SwatchLabel::paintFocusFrame(QPainter &painter, const QColor &fill)
{
    // Dotted in the colour that stands out on the swatch, inside the border, so it shows on
    // every colour and beside the marked swatch's frame.
    QPen pen(qGray(fill.rgb()) > 110 ? Qt::black : Qt::white, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void SwatchLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_side = qMax(17, fontMetrics().height() + 2);
        updateGeometry();
    }
}
