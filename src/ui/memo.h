#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace solvaro {

// A multi-line text editor that speaks the program's texts: "\r\n" between
// lines, in and out.
class Memo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit Memo(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    void setLines(const QStringList &lines);
    QStringList lines() const;
};

} // namespace solvaro
