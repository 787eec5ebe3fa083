#include "ui/lednumber.h"

namespace solvaro {

LedNumber::LedNumber(int digits, QWidget *parent)
    : QLCDNumber(digits, parent)
{
    setMode(QLCDNumber::Dec);
    setSegmentStyle(QLCDNumber::Filled);
    display(0);
}

void LedNumber::setValue(int value)
{
    display(value);
}

void LedNumber::setDigitColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    colors.setColor(QPalette::Light, color.lighter());
    colors.setColor(QPalette::Dark, color.darker());
    setPalette(colors);
}

} // namespace solvaro
