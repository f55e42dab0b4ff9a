// The batch run: see batchrun.h.
#include "batch/batchrun.h"

#include "core/buildinfo.h"
#include "core/progressstate.h"
#include "core/publisher.h"
#include "core/randomsource.h"
#include "effects/formatter.h"
#include "effects/htmlwriter.h"
#include "effects/recentcolours.h"
#include "files/textfile.h"
#include "fonts/fontcatalog.h"
#include "richtext/richdocument.h"
#include "richtext/rtfwriter.h"
#include "settings/modeswitch.h"
#include "settings/settingsfile.h"
#include "settings/startup.h"

#include <QCoreApplication>
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
                   QCoreApplication::translate("BatchRun", "cannot read the input \"%1\": %2")
                       .arg(shown(name), reason));
}

BatchResult BatchRun::readInput(const QString &path, int standardInput, BatchJob &job)
{
    job.inputPath = path;
    const bool fromStandardInput = path == QLatin1String("-");
    const ReadResult read = fromStandardInput ? TextFile::readBounded(standardInput, kMaxInputBytes)
                                              : TextFile::readBounded(path, kMaxInputBytes);
    if (read.tooLong)
        return failure(InputUnreadable,
                       QCoreApplication::translate("BatchRun", "the input \"%1\" is longer than %2 "
                                                               "characters")
                           .arg(shown(path))
                           .arg(kMaxCharacters));
    if (!read.bytes)
        return inputFailure(path, read.error);
    job.input = *read.bytes;
    job.inputIdentity =
        fromStandardInput ? FileIdentity::ofHandle(standardInput) : FileIdentity::ofPath(path);
    return {};
}

BatchResult BatchRun::ownFileFailure(const BatchJob &job)
{
    const QString output = shown(job.outputPath);
    if (FileIdentity::sameFile(job.outputPath, job.settingsPath))
        return failure(OwnFile, QCoreApplication::translate(
                                    "BatchRun", "the output \"%1\" is the settings file \"%2\", "
                                                "which is never written")
                                    .arg(output, shown(job.settingsPath)));
    const auto out = FileIdentity::ofPath(job.outputPath);
    const bool isInput = job.inputIdentity ? out && *out == *job.inputIdentity
                                           : FileIdentity::sameFile(job.outputPath, job.inputPath);
    if (isInput && !job.inputPath.isEmpty())
        return failure(OwnFile, QCoreApplication::translate(
                                    "BatchRun", "the output \"%1\" is the input \"%2\", "
                                                "which is never written")
                                    .arg(output, shown(job.inputPath)));
    return {};
}

std::optional<RichDocument> BatchRun::format(const BatchJob &job, BatchResult &result) const
{
    result = {};
    const HtmlWriter::SaveKind kind = HtmlWriter::saveKind(job.outputPath);
    if (kind == HtmlWriter::SaveKind::Other && !isPdf(job.outputPath)) {
        result = failure(UnknownExtension,
                         QCoreApplication::translate(
                             "BatchRun", "the output \"%1\" must end in .rtf, .htm, .html or .pdf")
                             .arg(shown(job.outputPath)));
        return {};
    }
    const QString settingsName = shown(job.settingsPath);
    const QFileInfo settingsInfo(job.settingsPath);
    QString problem;
    if (settingsInfo.isDir())
        problem = QCoreApplication::translate("BatchRun", "the settings file \"%1\" is a folder");
    else if (settingsInfo.exists() && !settingsInfo.isFile())
        problem = QCoreApplication::translate("BatchRun",
                                              "the settings file \"%1\" is not an ordinary file");
    else if (!settingsInfo.exists())
        problem =
            QCoreApplication::translate("BatchRun", "the settings file \"%1\" does not exist");
    if (!problem.isEmpty()) {
        result = failure(SettingsUnreadable, problem.arg(settingsName));
        return {};
    }
    const ReadResult read = TextFile::readBounded(job.settingsPath, kMaxSettingsBytes);
    if (read.tooLong) {
        result = failure(SettingsUnreadable,
                         QCoreApplication::translate(
                             "BatchRun", "the settings file \"%1\" is longer than %2 bytes")
                             .arg(settingsName)
                             .arg(kMaxSettingsBytes));
        return {};
    }
    if (!read.bytes) {
        result = failure(SettingsUnreadable,
                         QCoreApplication::translate("BatchRun", "cannot read the settings file "
                                                                 "\"%1\": %2")
                             .arg(settingsName, read.error));
        return {};
    }
    const QByteArray *bytes = &*read.bytes;
    ProgressState progress;
    ModeSwitch modes(m_fonts, progress);
    const auto loaded =
        SettingsFile::parseBytes(*bytes, [&modes](OutputMode m) { return modes.fontCountFor(m); });
    if (!loaded) {
        result =
            failure(SettingsDamaged,
                    QCoreApplication::translate("BatchRun", "the settings file \"%1\" is damaged")
                        .arg(settingsName));
        return {};
    }

    BatchHost host;
    EffectSettings s = StartUp::initialState();
    modes.switchTo(s, loaded->mode, host);
    loaded->applyTo(s);
    if (job.input) {
        const auto text = inputText(*job.input);
        if (!text) {
            result =
                failure(InputUnreadable,
                        QCoreApplication::translate("BatchRun", "the input is not UTF-8 text"));
            return {};
        }
        s.text = *text;
    }
    if (s.text.size() > kMaxCharacters) {
        result = failure(job.input ? InputUnreadable : SettingsDamaged,
                         QCoreApplication::translate(
                             "BatchRun", "the text to format is longer than %1 characters")
                             .arg(kMaxCharacters));
        return {};
    }
    if (s.text.isEmpty()) {
        result = failure(EmptyText,
                         QCoreApplication::translate("BatchRun", "the text to format is empty"));
        return {};
    }

    RichDocument document;
    {
        // The formatter's tables (a size and a colour per character) and the text go
        // before the file's bytes are made: a long text keeps only the document then.
        RandomSource random(job.seed.value_or(RandomSource::timeSeed()));
        RecentColours recent;
        Formatter formatter(random, recent, progress);
        formatter.setSymbolFonts(m_fonts.symbolFontNames());
        formatter.setFontCatalog(&m_fonts);
        formatter.refresh(s, s.outputMode, document, host);
        s = EffectSettings();
    }
    return document;
}

bool BatchRun::isPdf(const QString &outputPath) const
{
    return m_pdfWriter && outputPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

BatchResult BatchRun::run(const BatchJob &job) const
{
    BatchResult result = ownFileFailure(job);
    if (!result.ok())
        return result;
    const std::optional<RichDocument> document = format(job, result);
    if (!result.ok())
        return result;
    WriteResult written;
    if (QFileInfo(job.outputPath).isDir()) {
        written = {false, QCoreApplication::translate("BatchRun", "A folder has that name.")};
    } else if (isPdf(job.outputPath)) {
        written = TextFile::writeAtomically(
            job.outputPath,
            m_pdfWriter({QFileInfo(job.outputPath).completeBaseName(), document->runs(), {}}));
    } else if (HtmlWriter::saveKind(job.outputPath) == HtmlWriter::SaveKind::Rtf) {
        // The RTF of a long text goes to the file a part at a time, never whole in memory.
        written = TextFile::writeAtomically(job.outputPath, [&document](const auto &write) {
            const auto runs = [&document](const RtfWriter::RunVisitor &visit) {
                document->forEachRun(0, document->length(), true, visit);
            };
            return RtfWriter::write(runs, write, kRtfPartSize, document->symbolFaces()) &&
                   write(QByteArrayLiteral("\r\n"));
        });
    } else {
        // Save As asks for a title and offers the file's name; the batch takes that offer.
        // The page, too, goes to the file a part at a time.
        const QString title = QFileInfo(job.outputPath).fileName();
        written = TextFile::writeAtomically(job.outputPath, [&document, &title](const auto &write) {
            return HtmlWriter::writeFile(*document, title, commentAddress(), write);
        });
    }
    if (!written.ok)
        return failure(OutputUnwritable,
                       QCoreApplication::translate("BatchRun", "cannot write the output \"%1\": %2")
                           .arg(shown(job.outputPath), written.error));
    return result;
}
