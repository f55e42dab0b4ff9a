// The main window's menu commands: colours, editing, the size steps, printing and saving.
// Each reads the output box or the panel, calls the engine and shows the result; see
// glintworkwindow.h.
#include "ui/glintworkwindow.h"

#include "effects/htmlwriter.h"
#include "files/fileidentity.h"
#include "files/textfile.h"
#include "platform/busypointer.h"
#include "platform/clipboardservice.h"
#include "platform/messageservice.h"
#include "platform/pendingevents.h"
#include "platform/printcommands.h"
#include "platform/printservice.h"
#include "platform/richcopy.h"
#include "richtext/rtfwriter.h"
#include "settings/settingsfile.h"
#include "ui/effectspanel.h"
#include "ui/outputpane.h"
#include "widgets/richtext/richtextedit.h"
#include "widgets/richtext/twips.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QString printQuestion()
{
    return GlintworkWindow::tr(
        "Only what is shown on-screen will be printed. If not everything is shown, you can print "
        "everything by copying it and pasting it into a word processor (e.g. MS Word). Do you "
        "want to continue printing?");
}
QString noPrinterMessage()
{
    return GlintworkWindow::tr(
        "There is no printer on this computer, so the text cannot be printed.  Install a "
        "printer and try again.");
}
// A line break is CR LF wherever the commands count characters.
QString toCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

std::optional<qint32> GlintworkWindow::pickColour(std::optional<qint32> preset)
{
    if (!m_services.dialogs)
        return std::nullopt;
    if (m_outputMode == OutputMode::WordProcessor)
        return m_services.dialogs->chooseWindowsColour();
    return m_services.dialogs->chooseColour(preset);
}

void GlintworkWindow::swatchMouseDown(ColourLabels::Row which, int index, int button)
{
    EffectSettings s = currentSettings();
    std::span<ColourLabel> labels = which == ColourLabels::Row::Alternate
                                        ? std::span<ColourLabel>(s.alternateColours)
                                        : std::span<ColourLabel>(s.blendColours);
    if (index < 0 || index >= int(labels.size()))
        return;
    if (button == 2) {
        const int option = ColourLabels::rightClick(labels, index, which);
        m_panel->showRow(which, labels);
        chooseColourOption(option);
        return;
    }
    chooseColourOption(ColourLabels::optionOf(which));
    // The swatches up to the one clicked come back into use before its colour is asked
    // for, and stay so when the dialog is cancelled.
    ColourLabels::restoreUpTo(labels, index);
    m_panel->showRow(which, labels);
    const std::optional<qint32> chosen = pickColour(std::nullopt);
    if (!chosen)
        return;
    ColourLabels::setColour(labels, index, *chosen);
    m_panel->showRow(which, labels);
}

void GlintworkWindow::chooseColourOption(int option)
{
    m_panel->selectColourOption(option);
    OC_Click(option);
}

void GlintworkWindow::CL_MouseDown(int index, int button)
{
    swatchMouseDown(ColourLabels::Row::Alternate, index, button);
}

void GlintworkWindow::CB_MouseDown(int index, int button)
{
    swatchMouseDown(ColourLabels::Row::Blend, index, button);
}

void GlintworkWindow::Label1Col_Click()
{
    const std::optional<qint32> chosen = pickColour(std::nullopt);
    if (!chosen)
        return;
    m_panel->setSingleColour(*chosen);
    // The sixteen-colour dialog leaves the colouring option alone.
    if (m_outputMode != OutputMode::WordProcessor)
        chooseColourOption(EffectSettings::ColourSingle);
}

void GlintworkWindow::mnuColour_Click()
{
    RichTextBox &box = output();
    const bool whole = box.selLength() == 0;
    if (whole)
        box.select(0, int(box.text().size()));
    const std::optional<qint32> preset =
        m_outputMode == OutputMode::WordProcessor ? std::nullopt : box.selColour();
    const std::optional<qint32> chosen = pickColour(preset);
    if (chosen)
        box.setSelColour(*chosen);
    if (whole)
        box.select(0, 0);
}

void GlintworkWindow::mnufile_Open()
{
    m_commands->applyRules(QStringLiteral("mnufile"), enabledState());
}

void GlintworkWindow::mnuEdit_Open()
{
    EnabledState state = enabledState();
    state.canPaste = m_services.clipboard->hasRtf() || m_services.clipboard->hasText();
    m_commands->applyRules(QStringLiteral("mnuEdit"), state);
}

void GlintworkWindow::mnuTools_Open()
{
    m_commands->applyRules(QStringLiteral("mnuTools"), enabledState());
}

void GlintworkWindow::updateMenuRules()
{
    // The rules also decide whether a shortcut acts, so they follow the boxes' contents
    // and the mode, and not only the opening of a menu.
    applyMenuRules(enabledState());
}

void GlintworkWindow::mnuCut_Click()
{
    mnuCopy_Click();
    if (output().selLength() == 0)
        output().setText(QString());
    else
        output().setSelText(QString());
    updateMenuRules();
}

void GlintworkWindow::mnuCopy_Click()
{
    const RichTextEdit &edit = *m_outputPane->edit();
    RichCopy::toClipboard(*m_services.clipboard, output(),
                          [&edit](int start, int length) { return edit.runs(start, length); });
}

void GlintworkWindow::mnuPRTF_Click()
{
    if (m_services.clipboard->hasRtf())
        output().setSelRtf(m_services.clipboard->rtf());
    else if (m_services.clipboard->hasText())
        output().setSelText(toCrLf(m_services.clipboard->text()));
    output().setSelLength(0);
    updateMenuRules();
}

void GlintworkWindow::mnuPaste_Click()
{
    if (!m_services.clipboard->hasText())
        return;
    m_panel->insertInputText(m_services.clipboard->text());
}

void GlintworkWindow::mnuClear_Click()
{
    if (output().selLength() > 0)
        output().setSelText(QString());
    else
        output().setText(QString());
    updateMenuRules();
}

void GlintworkWindow::mnuFont_Click()
{
    RichTextBox &box = output();
    const bool whole = box.selLength() == 0;
    if (whole)
        box.select(0, int(box.text().size()));
    FontPreset preset;
    preset.face = box.selFontName();
    preset.size = box.selFontSize();
    preset.bold = box.selBold();
    preset.italic = box.selItalic();
    const std::optional<FontChoice> choice =
        m_services.dialogs ? m_services.dialogs->chooseFont(preset) : std::nullopt;
    // Cancel changes nothing: applying the preset would strip bold and italic from a
    // mixed selection.
    if (choice) {
        if (!choice->face.isEmpty())
            box.setSelFontName(choice->face);
        if (choice->size > 3 && choice->size < 1000)
            box.setSelFontSize(choice->size);
        box.setSelBold(choice->bold);
        box.setSelItalic(choice->italic);
    }
    if (whole)
        box.select(0, 0);
}

void GlintworkWindow::mnuFS_Click(int index)
{
    static constexpr int kSteps[4] = {1, -1, 5, -5};
    if (index < 0 || index > 3)
        return;
    RichTextBox &box = output();
    const int length = int(box.text().size());
    if (length == 0)
        return;
    const int step = kSteps[index];
    box.setVisible(false);
    m_services.busy->setBusy(true, BusyPointer::Scope::Screen);
    m_progress.setMax(length);
    m_progress.setValue(0);
    m_progress.setVisible(true);
    for (int i = 0; i < length; ++i) {
        box.select(i, 1);
        if (const std::optional<double> size = box.selFontSize()) {
            const double next = *size + step;
            if (next > 4 && next < 1000)
                box.setSelFontSize(next);
        }
        m_progress.setValue(i + 1);
    }
    box.setSelLength(0);
    m_progress.setVisible(false);
    m_services.busy->setBusy(false, BusyPointer::Scope::Screen);
    box.setVisible(true);
}

void GlintworkWindow::mnuDoubleS_Click()
{
    QString text = inputText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\r\n\r\n"));
    setInputText(text);
}

void GlintworkWindow::R_MouseDown(int button)
{
    if (button != 2 || m_outputMode == OutputMode::Html)
        return;
    // "&Paste text" acts on the input box, so the pop-up does not offer it.
    QAction *pasteText = command(QStringLiteral("mnuPaste"));
    pasteText->setVisible(false);
    m_commands->menu(QStringLiteral("mnuEdit"))->exec(QCursor::pos());
    pasteText->setVisible(true);
}

void GlintworkWindow::mnuX_Click()
{
    close();
}

void GlintworkWindow::mnuPrint_Click()
{
    if (output().text().isEmpty() || !m_services.dialogs)
        return;
    // Without a printer the whole result can still become a PDF file.
    if (!m_services.dialogs->hasPrinter()) {
        if (m_services.printer)
            printCommands().offerPdfWithoutPrinter([this] { return printJob(); },
                                                   QStringLiteral("Glintwork.pdf"));
        else
            m_services.messages->message(noPrinterMessage(), kTitle, MessageService::Buttons::Ok,
                                         MessageService::Icon::Information);
        return;
    }
    // 1: remember the pane's place and the window's height.
    const QRect paneGeometry = m_outputPane->geometry();
    const int windowHeight = height();
    const int layoutIndex = m_centralLayout->indexOf(m_outputPane);

    // 2-3: the pane leaves the layout and fills a window taller than the screen.
    m_centralLayout->removeWidget(m_outputPane);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->availableGeometry().height() : windowHeight;
    resize(width(), screenHeight + Twips::toPixels(180, this));
    processPendingEvents();
    m_outputPane->enlarge(QRect(0, 0, m_central->width(), m_central->height()));

    // 4: long input texts are only partly shown; the user may stop.
    const QString text = inputText();
    const qsizetype returns = text.count(QLatin1Char('\r'));
    bool print = true;
    if (text.size() > 360 || returns > 10)
        print = m_services.messages->message(printQuestion(), tr("Print Preview"),
                                             MessageService::Buttons::YesNo) ==
                MessageService::Answer::Yes;

    // 5: print what the box shows.
    PrintResult result{true, {}};
    if (print) {
        m_outputPane->edit()->ensureLayout();
        result = m_services.dialogs->printWidget(m_outputPane->edit());
    }

    // 6: restore, whatever happened.
    resize(width(), windowHeight);
    m_centralLayout->insertWidget(layoutIndex, m_outputPane, 1);
    processPendingEvents();
    m_centralLayout->activate();
    if (m_outputPane->geometry() != paneGeometry)
        m_outputPane->setGeometry(paneGeometry);
    m_outputPane->endEnlargement();

    if (!result.ok)
        m_services.messages->message(tr("The text could not be printed: %1").arg(result.error),
                                     kTitle, MessageService::Buttons::Ok,
                                     MessageService::Icon::Information);
}

bool GlintworkWindow::isSettingsFile(const QString &path) const
{
    for (const QString &folder : {settingsFolder(), settingsReadFolder()}) {
        if (!folder.isEmpty() && FileIdentity::sameFile(path, SettingsFile::path(folder)))
            return true;
    }
    return false;
}

PrintCommands GlintworkWindow::printCommands()
{
    return PrintCommands(*m_services.printer, *m_services.messages, kTitle);
}

PrintJob GlintworkWindow::printJob() const
{
    // The whole document, whatever the box shows (it may still be loading the rest).
    return {QStringLiteral("Glintwork"), m_outputPane->edit()->runs(), {}};
}

void GlintworkWindow::mnuPreview_Click()
{
    if (output().text().isEmpty() || !m_services.printer)
        return;
    printCommands().preview([this] { return printJob(); });
}

void GlintworkWindow::mnuPdf_Click()
{
    if (output().text().isEmpty() || !m_services.printer)
        return;
    printCommands().exportPdf([this] { return printJob(); }, QStringLiteral("Glintwork.pdf"));
}

bool GlintworkWindow::writeOutputFile(const QString &path, const QByteArray &bytes)
{
    WriteResult result;
    if (QFileInfo(path).isDir())
        result = {false, tr("A folder has that name.")};
    else if (isSettingsFile(path))
        result = {false, tr("It is Glintwork's own settings file.")};
    else
        result = TextFile::writeAtomically(path, bytes);
    if (result.ok)
        return true;
    m_services.messages->message(tr("The file \"%1\" could not be saved.  %2")
                                     .arg(QDir::toNativeSeparators(path), result.error),
                                 kTitle, MessageService::Buttons::Ok,
                                 MessageService::Icon::Warning);
    return false;
}

void GlintworkWindow::mnuSave_Click()
{
    if (output().text().isEmpty() || !m_services.dialogs)
        return;
    for (;;) {
        const std::optional<QString> name = m_services.dialogs->saveFileName(
            HtmlWriter::saveFilter(m_modes.mode() == OutputMode::Html));
        if (!name || name->isEmpty())
            return;
        switch (HtmlWriter::saveKind(*name)) {
        case HtmlWriter::SaveKind::Rtf:
            writeOutputFile(*name, RtfWriter::fileBytes(output().rtf()));
            return;
        case HtmlWriter::SaveKind::Html:
            saveHtml(*name);
            return;
        case HtmlWriter::SaveKind::Other:
            break;
        }
        m_services.messages->message(HtmlWriter::wrongTypeMessage(), kTitle,
                                     MessageService::Buttons::Ok,
                                     MessageService::Icon::Information);
    }
}
