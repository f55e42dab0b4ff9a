// The settings file "Glintwork.ini": `SettingsFile::save` writes the record line by line in a
// fixed order, `SettingsFile::load` reads it back. Lines end in CR LF; the file is Windows-1252
// when every character fits, otherwise UTF-8 with a byte-order mark. The folder is the
// caller's choice.
#pragma once

#include "files/textfile.h"
#include "settings/effectsettings.h"

#include <QLoggingCategory>
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
    int sizeEffect = 0;
    int capitalisation = 0;
    int colouring = 0;
    int characterPosition = 0;
    int randomBoldItalic = 0;
    int alternateSelectedFonts = 0;
    double wavelength = 0;
    double blendLength = 0;
    int randomAlternateColours = 0;
    std::optional<int> predefinedScheme; // absent when its line was unusable (it is then ignored)
    QString text;
    int minimumSizeIndex = -1;
    int maximumSizeIndex = -1;
    std::array<ColourLabel, EffectSettings::kAlternateCount> alternateColours;
    std::array<ColourLabel, EffectSettings::kBlendCount> blendColours;
    // By position: the first entries of the mode's font list. With `fontNames`: the
    // entries of the stored list, matched to today's list by name.
    QList<bool> fontSelection;
    std::optional<QStringList> fontNames;
    std::optional<qint32> singleColour;
    std::optional<bool> toolTips;
    std::optional<bool> formatWordByWord;
    std::optional<bool> colourWordByWord;

    // Applies the values to a record whose font list and size boxes the mode switch has
    // just filled for `mode`. Font-list entries past the stored block (or, matched by name,
    // not named in it) keep their state; at most 20 fonts end selected.
    void applyTo(EffectSettings &settings) const;
};

// Where the settings' own failures go: the design keeps them away from the user.
Q_DECLARE_LOGGING_CATEGORY(lcSettingsFile)

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

// The input text as the file holds it. A line the reader would take for the separator
// (the separator after any number of pound signs) gets one more pound sign in front, which
// the reader takes off again; every other text is stored exactly as it is.
QString storedText(const QString &text);
bool isSeparatorLike(QStringView line);
// A font name as the trailer holds it: a line break (which would split the trailer) as
// U+FFFD. Today's names are compared in the same form.
QString storedFontName(const QString &name);

// The most bytes a settings file may have: a text at its limit in UTF-8 and room for the
// rest. A longer file (or a longer text) is a read failure.
inline constexpr qint64 kMaxFileBytes = 3 * qint64(EffectSettings::kMaxTextLength) + 3 + (1 << 20);

// Parses the lines; nullopt is a read failure. `fontCount` gives the length of the font
// list in the stored mode.
std::optional<LoadedSettings> parse(const QStringList &lines,
                                    const std::function<int(OutputMode)> &fontCount);

// Decodes the bytes of a file (UTF-8 after a byte-order mark, otherwise Windows-1252) and
// parses its lines. Bytes after the mark that are not UTF-8 are a read failure.
std::optional<LoadedSettings> parseBytes(const QByteArray &bytes,
                                         const std::function<int(OutputMode)> &fontCount);

// Writes the file atomically into the folder: a failure leaves the previous file intact.
WriteResult save(const QString &folder, const EffectSettings &settings);

// Reads the file of the folder; nullopt when it is missing or cannot be read.
// save() for the writes the user is not told about (on closing, at the end of a reset):
// a failure goes to the log with its reason. Returns whether the file was written.
bool saveQuietly(const QString &folder, const EffectSettings &settings);

// `tooLong`, when given, says whether the file failed for holding more than the limits.
std::optional<LoadedSettings> load(const QString &folder,
                                   const std::function<int(OutputMode)> &fontCount,
                                   bool *tooLong = nullptr);

} // namespace SettingsFile
