// The main window's commands: colours, editing, printing, saving, the output modes, the
// reset and the settings file. Each reads its controls, calls the engine and shows the
// result; see formgw.h.
#include "formgw.h"

#include "busypointer.h"
#include "clipboardservice.h"
#include "filelocations.h"
#include "htmlfragment.h"
#include "htmlwriter.h"
#include "messageservice.h"
#include "modetables.h"
#include "pendingevents.h"
#include "progressindicator.h"
#include "randomsource.h"
#include "richtextedit.h"
#include "settingsfile.h"
#include "startup.h"
#include "swatchlabel.h"
#include "textfile.h"
#include "twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

const QString kPrintQuestion = QStringLiteral(
    "Only what is shown on-screen will be printed. If not everything is shown, you can print "
    "everything by copying it and pasting it into a word processor (e.g. MS Word). Do you want "
    "to continue printing?");
const QString kNoPrinter = QStringLiteral(
    "There is no printer on this computer, so the text cannot be printed.  Install a printer "
    "and try again.");
// A line break is CR LF wherever the commands count characters.
QString toCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

void FormGW::setBusy(bool busy)
{
    m_services.busy->setBusy(busy, BusyPointer::Scope::Window);
    m_services.busy->setBusy(busy, BusyPointer::Scope::Screen);
}

void FormGW::processEvents()
{
    processPendingEvents();
}

void FormGW::showOutput(bool visible)
{
    R->setVisible(visible);
}

void FormGW::showFontList(bool visible)
{
    ListFonts->setVisible(visible);
}

void FormGW::informWordProcessorMode()
{
    m_services.messages->message(ModeSwitch::kWordProcessorMessage, kTitle,
                                 MessageService::Buttons::Ok, MessageService::Icon::Information);
}

std::optional<qint32> FormGW::pickColour(std::optional<qint32> preset)
{
    if (!m_services.dialogs)
        return std::nullopt;
    if (m_outputMode == OutputMode::WordProcessor)
        return m_services.dialogs->chooseWindowsColour();
    return m_services.dialogs->chooseColour(preset);
}

void FormGW::swatchMouseDown(ColourLabels::Row which, int index, int button)
{
    EffectSettings s = currentSettings();
    std::span<ColourLabel> labels = which == ColourLabels::Row::Alternate
                                        ? std::span<ColourLabel>(s.cl)
                                        : std::span<ColourLabel>(s.cb);
    if (index < 0 || index >= int(labels.size()))
        return;
    if (button == 2) {
        const int option = ColourLabels::rightClick(labels, index, which);
        showRow(which, labels);
        selectOption(m_ocGroup, option);
        OC_Click(option);
        return;
    }
    selectOption(m_ocGroup, ColourLabels::optionOf(which));
    OC_Click(ColourLabels::optionOf(which));
    // The swatches up to the one clicked come back into use before its colour is asked
    // for, and stay so when the dialog is cancelled.
    ColourLabels::restoreUpTo(labels, index);
    showRow(which, labels);
    const std::optional<qint32> chosen = pickColour(std::nullopt);
    if (!chosen)
        return;
    ColourLabels::setColour(labels, index, *chosen);
    showRow(which, labels);
}

void FormGW::CL_MouseDown(int index, int button)
{
    swatchMouseDown(ColourLabels::Row::Alternate, index, button);
}

void FormGW::CB_MouseDown(int index, int button)
{
    swatchMouseDown(ColourLabels::Row::Blend, index, button);
}

void FormGW::Label1Col_Click()
{
    const std::optional<qint32> chosen = pickColour(std::nullopt);
    if (!chosen)
        return;
    Label1Col->setColour(*chosen);
    // The sixteen-colour dialog leaves the colouring option alone.
    if (m_outputMode != OutputMode::WordProcessor) {
        selectOption(m_ocGroup, EffectSettings::OCSingle);
        OC_Click(EffectSettings::OCSingle);
    }
}

void FormGW::mnuColour_Click()
{
    RichTextBox &box = *m_box;
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

void FormGW::mnufile_Open()
{
    const bool hasOutput = !m_box->text().isEmpty();
    mnuSave->setEnabled(hasOutput);
    mnuPrint->setEnabled(hasOutput);
}

void FormGW::mnuEdit_Open()
{
    const bool canPaste = m_services.clipboard->hasRtf() || m_services.clipboard->hasText();
    mnuPRTF->setEnabled(canPaste);
    mnuPaste->setEnabled(canPaste);
}

void FormGW::mnuTools_Open()
{
    const bool hasOutput = !m_box->text().isEmpty();
    for (QAction *step : std::as_const(mnuFS))
        step->setEnabled(hasOutput);
    // Enabled when a line break exists and the text does not begin with it.
    mnuDoubleS->setEnabled(inputText().indexOf(QStringLiteral("\r\n")) > 0);
}

void FormGW::updateMenuRules()
{
    // The rules also decide whether a shortcut acts, so they follow the boxes' contents
    // and not only the opening of a menu.
    mnufile_Open();
    mnuTools_Open();
}

void FormGW::mnuCut_Click()
{
    mnuCopy_Click();
    if (m_box->selLength() == 0)
        m_box->setText(QString());
    else
        m_box->setSelText(QString());
    updateMenuRules();
}

void FormGW::mnuCopy_Click()
{
    m_services.clipboard->clear();
    const bool all = m_box->selLength() == 0;
    const QByteArray rtf = all ? m_box->rtf() : m_box->selRtf();
    const RichRuns runs =
        all ? m_edit->runs() : m_edit->runs(m_box->selStart(), m_box->selLength());
    QString text = all ? m_box->text() : m_box->selText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_services.clipboard->setRich(rtf, HtmlFragment::fromRuns(runs), text);
}

void FormGW::mnuPRTF_Click()
{
    if (m_services.clipboard->hasRtf())
        m_box->setSelRtf(m_services.clipboard->rtf());
    else if (m_services.clipboard->hasText())
        m_box->setSelText(toCrLf(m_services.clipboard->text()));
    m_box->setSelLength(0);
    updateMenuRules();
}

void FormGW::mnuPaste_Click()
{
    if (!m_services.clipboard->hasText())
        return;
    QString text = m_services.clipboard->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Text->textCursor().insertText(text);
}

void FormGW::mnuClear_Click()
{
    if (m_box->selLength() > 0)
        m_box->setSelText(QString());
    else
        m_box->setText(QString());
    updateMenuRules();
}

void FormGW::mnuFont_Click()
{
    RichTextBox &box = *m_box;
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

void FormGW::mnuFS_Click(int index)
{
    static constexpr int kSteps[4] = {1, -1, 5, -5};
    if (index < 0 || index > 3)
        return;
    RichTextBox &box = *m_box;
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

void FormGW::mnuDoubleS_Click()
{
    QString text = inputText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\r\n\r\n"));
    setInputText(text);
}

void FormGW::R_MouseDown(int button)
{
    if (button != 2 || m_outputMode == OutputMode::Html)
        return;
    // "&Paste text" acts on the input box, so the pop-up does not offer it.
    mnuPaste->setVisible(false);
    mnuEdit->exec(QCursor::pos());
    mnuPaste->setVisible(true);
}

void FormGW::mnuX_Click()
{
    close();
}

void FormGW::mnuPrint_Click()
{
    if (m_box->text().isEmpty() || !m_services.dialogs)
        return;
    if (!m_services.dialogs->hasPrinter()) {
        m_services.messages->message(kNoPrinter, kTitle, MessageService::Buttons::Ok,
                                     MessageService::Icon::Information);
        return;
    }
    // 1: remember the box's place and the window's height.
    const QRect boxGeometry = R->geometry();
    const int windowHeight = height();
    const int layoutIndex = m_centralLayout->indexOf(R);

    // 2-3: the box leaves the layout and fills a window taller than the screen.
    m_centralLayout->removeWidget(R);
    m_indicator->hide();
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->availableGeometry().height() : windowHeight;
    resize(width(), screenHeight + Twips::toPixels(180, this));
    processPendingEvents();
    R->setGeometry(0, 0, m_central->width(), m_central->height());
    R->raise();

    // 4: long input texts are only partly shown; the user may stop.
    const QString text = inputText();
    const qsizetype returns = text.count(QLatin1Char('\r'));
    bool print = true;
    if (text.size() > 360 || returns > 10)
        print = m_services.messages->message(kPrintQuestion, QStringLiteral("Print Preview"),
                                             MessageService::Buttons::YesNo) ==
                MessageService::Answer::Yes;

    // 5: print what the box shows.
    PrintResult result{true, {}};
    if (print) {
        m_edit->ensureLayout();
        result = m_services.dialogs->printWidget(R);
    }

    // 6: restore, whatever happened.
    resize(width(), windowHeight);
    m_centralLayout->insertWidget(layoutIndex, R, 1);
    processPendingEvents();
    m_centralLayout->activate();
    if (R->geometry() != boxGeometry)
        R->setGeometry(boxGeometry);
    placeProgress();
    m_indicator->setVisible(m_progress.visible());

    if (!result.ok)
        m_services.messages->message(
            QStringLiteral("The text could not be printed: %1").arg(result.error), kTitle,
            MessageService::Buttons::Ok, MessageService::Icon::Information);
}

bool FormGW::writeOutputFile(const QString &path, const QByteArray &bytes)
{
    WriteResult result;
    if (QFileInfo(path).isDir())
        result = {false, QStringLiteral("A folder has that name.")};
    else
        result = TextFile::writeAtomically(path, bytes);
    if (result.ok)
        return true;
    m_services.messages->message(QStringLiteral("The file \"%1\" could not be saved.  %2")
                                     .arg(QDir::toNativeSeparators(path), result.error),
                                 kTitle, MessageService::Buttons::Ok,
                                 MessageService::Icon::Warning);
    return false;
}

void FormGW::mnuSave_Click()
{
    if (m_box->text().isEmpty() || !m_services.dialogs)
        return;
    for (;;) {
        const std::optional<QString> name =
            m_services.dialogs->saveFileName(HtmlWriter::kSaveFilter);
        if (!name || name->isEmpty())
            return;
        switch (HtmlWriter::saveKind(*name)) {
        case HtmlWriter::SaveKind::Rtf:
            writeOutputFile(*name, m_box->rtf() + "\r\n");
            return;
        case HtmlWriter::SaveKind::Html:
            saveHtml(*name);
            return;
        case HtmlWriter::SaveKind::Other:
            break;
        }
        m_services.messages->message(HtmlWriter::kWrongTypeMessage, kTitle,
                                     MessageService::Buttons::Ok,
                                     MessageService::Icon::Information);
    }
}

void FormGW::fillSizeLists(OutputMode mode)
{
    const QStringList &minItems = ModeTables::minSizeItems(mode);
    const QStringList &maxItems = ModeTables::maxSizeItems(mode);
    auto refill = [](QComboBox *combo, const QStringList &items) {
        QStringList current;
        for (int i = 0; i < combo->count(); ++i)
            current.append(combo->itemText(i));
        if (current == items)
            return;
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(items);
    };
    refill(ComboS, minItems);
    refill(ComboB, maxItems);
}

void FormGW::showMode()
{
    m_outputMode = m_modes.mode();
    for (int i = 0; i < mnuMode.size(); ++i)
        mnuMode[i]->setChecked(i == int(m_outputMode));
    fillSizeLists(m_outputMode);
}

void FormGW::mnuMode_Click(int index)
{
    EffectSettings s = currentSettings();
    if (!m_modes.switchTo(s, OutputMode(index), *this))
        return;
    showMode();
    showSettings(s);
    // Entering HTML mode switches the size commands off until the Tools menu next opens.
    if (m_outputMode == OutputMode::Html)
        for (QAction *step : std::as_const(mnuFS))
            step->setEnabled(false);
    setBusy(false);
}

bool FormGW::confirmReset()
{
    return m_services.messages->message(ResetSequence::kQuestion, kTitle,
                                        MessageService::Buttons::YesNo) ==
           MessageService::Answer::Yes;
}

void FormGW::switchMode(EffectSettings &settings, OutputMode mode)
{
    if (m_modes.switchTo(settings, mode, *this))
        showMode();
}

void FormGW::clearOutput()
{
    m_box->setText(QString());
}

void FormGW::saveSettings(const EffectSettings &settings)
{
    ::SaveSettings(settingsFolder(), settings);
}

void FormGW::mnuDS_Click()
{
    EffectSettings s = currentSettings();
    if (!ResetSequence::run(s, *this, true))
        return;
    showSettings(s);
    // "&Clear Selection" shows the list again if a command left it hidden.
    ListFonts->show();
    updateMenuRules();
}

QString FormGW::settingsFolder() const
{
    if (m_settingsFolder.isEmpty())
        m_settingsFolder = m_services.files->configFolder();
    return m_settingsFolder;
}

QString FormGW::settingsPath() const
{
    return SettingsFile::path(settingsFolder());
}

bool FormGW::SaveSettings()
{
    return ::SaveSettings(settingsFolder(), currentSettings()).ok;
}

void FormGW::GetSettings()
{
    EffectSettings s = StartUp::initialState();
    // The rows as the window was built, each tag the text of its displayed colour.
    readRow(ColourLabels::Row::Alternate, s.cl);
    readRow(ColourLabels::Row::Blend, s.cb);
    for (ColourLabel &label : s.cl)
        label.tag = QString::number(label.colour);
    for (ColourLabel &label : s.cb)
        label.tag = QString::number(label.colour);
    s.text = inputText();
    s.label1Col = Label1Col->colour();
    s.mnuTT = mnuTT->isChecked();
    StartUp::loadSettings(settingsFolder(), s, m_modes, *this, *this);
    showMode();
    showSettings(s);
}

void FormGW::Form_Load()
{
    // 1: the window is up; the pointer says the program is busy while it loads.
    setBusy(true);
    processPendingEvents();
    // 2: a fresh random sequence for this run (a seed given on the command line repeats one).
    if (m_services.random)
        m_services.random->reseed();
    // 3-4: the fixed tables live in the engine; the scheme names go into their box.
    {
        const QSignalBlocker block(ComboPC);
        ComboPC->clear();
        ComboPC->addItems(schemeNames());
        ComboPC->setCurrentIndex(0);
    }
    // 5-7: tags, no mode yet, then the file.
    m_modes.resetToNone();
    m_outputMode = OutputMode::None;
    GetSettings();
    m_loaded = true;
    updateMenuRules();
    setBusy(false);
}

void FormGW::saveSettingsOnce()
{
    if (!m_loaded || m_settingsSaved)
        return;
    m_settingsSaved = true;
    SaveSettings();
}

void FormGW::closeEvent(QCloseEvent *event)
{
    saveSettingsOnce();
    event->accept();
}
