// Glintwork's effect settings: one record with a field per control of the main window.
// The window reads its controls into the record, hands it to the engine, and writes the
// record back; the settings file stores it and the reset fills it with the defaults.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// The destination the output is tailored for. None only between start-up and the first
// mode switch, so that the first switch always rebuilds the font list.
enum class OutputMode : int { None = -1, Normal = 0, Html = 1, WordProcessor = 2 };

// One swatch of the alternate (`CL`) or blend (`CB`) row: its displayed colour
// (`BackColor`), its own colour as decimal text (`Tag`) and its mark (`Caption`,
// empty while in use, "X" while excluded).
struct ColourLabel {
    qint32 colour = 0;
    QString tag;
    QString mark;

    bool inUse() const { return mark.isEmpty(); }
    friend bool operator==(const ColourLabel &, const ColourLabel &) = default;
};

struct EffectSettings {
    static constexpr int kAlternateCount = 9; // CL 0 .. 8
    static constexpr int kBlendCount = 4;     // CB 0 .. 3
    static constexpr int kMaxSelectedFonts = 20;
    // The longest input text (line breaks as CR LF) that is formatted, stored and read.
    static constexpr qsizetype kMaxTextLength = 12'000'000;

    // Option indices of the groups, named after their captions.
    enum SizeEffect {
        SizeNone,
        SizeRandom,
        SizeAlternate,
        SizeFirstLetters,
        SizeBalloon,
        SizeConstrict,
        SizeWave
    };
    enum Capitalisation {
        CaseNone,
        CaseRandom,
        CaseUpper,
        CaseLower,
        CaseFirstLetters,
        CaseAlternate
    };
    enum CharacterPosition { PositionNone, PositionRandom, PositionCentre };
    enum Colouring { ColourSingle, ColourRandom, ColourAlternate, ColourBlend, ColourPredefined };

    // The input text; line breaks are CR LF.
    QString text = QStringLiteral("Type something here and click Refresh...");

    // `ListFonts`: its entries (filled by the output mode) and which of them are selected.
    // Both lists always have the same length.
    QStringList fonts;
    QList<bool> fontSelected;

    int alternateSelectedFonts = 0;
    int randomBoldItalic = 1;
    int sizeEffect = SizeRandom;
    // The size boxes: the size (points, or the HTML size in HTML mode) and the list position
    // (-1 after the user typed a value that is not an item). 0 is an empty box. The values
    // are read once where text enters (`number`); the Refresh repairs them by its rules.
    double minimumSize = 20;
    int minimumSizeIndex = 5;
    double maximumSize = 32;
    int maximumSizeIndex = 7;
    // Characters per wave; 0 lets the Refresh choose one.
    double wavelength = 5;
    int characterPosition = PositionRandom;
    int capitalisation = CaseNone;
    int colouring = ColourRandom;
    qint32 singleColour = 0;
    std::array<ColourLabel, kAlternateCount> alternateColours = defaultAlternateLabels();
    int randomAlternateColours = 0;
    std::array<ColourLabel, kBlendCount> blendColours = defaultBlendLabels();
    // Characters over which a blend runs from one colour to the next.
    double blendLength = 20;
    int predefinedScheme = 0;
    bool formatWordByWord = false;
    bool colourWordByWord = false;
    OutputMode outputMode = OutputMode::Normal;
    bool toolTips = true;

    // The defaults of the reset (the font list is left empty: the mode fills it).
    static EffectSettings defaults() { return {}; }

    // The colours, tags and marks of the rows as the reset leaves them (CL 7 and 8
    // excluded and silver).
    static std::array<ColourLabel, kAlternateCount> defaultAlternateLabels();
    static std::array<ColourLabel, kBlendCount> defaultBlendLabels();

    // The number a box's or the file's text starts with (0 when none): how text becomes a
    // value, once, where it enters.
    static double number(QStringView text);
    // The text a value is shown and stored as; a size box shows nothing for 0.
    static QString numberText(double value);
    static QString sizeText(double size);

    int selectedFontCount() const;
    // The names of the selected entries, in list order.
    QStringList selectedFontNames() const;
    // Empties the list (and its selection) and fills it with the names, nothing selected.
    void setFonts(const QStringList &names);

    friend bool operator==(const EffectSettings &, const EffectSettings &) = default;
};
