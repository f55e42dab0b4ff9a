// Facelister's preview: building it with the please-wait window and the bar, and the
// flashing that says it is out of date.
#include "ui/facelisterwindow.h"

#include "core/progressrange.h"
#include "logic/previewbuilder.h"
#include "platform/busypointer.h"
#include "platform/pendingevents.h"
#include "richtext/richdocument.h"
#include "ui/fontlistpanel.h"
#include "ui/pleasewaitwindow.h"
#include "ui/previewview.h"
#include "ui/settingspanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

void FacelisterWindow::CommandPreview_Click()
{
    if (!m_outOfDateIndicator->isEnabled())
        return;
    setIndicatorBold(false);
    m_services.busy.setBusy(true);
    setBuildControlsEnabled(false);
    openWait();
    m_waitWindow->setStatus(tr("Creating preview..."));
    if (m_list.filtersDiffer(m_fontsPanel->symbolFontsBox()->isChecked(),
                             m_fontsPanel->systemFontsBox()->isChecked()))
        rebuildList(false);
    if (m_hasLoaded)
        m_waitWindow->setMessage(tr("Please wait while preview is refreshed..."));
    else
        m_hasLoaded = true;
    if (m_progress.value() == 0) {
        m_progress.setMax(double(m_list.count()) *
                          (m_settingsPanel->samplesBox()->isChecked() ? 8 : 4));
        m_waitWindow->show();
    }
    m_refreshTimer->start();
}

void FacelisterWindow::TimerRefresh_Timer()
{
    m_refreshTimer->stop();
    m_preview->setVisible(false);
    m_services.busy.setBusy(false);
    const PreviewBuilder::Size size =
        PreviewBuilder::normaliseSize(m_settingsPanel->sizeBox()->currentText());
    if (size.text != m_settingsPanel->sizeBox()->currentText())
        m_settingsPanel->sizeBox()->setCurrentText(size.text);
    PreviewBuilder::Options options;
    options.size = size.points;
    options.samples = m_settingsPanel->samplesBox()->isChecked();
    options.sampleText = m_settingsPanel->sampleBox()->text();
    options.isSymbolFont = [this](const QString &entry) { return m_list.isSymbolFont(entry); };
    m_previewEntries = m_list.entries();
    m_previewLines = buildPreview(options);
    m_progress.setValue(0);
    m_waitWindow->unload();
    setBuildControlsEnabled(true);
    m_preview->setVisible(true);
    m_services.busy.setBusy(false);
    ++m_buildCount;
}

// The preview is formatted in a document of its own, which the view on screen then shows:
// it lays out only the lines in view, so the build ends when the formatting does. The bar
// moves through the formatting, and the windows repaint whenever it moves, while the
// user's input waits for the build to end.
QList<PreviewBuilder::Line> FacelisterWindow::buildPreview(const PreviewBuilder::Options &options)
{
    const qint32 from = m_progress.value();
    ProgressRange formatting(
        m_progress, from, m_progress.max(),
        PreviewBuilder::progressSteps(m_previewEntries.size(), options.samples));
    int redraws = m_progress.redrawCount();
    RichDocument document;
    document.setBaseFontSize(options.size);
    const PreviewBuilder::Layout layout = PreviewBuilder::build(
        document, m_previewEntries, options,
        [&](int steps) {
            formatting.advance(steps);
            if (m_progress.redrawCount() != redraws) {
                redraws = m_progress.redrawCount();
                processPendingEvents();
            }
        },
        [this](const QString &status) { m_waitWindow->setStatus(status); });
    formatting.finish();
    m_preview->setDocument(std::move(document));
    return layout.lines;
}

void FacelisterWindow::setIndicatorBold(bool bold)
{
    QFont font = m_outOfDateIndicator->font();
    font.setBold(bold);
    m_outOfDateIndicator->setFont(font);
}

void FacelisterWindow::FlashPreview()
{
    if (!m_flashTimer->isActive()) {
        m_flashCount = 0;
        TimerFP_Timer();
        m_flashTimer->start();
    }
    setIndicatorBold(true);
}

void FacelisterWindow::TimerFP_Timer()
{
    QPalette palette = m_outOfDateIndicator->palette();
    const bool black = palette.color(QPalette::Text) == QColor(Qt::black);
    palette.setColor(QPalette::Text, black ? QColor(255, 0, 0) : QColor(Qt::black));
    m_outOfDateIndicator->setPalette(palette);
    if (++m_flashCount >= kFlashSteps)
        m_flashTimer->stop();
}
