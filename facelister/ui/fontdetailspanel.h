// The frame "Font details": what the system knows about the selected entry's font and a
// waterfall of the sample in it. The user shows or hides it; hidden, it reads nothing.
#pragma once

#include <QGroupBox>

class FontDetailsSource;
class QPlainTextEdit;
class QScrollArea;
class WaterfallView;

class FontDetailsPanel : public QGroupBox {
    Q_OBJECT
public:
    FontDetailsPanel(const FontDetailsSource &source, QWidget *parent = nullptr);

    // Shows the font of the entry (an entry in capitals names the same font); no entry
    // empties the panel.
    void showFont(const QString &entry, const QString &sample);

    QPlainTextEdit *detailsBox() const { return m_details; }
    WaterfallView *waterfall() const { return m_waterfall; }

private:
    const FontDetailsSource &m_source;
    QPlainTextEdit *m_details = nullptr;
    QScrollArea *m_waterfallArea = nullptr;
    WaterfallView *m_waterfall = nullptr;
};
