#pragma once

#include "home/gifmotion.h"

#include <QLatin1StringView>
#include <QList>
#include <QRect>
#include <QString>

namespace solvaro {

class DesignSpace;
class IniFile;

// The sections and keys of a skin file, the INI file that holds the look of
// the home page: the records of its skin elements, its moving pictures, its
// music and the whistle switch.
namespace skinKeys {

inline constexpr QLatin1StringView commonArea { "COMMONAREA" };
// The whistle switch: "NO" silences the home page.
inline constexpr QLatin1StringView whistleKey { "FISCHIO" };
inline constexpr QLatin1StringView defaultWhistle { "SI" };
inline constexpr QLatin1StringView whistleOff { "NO" };

inline constexpr QLatin1StringView musicSection { "MUSICA" };
inline constexpr QLatin1StringView homeMusicKey { "W6" };
// Always this key, whatever music key is asked for; compared exactly with "ON".
inline constexpr QLatin1StringView musicSwitchKey { "W6_ON_OFF" };
inline constexpr QLatin1StringView musicOn { "ON" };
inline constexpr QLatin1StringView musicOff { "OFF" };

// Moving pictures: sections "ani100" to "ani199".
inline constexpr int maxPictures = 100;
inline constexpr int firstPictureSection = 100;
inline constexpr QLatin1StringView pictureFileKey { "FileName" };
inline constexpr QLatin1StringView noPicture { "#" };
inline constexpr QLatin1StringView leftKey { "left" };
// What the picture writers use; keys match without regard to case.
inline constexpr QLatin1StringView leftWrittenKey { "Left" };
inline constexpr QLatin1StringView topKey { "top" };
inline constexpr QLatin1StringView heightKey { "height" };
inline constexpr QLatin1StringView widthKey { "width" };
inline constexpr QLatin1StringView x1Key { "X1" };
inline constexpr QLatin1StringView y1Key { "Y1" };
inline constexpr QLatin1StringView x2Key { "X2" };
inline constexpr QLatin1StringView y2Key { "Y2" };
inline constexpr QLatin1StringView dxKey { "DX" };
inline constexpr int defaultPlace = 20;
inline constexpr int defaultPathPoint = -1;
inline constexpr int defaultStep = 1;

// "Ani" followed by 100 + number: the name of a picture and of its section.
QString pictureSectionName(int number);

} // namespace skinKeys

// One moving picture as the skin stores it, converted to screen pixels.
struct SkinPicture {
    // The picture's section number, 0 for "ani100".
    int number = 0;
    // The stored path of the GIF file, relative to the executable folder.
    QString file;
    // Place and size on the background, in pixels; the height follows the
    // screen width as the width does.
    QRect geometry;
    GifPath path;
};

// The moving pictures of a skin, in section order; sections without a
// picture ("FileName" missing or "#") are skipped. The path is converted from
// the design space only when it has an end ("X2" > 0); the step never is.
QList<SkinPicture> readSkinPictures(const IniFile &skin, const DesignSpace &design);

// The whistle switch, "SI" when missing.
QString readWhistle(const IniFile &skin);
bool whistleSilences(const QString &whistle);

// The stored path of the music of a key ("W6"), empty when missing.
QString readMusicFile(const IniFile &skin, const QString &key);
// The music plays only when "W6_ON_OFF" is exactly "ON" (the default).
bool readMusicSwitchedOn(const IniFile &skin);

// Skin file names chosen in a file dialog are kept in the ini folder under
// their bare name: "SOL_INI\\" + the name.
QString skinNameOf(const QString &chosenFile);
// Exercise files and the global settings file are no skins.
bool isRefusedSkinName(const QString &skinName);
// Saving may not overwrite a configuration file, nor the default skin.
bool isRefusedSkinTarget(const QString &skinName);
// Whether two stored names stand for the same file once resolved, which
// happens without regard to case.
bool isSameSkinName(const QString &first, const QString &second);

} // namespace solvaro
