#pragma once

#include "ui/alignments.h"

#include <QColor>
#include <QLabel>

namespace solvaro {

// A text label: plain text with "\r\n" line breaks, justified left, right or
// centre, on its own colour or see-through.
class TextLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TextLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setTextAlignment(TextAlignment alignment);
    TextAlignment textAlignment() const { return m_alignment; }
    void setTextColor(const QColor &color);
    QColor textColor() const;
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;
    // See-through labels show their parent behind the text; on by default.
    void setTransparent(bool on);
    bool isTransparent() const { return !autoFillBackground(); }

private:
    QString m_caption;
    TextAlignment m_alignment = TextAlignment::LeftJustify;
};

} // namespace solvaro
