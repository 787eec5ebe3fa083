#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace solvaro {

// Colours are stored as signed 32-bit colour numbers: 65536 × blue + 256 × green
// + red for a plain colour, or 0x80000000 + index for a colour of the desktop's
// scheme (negative when written as a signed number), which follows the user's
// palette instead of a fixed value.
enum class SystemColor : int {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkSpace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

inline constexpr qint32 systemColorNumber(SystemColor color)
{
    return static_cast<qint32>(0x80000000u | static_cast<quint32>(color));
}

// The colour numbers the program's own defaults use.
inline constexpr qint32 clBlack = 0;
inline constexpr qint32 clWhite = 0xFFFFFF;
inline constexpr qint32 clGray = 8421504;
inline constexpr qint32 clBtnFace = systemColorNumber(SystemColor::ButtonFace);
inline constexpr qint32 clWindow = systemColorNumber(SystemColor::Window);
inline constexpr qint32 clWindowText = systemColorNumber(SystemColor::WindowText);
inline constexpr qint32 clInactiveCaption = systemColorNumber(SystemColor::InactiveCaption);
// "No colour": drawn as fully transparent.
inline constexpr qint32 clNone = 0x1FFFFFFF;

inline constexpr bool isSystemColorNumber(qint32 number)
{
    return number < 0;
}

// The colour a number stands for; system colours are taken from the palette.
QColor colorFromNumber(qint32 number, const QPalette &palette);
// The number of a plain colour (alpha is dropped; a fully transparent colour
// gives clNone).
qint32 numberFromColor(const QColor &color);

} // namespace solvaro
