// The settings file "Glintwork.ini": `SaveSettings` writes the record line by line in a
// fixed order, `GetSettings` reads it back. Lines end in CR LF; the file is Windows-1252
// when every character fits, otherwise UTF-8 with a byte-order mark. The folder is the
// caller's choice.
#pragma once

#include "effectsettings.h"
#include "textfile.h"

#include <QStringList>
#include <functional>
#include <optional>

// What a file that reads without failure holds. The tail of the file may be missing:
// the font block may be shorter than the list, and the last four values absent.
//
// After the last fixed line the writer adds a trailer: a marker line, then the names of
// the font list in the order of the font block. With it, the selection follows the fonts
// by name when fonts were installed or removed since. A file without it (written by an
// older build) is read by position; when the lines after the block are not what they must
// be, the font set has changed, and only the font selection is dropped.
struct LoadedSettings {
    OutputMode mode = OutputMode::Normal;
    int sizes = 0;
    int cap = 0;
    int oc = 0;
    int pos = 0;
    int checkBI = 0;
    int checkAF = 0;
    QString textWL;
    QString textBL;
    int checkRandom = 0;
    std::optional<int> comboPC; // absent when its line was unusable (it is then ignored)
    QString text;
    int comboSIndex = -1;
    int comboBIndex = -1;
    std::array<ColourLabel, EffectSettings::kAlternateCount> cl;
    std::array<ColourLabel, EffectSettings::kBlendCount> cb;
    // By position: the first entries of the mode's font list. With `fontNames`: the
    // entries of the stored list, matched to today's list by name.
    QList<bool> fontSelection;
    std::optional<QStringList> fontNames;
    std::optional<qint32> label1Col;
    std::optional<bool> mnuTT;
    std::optional<bool> mnuWW;
    std::optional<bool> mnuCW;

    // Applies the values to a record whose font list and size boxes the mode switch has
    // just filled for `mode`. Font-list entries past the stored block (or, matched by name,
    // not named in it) keep their state; at most 20 fonts end selected.
    void applyTo(EffectSettings &settings) const;
};

namespace SettingsFile {

inline const QString kFileName = QStringLiteral("Glintwork.ini");
inline const QString kBackupName = QStringLiteral("Glintwork.ini.bak");
// The text block's separator; its first character is the pound sign, byte 0xA3.
inline const QString kSeparator = QStringLiteral("\u00A3$EOHT");
// The first line of the font-name trailer.
inline const QString kFontTrailer = QStringLiteral("\u00A3$FONTS");

QString path(const QString &folder);

// The line of a number: sign place (blank or "-"), digits, one blank.
QString numberLine(qint64 value);

QStringList lines(const EffectSettings &settings);

// Parses the lines; nullopt is a read failure. `fontCount` gives the length of the font
// list in the stored mode.
std::optional<LoadedSettings> parse(const QStringList &lines,
                                    const std::function<int(OutputMode)> &fontCount);

// Decodes the bytes of a file (UTF-8 after a byte-order mark, otherwise Windows-1252) and
// parses its lines. Bytes after the mark that are not UTF-8 are a read failure.
std::optional<LoadedSettings> parseBytes(const QByteArray &bytes,
                                         const std::function<int(OutputMode)> &fontCount);

} // namespace SettingsFile

// Writes the file atomically into the folder: a failure leaves the previous file intact.
WriteResult SaveSettings(const QString &folder, const EffectSettings &settings);

// Reads the file of the folder; nullopt when it is missing or cannot be read.
std::optional<LoadedSettings> GetSettings(const QString &folder,
                                          const std::function<int(OutputMode)> &fontCount);
