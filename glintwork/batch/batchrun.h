// The batch run: the window's Refresh and Save As without a window. Reads a settings file
// (never writes it), formats the text of the file or the given one, and writes the RTF or
// HTML file atomically. Each failure is one line for stderr and its own exit code.
#pragma once

#include "files/fileidentity.h"
#include "platform/printservice.h"
#include "richtext/richdocument.h"
#include "settings/effectsettings.h"
#include "settings/settingsfile.h"

#include <functional>

#include <QByteArray>
#include <QString>
#include <optional>

class FontCatalog;

struct BatchJob {
    QString settingsPath;
    // The text to format as UTF-8 bytes (any line breaks); nullopt: the settings' text.
    std::optional<QByteArray> input;
    QString outputPath;
    std::optional<quint32> seed; // nullopt: seeded from the time of day
    // Where the input came from ("-": standard input), and which file that was, so that
    // the output never replaces it.
    QString inputPath;
    std::optional<FileIdentity> inputIdentity;
};

struct BatchResult {
    int exitCode = 0;
    QString error; // one line, without its ending; empty on success
    bool ok() const { return exitCode == 0; }
};

class BatchRun {
public:
    enum Exit {
        Success = 0,
        UnwritableMessage = 1,
        OwnFile = 2,
        SettingsUnreadable = 3,
        SettingsDamaged = 4,
        InputUnreadable = 5,
        EmptyText = 6,
        UnknownExtension = 7,
        OutputUnwritable = 8,
    };

    // The most characters a text may have (line breaks as CR LF), read from --input or
    // stored in the settings file; the bytes read are bounded accordingly.
    static constexpr qsizetype kMaxCharacters = EffectSettings::kMaxTextLength;
    static constexpr qint64 kMaxInputBytes = 3 * qint64(kMaxCharacters) + 3;
    static constexpr qint64 kMaxSettingsBytes = SettingsFile::kMaxFileBytes;

    explicit BatchRun(const FontCatalog &fonts);

    // Reads --input (a file, a pipe, a device; "-": the handle of standard input) into the
    // job, at most kMaxInputBytes. A failure is exit 5 with its line.
    static BatchResult readInput(const QString &path, int standardInput, BatchJob &job);

    // Writes the PDF file of a result; the batch needs the platform's PDF engine for an
    // output ending in ".pdf", which it refuses without one.
    using PdfWriter = std::function<QByteArray(const PrintJob &)>;
    void setPdfWriter(PdfWriter writer) { m_pdfWriter = std::move(writer); }

    BatchResult run(const BatchJob &job) const;

    // A failure to read the --input file or standard input, as the program reports it.
    static BatchResult inputFailure(const QString &name, const QString &reason);

    // Exit 2 when the output is the settings file or the input, by identity (after
    // following links), whatever the names.
    static BatchResult ownFileFailure(const BatchJob &job);

private:
    // The size of the parts in which the RTF goes to the file.
    static constexpr qsizetype kRtfPartSize = 1 << 20;

    // The text formatted as the window's Refresh does; on failure `result` holds the error.
    std::optional<RichDocument> format(const BatchJob &job, BatchResult &result) const;
    // Whether the output is a PDF file that this run can write.
    bool isPdf(const QString &outputPath) const;

    const FontCatalog &m_fonts;
    PdfWriter m_pdfWriter;
};
