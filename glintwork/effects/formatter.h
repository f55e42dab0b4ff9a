// The Refresh: turns the input text into decorated rich text. The text is cut into
// pieces, each piece is formatted unit by unit in the rich-text box, the pieces' RTF is
// spliced into one document, and a last pass colours it. Everything the window shows or
// asks goes through RefreshHost, so the whole run works on an in-memory document.
#pragma once

#include "effects/fontchooser.h"
#include "effects/sizerules.h"
#include "richtext/symbolfaces.h"
#include "settings/effectsettings.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

class FontCatalog;
class ProgressState;
class RandomSource;
class RecentColours;
class RichDocument;
class RichTextBox;

class RefreshHost {
public:
    virtual ~RefreshHost() = default;
    // A "Warning!" message box with OK and Cancel; true for OK.
    virtual bool confirmWarning(const QString &text) = 0;
    // The hourglass pointer, and back.
    virtual void setBusy(bool busy) = 0;
    virtual void showFontList(bool visible) = 0;
    virtual void enableRefresh(bool enabled) = 0;
    // Hides the visible output box while the run works, shows it at the end.
    virtual void showOutput(bool visible) = 0;
    // Whether the output box shows the tooltip of an empty box (firstToolTip()): only that
    // one gives way to the tooltip of a result.
    virtual bool outputShowsFirstToolTip() const = 0;
    virtual void setOutputToolTip(const QString &text) = 0;
    // The auto-selection marks entry `index` of `ListFonts` selected.
    virtual void selectFont(int index) = 0;
    // `CommandCA_Click`, after an auto-selection.
    virtual void clearFontSelection() = 0;
    // The finished document, to be loaded into the visible box (once, before it is shown
    // again).
    virtual void outputReady(const RichDocument &finished) = 0;
};

enum class LengthWarning { None, Long, VeryLong };

struct RefreshResult {
    bool ran = false; // false: empty input or a warning cancelled, nothing changed
    bool autoSelected = false;
    SizeLimits limits;
    QList<float> charSize;    // `CharSize`
    QList<qint32> charColour; // `CharColour`
    // Set for the "None" size rule: the output box's base font size.
    std::optional<double> baseFontSize;
};

class Formatter {
public:
    // The messages and tooltips of the Refresh, in the user's language.
    static QString warningTitle();
    static QString veryLongWarning();
    static QString longWarning();
    static QString firstToolTip();
    static QString resultToolTip();
    // Draws of a random normal font for one unit before it keeps the box's default face.
    static constexpr int kMaxFontDraws = 1000;

    Formatter(RandomSource &random, RecentColours &recent, ProgressState &progress);

    // The whole Refresh on `box` (the working document). The settings' size fields,
    // `TextWL` and `TextBL` may come back repaired; the font selection is restored after
    // an auto-selection.
    RefreshResult refresh(EffectSettings &settings, OutputMode mode, RichDocument &box,
                          RefreshHost &host);

    static LengthWarning lengthWarning(qsizetype length, int selectedFonts);

    // Fonts whose character map is a symbol encoding. The random font choices take only
    // text fonts: isRandomFontCandidate judges by the name, which misses dingbat fonts such as
    // D050000L whose names carry none of its words.
    void setSymbolFonts(const QStringList &names);
    bool isTextFont(const QString &name) const;
    // The installed fonts whose character maps the font choices ask, so that every unit
    // is drawn by a font that has its glyphs. Without one the design's choices stand.
    void setFontCatalog(const FontCatalog *catalog) { m_catalog = catalog; }

    // Refresh step 8: word pieces end after a blank (a blank in the first place does not
    // end one); character pieces are 6 code units, longer where the 6th would split a
    // user-perceived character or a word of a joining script. Every LF is dropped and
    // every CR becomes CR LF.
    static QStringList cutPieces(const QString &work, bool wordMode);
    // The same pieces handed over one at a time, so that a long text never holds them all.
    using PieceVisitor = std::function<void(const QString &piece)>;
    static void forEachPiece(const QString &work, bool wordMode, const PieceVisitor &visit);

    // The ranges (start, length) of the word colouring over a text: each word with the
    // blank after it.
    static QList<std::pair<int, int>> wordRanges(const QString &text);

private:
    struct Unit {
        std::optional<QString> face;
        int poolIndex = -1; // where the face came from the pool
        std::optional<float> size;
        std::optional<int> offset;
        std::optional<bool> bold;
        std::optional<bool> italic;
    };

    Unit unitAttributes(const EffectSettings &s, qsizetype g) const;
    static void apply(RichTextBox &box, const Unit &unit);
    // The design's face for a span of the piece, traded for one that draws it.
    void fitFace(Unit &unit, const QString &text, const EffectSettings &s, qsizetype g);
    // Word mode: the parts of a word that the word's face cannot draw get one that can.
    void mendWord(RichTextBox &box, const QString &piece, const QString &face,
                  const EffectSettings &s, qsizetype g);
    void colourUnits(const EffectSettings &s, OutputMode mode, RichTextBox &box);
    std::optional<qint32> unitColour(const EffectSettings &s, OutputMode mode, qsizetype u) const;
    void autoSelect(EffectSettings &s, RefreshHost &host);

    RandomSource &m_random;
    RecentColours &m_recent;
    ProgressState &m_progress;
    // The current run's tables, read by the per-unit steps.
    SizeLimits m_limits;
    QList<float> m_charSize;
    QList<qint32> m_charColour;
    // The font pool and the whole list in upper case, and which list entries are normal
    // text fonts, worked out once per run rather than once per unit.
    QStringList m_pool;
    QStringList m_upperFonts;
    QList<bool> m_normalFonts;
    QSet<QString> m_symbolFonts; // upper case
    const FontCatalog *m_catalog = nullptr;
    FontChooser m_chooser;
    // The same fonts for the RTF the box writes: marked as symbol fonts.
    SymbolFaces m_symbolFaces;
};
