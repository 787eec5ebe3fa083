#pragma once

#include "home/gifmotion.h"
#include "ui/animatedpicture.h"

namespace solvaro {

// A moving picture of the home page: an animated picture that walks along a
// straight path, one step a tick.
class Tgif final : public AnimatedPicture
{
    Q_OBJECT

public:
    explicit Tgif(QWidget *parent = nullptr);

    // The path in pixels of the background (X1, Y1, X2, Y2) and the step DX.
    GifPath path;
    // The skin section the picture is stored in, "ani100" to "ani199". It is
    // kept apart from the picture's index, which closes up at each skin load,
    // so that a picture goes on writing to the section it was read from.
    QString section;
    // The stored file of a picture that did not read, empty otherwise: the
    // picture is then a box naming the file, for the teacher to change or
    // delete.
    QString missingFile;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace solvaro
