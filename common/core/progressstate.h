// The progress indicator's state: long operations set a maximum and report positions;
// the bar is redrawn only when its filling would move by 25 twips or more.
#pragma once

#include <QtGlobal>

// What the state drives: the frame and the filling of a bar on the screen.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void showProgress(bool visible) = 0;
    virtual void setFillWidth(int twips) = 0;
};

class ProgressState {
public:
    static constexpr int kGlintworkBarWidth = 11505;
    static constexpr int kFacelisterBarWidth = 5385;
    static constexpr int kRedrawStep = 25;

    explicit ProgressState(int barWidthTwips = kGlintworkBarWidth) : m_barWidth(barWidthTwips) {}

    void setView(ProgressView *view) { m_view = view; }

    qint32 max() const { return m_max; }
    void setMax(double v);

    qint32 value() const { return m_value; }
    void setValue(double v);

    bool visible() const { return m_visible; }
    void setVisible(bool v);

    int barWidth() const { return m_barWidth; }
    // The value at which the bar was last drawn, and the width it was drawn with.
    qint32 drawn() const { return m_drawn; }
    int fillWidth() const { return m_fillWidth; }
    int redrawCount() const { return m_redraws; }

private:
    int widthFor(qint64 v) const;

    int m_barWidth;
    ProgressView *m_view = nullptr;
    qint32 m_max = 0;
    qint32 m_value = 0;
    qint32 m_oldValue = 0;
    qint32 m_drawn = 0;
    qint32 m_oldMax = 0;
    bool m_visible = false;
    int m_fillWidth = 0;
    int m_redraws = 0;
};
