// The waterfall on screen: one line of the sample per size of the waterfall, each in the
// chosen family and headed by its size.
#pragma once

#include <QWidget>

class WaterfallView : public QWidget {
    Q_OBJECT
public:
    explicit WaterfallView(QWidget *parent = nullptr);

    void showSample(const QString &family, const QString &sample);
    QString family() const { return m_family; }
    QString text() const { return m_text; }
    // The sizes shown, in points, top to bottom.
    QList<int> shownSizes() const;
    // The font of the line of that size.
    QFont lineFont(int points) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int labelWidth() const;

    QString m_family;
    QString m_text;
};
