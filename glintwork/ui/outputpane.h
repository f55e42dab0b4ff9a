// The bottom of Glintwork's window: the formatted output (a RichTextEdit named "R") with
// the progress bar lying over its bottom edge while a long command runs. The pane loads a
// Refresh result, keeps its fonts loaded, knows which tooltip the box shows and lends the
// box out for printing.
#pragma once

#include <QFont>
#include <QList>
#include <QWidget>

class ProgressIndicator;
class ProgressState;
class RichDocument;
class RichTextBox;
class RichTextEdit;

class OutputPane : public QWidget {
    Q_OBJECT
public:
    OutputPane(ProgressState &progress, QWidget *parent = nullptr);

    RichTextBox &box() const;
    RichTextEdit *edit() const { return m_edit; }

    // One load of a finished document: much cheaper than formatting on the screen. The
    // first screenful goes in at once; while the rest follows, the bar shows how far.
    void showResult(const RichDocument &finished);
    // Another command takes the bar: the rest of the load goes on without it.
    void stopShowingLoad();
    // Holds on to the fonts of the result on show; called once it has been shown, so the
    // fonts of the previous result stay held until the new layout has loaded its own.
    void keepFontsLoaded();

    // The tooltip of an empty box when tooltips are on, none when they are off.
    void setToolTipsShown(bool shown);
    bool showsFirstToolTip() const { return m_showsFirstToolTip; }
    void setBoxToolTip(const QString &text);

    // For printing the pane fills `area` of its parent, without the bar; afterwards the
    // bar shows again if work is still running.
    void enlarge(const QRect &area);
    void endEnlargement();

signals:
    void mouseDown(int button);
    // The box went from empty to holding text, or back.
    void emptinessChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeProgress();
    void showLoad(int done, int total);

    ProgressState &m_progress;
    RichTextEdit *m_edit = nullptr;
    ProgressIndicator *m_indicator = nullptr;
    bool m_showsFirstToolTip = false;
    bool m_empty = true;
    int m_loadNumber = 0; // the load whose progress the bar shows
    bool m_loadingFirstScreen = false;
    QList<QFont> m_loadedFonts;
};
