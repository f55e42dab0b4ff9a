// The progress bar on the screen: the frame LabelPB with the filling ShapePB inside it,
// drawn only when the progress state says so.
#pragma once

#include "core/progressstate.h"

#include <QLabel>

class QFrame;

class ProgressIndicator : public QLabel, public ProgressView {
    Q_OBJECT
public:
    // The frame is the bar's width plus 150 twips; the filling sits 90 twips in from the
    // frame's left and top edges and is 285 twips high.
    explicit ProgressIndicator(ProgressState &state, QWidget *parent = nullptr);
    ~ProgressIndicator() override;

    void showProgress(bool visible) override;
    void setFillWidth(int twips) override;

    QFrame *shape() const { return m_shape; }
    QSize sizeHint() const override;

    // What the filling shows, for assistive technology: the value it was drawn at, out of
    // the maximum, and as a whole percentage of the bar.
    int valueShown() const;
    int maximumShown() const { return m_state.max(); }
    int percentShown() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeShape();
    void announceValue();

    ProgressState &m_state;
    QFrame *m_shape = nullptr;
    int m_fillTwips = 0;
};
