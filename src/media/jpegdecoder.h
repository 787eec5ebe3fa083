#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace solvaro {

// Decodes a JPEG picture held in memory with libjpeg. A corrupt picture, one cut
// short, one too large to hold or one that never ends its scans gives nothing;
// libjpeg is never allowed to end the process or print.
std::optional<QImage> decodeJpeg(const QByteArray &bytes);

// The most pixels a picture may have: four times what a camera of today takes.
inline constexpr qint64 jpegPixelLimit = 200'000'000;

} // namespace solvaro
