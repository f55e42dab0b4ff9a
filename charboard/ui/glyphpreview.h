// Charboard's large preview: a read-only line whose character is drawn by the font's own glyph
// (so that the soft hyphen, which text layout hides, shows as the font draws it), whole and
// centred by its ink, or the words "not in this font" when the font has no glyph for it.
#pragma once

#include <QLineEdit>

class GlyphPreview : public QLineEdit {
    Q_OBJECT
public:
    explicit GlyphPreview(QWidget *parent = nullptr);

    bool isMissing() const { return m_missing; }
    void setMissing(bool missing);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawGlyphs(QPainter &painter);

    bool m_missing = false;
};
