// A label whose caption leaves room for other controls: each run of two or more blanks in
// the caption is a gap in which a control sits ("Blend over            characters." with
// the blend length box in its gap). A control may also follow the caption's end. A gap
// is widened where the control needs more room than the blanks give, so the caption
// stays readable in any font.
#pragma once

#include <QLabel>
#include <QList>

class GapLabel : public QLabel {
    Q_OBJECT
public:
    explicit GapLabel(const QString &caption, QWidget *parent = nullptr);

    // The widget becomes a child of the label, placed in gap `gap` (0 = the first run of
    // blanks); gaps past the caption's last one follow its end.
    void setGapWidget(int gap, QWidget *widget);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Piece {
        QString text;   // a piece of the caption, without the gaps
        int blanks = 0; // blanks of the gap after it (0 for the last piece)
    };
    QList<Piece> pieces() const;
    int gapWidth(int gap, int blanks) const;
    // x of each piece and of each gap, for the current font.
    void placeChildren();

    QList<QWidget *> m_gapWidgets;
};
