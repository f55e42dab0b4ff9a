// The picture of the please-wait window: a few letters in different faces on a page,
// drawn rather than shipped, so that it needs no image file.
#pragma once

#include <QWidget>

class WaitPicture : public QWidget {
    Q_OBJECT
public:
    explicit WaitPicture(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {96, 96}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
