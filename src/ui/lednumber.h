#pragma once

#include <QLCDNumber>

namespace solvaro {

// A digital display of a whole number, as the score of the closing screen.
class LedNumber : public QLCDNumber
{
    Q_OBJECT

public:
    explicit LedNumber(int digits = 4, QWidget *parent = nullptr);

    void setValue(int value);
    int value() const { return intValue(); }
    void setDigitColor(const QColor &color);
};

} // namespace solvaro
