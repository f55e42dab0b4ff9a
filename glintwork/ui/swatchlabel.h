// A small coloured square that reports mouse buttons and clicks: the colour swatches of
// the main window and of the Windows-colour dialog. It can show a mark ("X") over its
// colour and a single-line border.
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

signals:
    // 1 for the left button, 2 for the right, 4 for the middle (the design's numbering).
    void mouseDown(int button);
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    qint32 m_colour = 0;
    QString m_tag;
    bool m_bordered = false;
    bool m_pressed = false;
    int m_side = 17;
};
