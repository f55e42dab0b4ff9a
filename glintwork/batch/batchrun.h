// The batch run: the window's Refresh and Save As without a window. Reads a settings file
// (never writes it), formats the text of the file or the given one, and writes the RTF or
// HTML file atomically. Each failure is one line for stderr and its own exit code.
#pragma once

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
        SettingsUnreadable = 3,
        SettingsDamaged = 4,
        InputUnreadable = 5,
        EmptyText = 6,
        UnknownExtension = 7,
        OutputUnwritable = 8,
    };

    explicit BatchRun(const FontCatalog &fonts);

    BatchResult run(const BatchJob &job) const;

    // The bytes that Save As would write for the job's output name; on failure `result`
    // holds the error and the bytes are empty.
    QByteArray render(const BatchJob &job, BatchResult &result) const;

    // A failure to read the --input file or standard input, as the program reports it.
    static BatchResult inputFailure(const QString &name, const QString &reason);

private:
    const FontCatalog &m_fonts;
};
