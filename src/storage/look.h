#pragma once

#include "storage/colornumber.h"

#include <QRect>
#include <QString>
#include <QStringList>

namespace solvaro {

// The look of one restylable element, as its component property record stores
// it, without any widget: the widget layer copies a Look into a real element
// and back. Enumerations keep the ordinal values the files hold.

enum class LookKind { TextStrip, Panel, Label, QuestionGroup };

// Place of a caption or of a fill picture in its box.
enum class LookAlignment : int {
    agTopLeft = 0,
    agTopCenter = 1,
    agTopRight = 2,
    agCenterLeft = 3,
    agCenter = 4,
    agCenterRight = 5,
    agBottomLeft = 6,
    agBottomCenter = 7,
    agBottomRight = 8,
};

// Horizontal alignment of a text label.
enum class LookTextAlignment : int {
    taLeftJustify = 0,
    taRightJustify = 1,
    taCenter = 2,
};

enum class LookTileMode : int {
    tmNone = 0,
    tmCenter = 1,
    tmStretch = 2,
    tmTile = 3,
};

enum class LookFillStyle : int {
    sfNone = 0,
    sfBrushBitmap = 1,
    sfBrush = 2,
    sfBitmap = 3,
    sfBitmapList = 4,
    sfGradient = 5,
};

// Bits of LookFont::style.
enum LookFontStyle : int {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// The character set number of a font: 0 ANSI, 1 default, 2 symbol, ...
inline constexpr int DefaultCharSet = 1;

struct LookFont {
    QString name = QStringLiteral("Comic Sans MS");
    int charSet = DefaultCharSet;
    qint32 color = clWindowText;
    // Points on the present screen.
    int size = 8;
    // LookFontStyle values or'ed together.
    int style = 0;

    bool operator==(const LookFont &) const = default;
};

struct LookFill {
    LookAlignment alignment = LookAlignment::agTopLeft;
    qint32 brushColor = clBtnFace;
    // Pixels; the design space does not apply to them.
    int offsetX = 0;
    int offsetY = 0;
    LookTileMode tileMode = LookTileMode::tmNone;
    LookFillStyle style = LookFillStyle::sfNone;
    // Full path of the fill picture file, empty for none.
    QString picture;

    bool operator==(const LookFill &) const = default;
};

struct Look {
    LookKind kind = LookKind::TextStrip;
    // Caption of a text strip or label, text of a panel, with real line breaks.
    QString text;
    // Caption alignment of text strips and panels.
    LookAlignment alignment = LookAlignment::agTopLeft;
    // Text alignment of labels.
    LookTextAlignment textAlignment = LookTextAlignment::taLeftJustify;
    LookFont font;
    // Pixels of the present screen.
    QRect geometry;
    // Text strips and panels.
    LookFill fill;
    // Labels: background colour and whether the background is left unpainted.
    qint32 color = clBtnFace;
    bool transparent = false;
    // Question groups: one option per line, the correct one first.
    QStringList answerLines;
    // Where the element's record lives (10 skin, 80 sheet-wide, other
    // per-exercise); a tag of 80 also keeps the geometry out of the record.
    int tag = 0;

    bool operator==(const Look &) const = default;
};

// The tag of sheet-wide elements, whose geometry no record changes.
inline constexpr int SheetWideTag = 80;

} // namespace solvaro
