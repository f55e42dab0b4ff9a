// The batch run: see batchrun.h.
#include "batchrun.h"

#include "buildinfo.h"
#include "fontcatalog.h"
#include "formatter.h"
#include "htmlwriter.h"
#include "modeswitch.h"
#include "progressstate.h"
#include "publisher.h"
#include "randomsource.h"
#include "recentcolours.h"
#include "richdocument.h"
#include "rtfwriter.h"
#include "settingsfile.h"
#include "startup.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Nobody to ask and nothing to show: a long text is formatted without the warning.
class BatchHost : public RefreshHost, public ModeSwitchHost {
public:
    bool confirmWarning(const QString &) override { return true; }
    void setBusy(bool) override {}
    void processEvents() override {}
    void showOutput(bool) override {}
    void showFontList(bool) override {}
    void informWordProcessorMode() override {}
    void enableRefresh(bool) override {}
    bool outputShowsFirstToolTip() const override { return false; }
    void setOutputToolTip(const QString &) override {}
    void selectFont(int) override {}
    void clearFontSelection() override {}
    void outputReady(const RichDocument &) override {}
};

BatchResult failure(BatchRun::Exit code, const QString &message)
{
    return {int(code), QStringLiteral("glintwork: ") + message};
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// UTF-8 text (a byte-order mark dropped) with every line break as CR LF, as the input box
// gives it; nullopt when the bytes are not UTF-8.
std::optional<QString> inputText(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

// The address the HTML comment names, as the window writes it.
QString commentAddress()
{
    return BuildInfo::kFontsUrl.isEmpty() ? Publisher::downloadAddress() : BuildInfo::kFontsUrl;
}

} // namespace

BatchRun::BatchRun(const FontCatalog &fonts) : m_fonts(fonts) {}

BatchResult BatchRun::inputFailure(const QString &name, const QString &reason)
{
    return failure(InputUnreadable,
                   QStringLiteral("cannot read the input \"%1\": %2").arg(shown(name), reason));
}

QByteArray BatchRun::render(const BatchJob &job, BatchResult &result) const
{
    result = {};
    const HtmlWriter::SaveKind kind = HtmlWriter::saveKind(job.outputPath);
    if (kind == HtmlWriter::SaveKind::Other) {
        result = failure(UnknownExtension,
                         QStringLiteral("the output \"%1\" must end in .rtf, .htm or .html")
                             .arg(shown(job.outputPath)));
        return {};
    }
    const QString settingsName = shown(job.settingsPath);
    if (!QFileInfo(job.settingsPath).isFile()) {
        result =
            failure(SettingsUnreadable,
                    QStringLiteral("the settings file \"%1\" does not exist").arg(settingsName));
        return {};
    }
    const auto bytes = TextFile::readAll(job.settingsPath);
    if (!bytes) {
        result = failure(SettingsUnreadable,
                         QStringLiteral("cannot read the settings file \"%1\"").arg(settingsName));
        return {};
    }
    ProgressState progress;
    ModeSwitch modes(m_fonts, progress);
    const auto loaded =
        SettingsFile::parseBytes(*bytes, [&modes](OutputMode m) { return modes.fontCountFor(m); });
    if (!loaded) {
        result = failure(SettingsDamaged,
                         QStringLiteral("the settings file \"%1\" is damaged").arg(settingsName));
        return {};
    }

    BatchHost host;
    EffectSettings s = StartUp::initialState();
    modes.switchTo(s, loaded->mode, host);
    loaded->applyTo(s);
    if (job.input) {
        const auto text = inputText(*job.input);
        if (!text) {
            result = failure(InputUnreadable, QStringLiteral("the input is not UTF-8 text"));
            return {};
        }
        s.text = *text;
    }
    if (s.text.isEmpty()) {
        result = failure(EmptyText, QStringLiteral("the text to format is empty"));
        return {};
    }

    RandomSource random(job.seed.value_or(RandomSource::timeSeed()));
    RecentColours recent;
    Formatter formatter(random, recent, progress);
    formatter.setSymbolFonts(m_fonts.symbolFontNames());
    // The file marks the installed symbol fonts as such, as the window's Save As does.
    RtfWriter::setSymbolFaces(m_fonts.symbolFontNames());
    RichDocument document;
    formatter.refresh(s, s.outputMode, document, host);
    if (kind == HtmlWriter::SaveKind::Rtf)
        return document.rtf() + QByteArrayLiteral("\r\n");
    // Save As asks for a title and offers the file's name; the batch takes that offer.
    return HtmlWriter::fileBytes(document, QFileInfo(job.outputPath).fileName(), commentAddress());
}

BatchResult BatchRun::run(const BatchJob &job) const
{
    BatchResult result;
    const QByteArray bytes = render(job, result);
    if (!result.ok())
        return result;
    WriteResult written;
    if (QFileInfo(job.outputPath).isDir())
        written = {false, QStringLiteral("A folder has that name.")};
    else
        written = TextFile::writeAtomically(job.outputPath, bytes);
    if (!written.ok)
        return failure(OutputUnwritable, QStringLiteral("cannot write the output \"%1\": %2")
                                             .arg(shown(job.outputPath), written.error));
    return result;
}
