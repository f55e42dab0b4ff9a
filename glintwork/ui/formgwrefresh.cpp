// The main window's Refresh and HTML export: the engine formats on an in-memory document
// and the window shows the finished result once; see formgw.h.
#include "formgw.h"

#include "busypointer.h"
#include "clipboardservice.h"
#include "formatter.h"
#include "htmlwriter.h"
#include "messageservice.h"
#include "richdocument.h"
#include "richtextedit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QTextFormat>

void FormGW::cmdP_Click()
{
    EffectSettings s = currentSettings();
    RichDocument work;
    const RefreshResult result = m_formatter.refresh(s, m_outputMode, work, *this);
    if (!result.ran)
        return;
    if (result.baseFontSize)
        m_box->setBaseFontSize(*result.baseFontSize);
    m_charSize = result.charSize;
    m_charColour = result.charColour;
    // The size fields may have been repaired.
    {
        const QSignalBlocker blockS(ComboS), blockB(ComboB);
        if (ComboS->currentText() != s.comboS)
            ComboS->setEditText(s.comboS);
        if (ComboB->currentText() != s.comboB)
            ComboB->setEditText(s.comboB);
    }
    if (TextWL->text() != s.textWL)
        TextWL->setText(s.textWL);
    if (TextBL->text() != s.textBL)
        TextBL->setText(s.textBL);
    keepFontsLoaded();
    updateMenuRules();
}

void FormGW::keepFontsLoaded()
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

bool FormGW::confirmWarning(const QString &text)
{
    return m_services.messages->message(text, Formatter::kWarningTitle,
                                        MessageService::Buttons::OkCancel) ==
           MessageService::Answer::Ok;
}

void FormGW::enableRefresh(bool enabled)
{
    m_busy = !enabled;
    cmdP->setEnabled(enabled && !inputText().isEmpty());
}

QString FormGW::outputToolTip() const
{
    return m_box->toolTip();
}

void FormGW::setOutputToolTip(const QString &text)
{
    m_box->setToolTip(text);
}

void FormGW::selectFont(int index)
{
    if (QListWidgetItem *item = ListFonts->item(index))
        item->setSelected(true);
}

void FormGW::clearFontSelection()
{
    CommandCA_Click();
}

void FormGW::outputReady(RichTextBox &finished)
{
    // One load of the finished document: much cheaper than formatting on the screen. The
    // box is shown first, so that each slice is laid out once at the width it is shown
    // with; the first screenful is there at once, the rest follows between events.
    if (auto *document = dynamic_cast<RichDocument *>(&finished)) {
        m_box->setVisible(true);
        m_edit->loadRuns(document->runs());
    } else
        m_box->setRtf(finished.rtf());
    m_box->select(0, 0);
}

void FormGW::mnuHTML_Click()
{
    setBusy(true);
    m_box->setVisible(false);
    m_progress.setValue(0);
    m_progress.setVisible(true);
    const QString html = HtmlWriter::clipboardText(*m_box, commentAddress(), &m_progress);
    m_services.clipboard->clear();
    m_services.clipboard->setText(html);
    m_progress.setVisible(false);
    m_box->setVisible(true);
    setBusy(false);
}

void FormGW::saveHtml(const QString &path)
{
    const QString title =
        m_services.messages->input(HtmlWriter::kTitlePrompt, kTitle, QFileInfo(path).fileName())
            .value_or(QString());
    setBusy(true);
    m_box->setVisible(false);
    m_progress.setMax(m_box->text().size());
    m_progress.setValue(0);
    m_progress.setVisible(true);
    const QByteArray bytes = HtmlWriter::fileBytes(*m_box, title, commentAddress(), &m_progress);
    m_progress.setVisible(false);
    m_box->setVisible(true);
    setBusy(false);
    writeOutputFile(path, bytes);
}
