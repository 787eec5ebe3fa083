#include "storage/colornumber.h"

namespace solvaro {

namespace {

// Each system colour index stands for the palette colour that plays the same
// part in a Qt desktop (the same pairing Qt itself makes when it reads the
// system scheme).
QColor systemColor(int index, const QPalette &palette)
{
    using P = QPalette;
    switch (static_cast<SystemColor>(index)) {
    case SystemColor::ScrollBar:
    case SystemColor::ActiveBorder:
    case SystemColor::InactiveBorder:
    case SystemColor::ButtonFace:
        return palette.color(P::Active, P::Button);
    case SystemColor::Background:
    case SystemColor::ButtonShadow:
        return palette.color(P::Active, P::Dark);
    case SystemColor::ActiveCaption:
    case SystemColor::GradientActiveCaption:
    case SystemColor::Highlight:
    case SystemColor::MenuHighlight:
        return palette.color(P::Active, P::Highlight);
    case SystemColor::InactiveCaption:
    case SystemColor::GradientInactiveCaption:
    case SystemColor::AppWorkSpace:
        return palette.color(P::Active, P::Mid);
    case SystemColor::Menu:
    case SystemColor::MenuBar:
        return palette.color(P::Active, P::Window);
    case SystemColor::Window:
        return palette.color(P::Active, P::Base);
    case SystemColor::WindowFrame:
    case SystemColor::DarkShadow3D:
        return palette.color(P::Active, P::Shadow);
    case SystemColor::MenuText:
        return palette.color(P::Active, P::WindowText);
    case SystemColor::WindowText:
        return palette.color(P::Active, P::Text);
    case SystemColor::CaptionText:
    case SystemColor::HighlightText:
        return palette.color(P::Active, P::HighlightedText);
    case SystemColor::InactiveCaptionText:
        return palette.color(P::Inactive, P::HighlightedText);
    case SystemColor::GrayText:
        return palette.color(P::Disabled, P::Text);
    case SystemColor::ButtonText:
        return palette.color(P::Active, P::ButtonText);
    case SystemColor::ButtonHighlight:
        return palette.color(P::Active, P::Light);
    case SystemColor::Light3D:
        return palette.color(P::Active, P::Midlight);
    case SystemColor::InfoText:
        return palette.color(P::Active, P::ToolTipText);
    case SystemColor::InfoBackground:
        return palette.color(P::Active, P::ToolTipBase);
    case SystemColor::HotLight:
        return palette.color(P::Active, P::Link);
    }
    // An index the desktop does not know reads as black, as it does there.
    return QColor(0, 0, 0);
}

} // namespace

QColor colorFromNumber(qint32 number, const QPalette &palette)
{
    if (isSystemColorNumber(number))
        return systemColor(number & 0xFF, palette);
    if (number == clNone)
        return QColor(Qt::transparent);
    // Bits above the 24 colour bits only chose a palette mode; the colour stays.
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

qint32 numberFromColor(const QColor &color)
{
    if (!color.isValid())
        return clBlack;
    if (color.alpha() == 0)
        return clNone;
    const QColor rgb = color.toRgb();
    return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

} // namespace solvaro
