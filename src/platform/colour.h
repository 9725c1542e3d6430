// Colours as the window stores them: a 0x00BBGGRR number, or one of three system colours that
// stay symbolic until painted, so they follow the desktop's palette.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

class Colour {
public:
    constexpr explicit Colour(std::uint32_t value = 0)
        : m_value(value) {}

    constexpr std::uint32_t value() const { return m_value; }
    constexpr bool isSystem() const { return (m_value & systemFlag) != 0; }
    // The colour to paint now, taken from the given palette for a system colour.
    QColor resolve(const QPalette& palette) const;

    constexpr bool operator==(const Colour&) const = default;

    static constexpr std::uint32_t systemFlag = 0x80000000u;

private:
    std::uint32_t m_value;
};

namespace colours {
inline constexpr Colour windowBackground{Colour::systemFlag | 0x05};
inline constexpr Colour windowText{Colour::systemFlag | 0x08};
inline constexpr Colour buttonFace{Colour::systemFlag | 0x0F};

inline constexpr Colour red{0x0000FF};
inline constexpr Colour darkRed{0x0000C0};
inline constexpr Colour blue{0xFF0000};
inline constexpr Colour yellow{0x00FFFF};
inline constexpr Colour lightGrey{0xE0E0E0};
} // namespace colours
