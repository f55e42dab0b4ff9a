// The output pane: see outputpane.h.
#include "ui/outputpane.h"

#include "effects/formatter.h"
#include "richtext/richdocument.h"
#include "widgets/controls/progressindicator.h"
#include "widgets/richtext/richtextedit.h"

#include <QTextDocument>
#include <QTextFormat>
#include <QVBoxLayout>

OutputPane::OutputPane(ProgressState &progress, QWidget *parent)
    : QWidget(parent), m_progress(progress)
{
    setObjectName(QStringLiteral("outputPane"));
    m_edit = new RichTextEdit(this);
    m_edit->setObjectName(QStringLiteral("R"));
    m_edit->setMinimumHeight(120);
    m_edit->setContextMenuPolicy(Qt::NoContextMenu);
    m_edit->setAccessibleName(tr("Formatted text"));
    // Tab leaves the box, as it leaves the input box, so that no control is a dead end.
    m_edit->setTabChangesFocus(true);
    m_edit->onMouseDown = [this](int button) { emit mouseDown(button); };
    // Typing, pasting, clearing or a result: only the change between empty and not
    // matters to the rules, and asking the document costs nothing per keystroke.
    m_edit->onChange = [this] {
        const bool empty = m_edit->document()->isEmpty();
        if (empty == m_empty)
            return;
        m_empty = empty;
        emit emptinessChanged();
    };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);

    m_indicator = new ProgressIndicator(m_progress, this);
    m_indicator->shape()->setObjectName(QStringLiteral("ShapePB"));
}

RichTextBox &OutputPane::box() const
{
    return *m_edit;
}

void OutputPane::showResult(const RichDocument &finished)
{
    // The box is shown first, so that each slice is laid out once at the width it is shown
    // with; the first screenful is there at once, the rest follows between events.
    m_edit->setVisible(true);
    // A load that is replaced still reports its end, after the new one has begun. The
    // first screenful goes in before the window shows again: no bar for it.
    const int load = ++m_loadNumber;
    m_loadingFirstScreen = true;
    m_edit->loadRuns(finished.runs(), [this, load](int done, int total) {
        if (load == m_loadNumber && !m_loadingFirstScreen)
            showLoad(done, total);
    });
    m_loadingFirstScreen = false;
    m_edit->select(0, 0);
}

// The bar stays over the box while the rest of a long result goes in between events,
// showing how much is in, and goes when the whole result is laid out.
void OutputPane::showLoad(int done, int total)
{
    if (done < total) {
        m_progress.setMax(total);
        m_progress.setValue(done);
        m_progress.setVisible(true);
    } else {
        ++m_loadNumber;
        m_progress.setValue(m_progress.max());
        m_progress.setVisible(false);
    }
}

void OutputPane::stopShowingLoad()
{
    ++m_loadNumber;
}

void OutputPane::keepFontsLoaded()
{
    // A result uses up to a thousand face, size and style combinations, and the platform
    // loads a font for each when the box lays the text out. Holding on to the fonts of the
    // last result keeps them loaded, so the next Refresh, which mostly draws the same
    // combinations again, finds them ready instead of loading them anew.
    QList<QFont> fonts;
    const QList<QTextFormat> formats = m_edit->document()->allFormats();
    fonts.reserve(formats.size());
    for (const QTextFormat &format : formats)
        if (format.isCharFormat())
            fonts.append(format.toCharFormat().font());
    m_loadedFonts = std::move(fonts);
}

void OutputPane::setToolTipsShown(bool shown)
{
    m_edit->setToolTip(shown ? Formatter::firstToolTip() : QString());
    m_showsFirstToolTip = shown;
}

void OutputPane::setBoxToolTip(const QString &text)
{
    m_edit->setToolTip(text);
    m_showsFirstToolTip = false;
}

void OutputPane::enlarge(const QRect &area)
{
    m_indicator->hide();
    setGeometry(area);
    raise();
}

void OutputPane::endEnlargement()
{
    placeProgress();
    m_indicator->setVisible(m_progress.visible());
}

void OutputPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeProgress();
}

void OutputPane::placeProgress()
{
    // Over the bottom of the output box, as tall as the bar's design height.
    const int h = qMin(m_indicator->sizeHint().height(), m_edit->height());
    const QRect area = m_edit->geometry();
    m_indicator->setGeometry(area.left(), area.bottom() + 1 - h, area.width(), h);
    m_indicator->raise();
}
