// A small coloured square that reports mouse buttons and clicks: the colour swatches of
// the main window and of the Windows-colour dialog. It can show a mark ("X") over its
// colour and a single-line border. It takes focus, shows a dotted frame while it has it,
// and answers keys as the mouse: Space and Enter are a left click, the menu key and
// Shift+F10 a right click, and the arrow keys ask the owner to move to a neighbour.
#pragma once

#include <QLabel>

class SwatchLabel : public QLabel {
    Q_OBJECT
public:
    explicit SwatchLabel(QWidget *parent = nullptr);

    // 0x00BBGGRR, the platform layout of the stored settings.
    qint32 colour() const { return m_colour; }
    void setColour(qint32 colour);

    // The colour as decimal text that an excluded swatch keeps while it shows grey.
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // "" while in use, "X" while excluded.
    QString mark() const { return text(); }
    void setMark(const QString &mark) { setText(mark); }

    bool bordered() const { return m_bordered; }
    void setBordered(bool bordered);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // What a click of the left or of the right button reports, for keys and assistive
    // technology.
    void press();
    void pressRight();
    // Enter also goes on to the window (a dialog's default button) after the click.
    void setEnterPassesOn(bool passesOn) { m_enterPassesOn = passesOn; }

signals:
    // 1 for the left button, 2 for the right, 4 for the middle (the design's numbering).
    void mouseDown(int button);
    void clicked();
    void doubleClicked();
    // An arrow key: -1 or 1 across (dx) or down (dy).
    void stepRequested(int dx, int dy);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setUpKeyboard();
    void paintFocusFrame(QPainter &painter, const QColor &fill);

    qint32 m_colour = 0;
    QString m_tag;
    bool m_bordered = false;
    bool m_pressed = false;
    bool m_enterPassesOn = false;
    int m_side = 17;
};
