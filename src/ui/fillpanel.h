#pragma once

#include "ui/alignments.h"
#include "ui/fillgeometry.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPixmap>
#include <QString>

namespace solvaro {

// A strip or panel whose face is a fill (a brush colour or a picture placed,
// centred, stretched or tiled) with a multi-line caption drawn on top at one of
// nine places. It also serves as a container: children lie over the fill. An
// outer border is the QFrame's own; the inner bevel is drawn inside it.
class FillPanel : public QFrame
{
    Q_OBJECT

public:
    explicit FillPanel(QWidget *parent = nullptr);

    // Caption, with "\r\n" line breaks.
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setCaptionAlignment(NineAlignment alignment);
    NineAlignment captionAlignment() const { return m_captionAlignment; }
    void setCaptionFont(const QFont &font);
    QFont captionFont() const { return m_captionFont; }
    void setCaptionColor(const QColor &color);
    QColor captionColor() const { return m_captionColor; }
    // Long lines break at word boundaries; on by default.
    void setWordWrap(bool on);
    bool wordWrap() const { return m_wordWrap; }

    // The panel's own colour under the fill; an invalid colour (the default)
    // leaves the panel see-through where the fill paints nothing.
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }

    void setFillStyle(FillStyle style);
    FillStyle fillStyle() const { return m_fillStyle; }
    void setBrushColor(const QColor &color);
    QColor brushColor() const { return m_brushColor; }
    void setPicture(const QPixmap &picture);
    void setPicture(const QImage &picture);
    QPixmap picture() const { return m_picture; }
    void setTileMode(TileMode mode);
    TileMode tileMode() const { return m_tileMode; }
    void setFillAlignment(NineAlignment alignment);
    NineAlignment fillAlignment() const { return m_fillAlignment; }
    void setFillOffset(const QPoint &offset);
    QPoint fillOffset() const { return m_fillOffset; }

    // A one-pixel lowered edge inside the border; the caption keeps clear of it.
    void setInnerBevel(bool on);
    bool hasInnerBevel() const { return m_innerBevel; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintFill(QPainter &painter, const QRect &area);
    void paintPicture(QPainter &painter, const QRect &area);
    void paintInnerBevel(QPainter &painter, const QRect &area) const;
    const QPixmap &stretchedPicture(const QSize &size);

    QString m_caption;
    QString m_captionLines;
    NineAlignment m_captionAlignment = NineAlignment::TopLeft;
    QFont m_captionFont;
    QColor m_captionColor = Qt::black;
    bool m_wordWrap = true;

    QColor m_backgroundColor;
    FillStyle m_fillStyle = FillStyle::None;
    QColor m_brushColor = Qt::white;
    QPixmap m_picture;
    TileMode m_tileMode = TileMode::None;
    NineAlignment m_fillAlignment = NineAlignment::TopLeft;
    QPoint m_fillOffset;
    bool m_innerBevel = false;

    // Scaling a picture is the costly part of painting, so the stretched copy
    // is kept until the size or the picture changes.
    QPixmap m_stretched;
};

} // namespace solvaro
