// A colour as the settings file, the rich-text box and RTF keep it: one number 0x00BBGGRR,
// red in the low byte. Every packing and unpacking of that number goes through here.
#pragma once

#include <QtGlobal>

class BgrColour {
public:
    constexpr BgrColour() = default;
    constexpr explicit BgrColour(qint32 packed) : m_packed(packed) {}
    // Components outside 0 .. 255 keep only their low byte, so they never spill into the
    // neighbouring component.
    static constexpr BgrColour fromRgb(int red, int green, int blue)
    {
        return BgrColour(qint32(quint32(red & 0xFF) | (quint32(green & 0xFF) << 8) |
                                (quint32(blue & 0xFF) << 16)));
    }

    constexpr int red() const { return int(quint32(m_packed) & 0xFF); }
    constexpr int green() const { return int((quint32(m_packed) >> 8) & 0xFF); }
    constexpr int blue() const { return int((quint32(m_packed) >> 16) & 0xFF); }
    constexpr qint32 packed() const { return m_packed; }

    friend constexpr bool operator==(BgrColour, BgrColour) = default;

private:
    qint32 m_packed = 0;
};
