#include "home/skinfile.h"

#include "storage/datafolders.h"
#include "storage/designspace.h"
#include "storage/inifile.h"

#include <QFileInfo>

namespace solvaro {

namespace skinKeys {

QString pictureSectionName(int number)
{
    return QLatin1StringView("Ani") + QString::number(firstPictureSection + number);
}

} // namespace skinKeys

using namespace skinKeys;

QList<SkinPicture> readSkinPictures(const IniFile &skin, const DesignSpace &design)
{
    QList<SkinPicture> pictures;
    for (int number = 0; number < maxPictures; ++number) {
        const QString section = pictureSectionName(number);
        const QString file = skin.readString(section, pictureFileKey, noPicture);
        if (file == noPicture)
            continue;
        SkinPicture picture;
        picture.number = number;
        picture.file = file;

        const int left = skin.readInteger(section, leftKey, defaultPlace);
        const int top = skin.readInteger(section, topKey, defaultPlace);
        const int height = skin.readInteger(section, heightKey, defaultPlace);
        const int width = skin.readInteger(section, widthKey, defaultPlace);
        picture.geometry = QRect(design.leftFromStored(left), design.topFromStored(top),
            design.widthFromStored(width), design.widthFromStored(height));

        GifPath &path = picture.path;
        path.X1 = skin.readInteger(section, x1Key, defaultPathPoint);
        path.Y1 = skin.readInteger(section, y1Key, defaultPathPoint);
        path.X2 = skin.readInteger(section, x2Key, defaultPathPoint);
        path.Y2 = skin.readInteger(section, y2Key, defaultPathPoint);
        path.DX = skin.readInteger(section, dxKey, defaultStep);
        if (path.X2 > 0) {
            path.X1 = design.leftFromStored(path.X1);
            path.Y1 = design.topFromStored(path.Y1);
            path.X2 = design.leftFromStored(path.X2);
            path.Y2 = design.topFromStored(path.Y2);
        }
        pictures.append(picture);
    }
    return pictures;
}

QString readWhistle(const IniFile &skin)
{
    return skin.readString(commonArea, whistleKey, defaultWhistle);
}

bool whistleSilences(const QString &whistle)
{
    return whistle == whistleOff;
}

QString readMusicFile(const IniFile &skin, const QString &key)
{
    return skin.readString(musicSection, key, QString());
}

bool readMusicSwitchedOn(const IniFile &skin)
{
    return skin.readString(musicSection, musicSwitchKey, musicOn) == musicOn;
}

QString skinNameOf(const QString &chosenFile)
{
    return dataFolder::ini + QFileInfo(chosenFile).fileName();
}

bool isRefusedSkinName(const QString &skinName)
{
    return skinName.contains(QLatin1StringView("GENERALE"))
        || skinName.toUpper().contains(QLatin1StringView("TIPO"));
}

bool isRefusedSkinTarget(const QString &skinName)
{
    // Stored names resolve without regard to case, so "skin.ini" would land on
    // the default skin as surely as "SKIN.INI".
    const QString bareName
        = QFileInfo(QString(skinName).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    return isRefusedSkinName(skinName)
        || bareName.compare(QLatin1StringView("SKIN.INI"), Qt::CaseInsensitive) == 0;
}

bool isSameSkinName(const QString &first, const QString &second)
{
    const auto normalised
        = [](QString name) { return name.replace(QLatin1Char('/'), QLatin1Char('\\')); };
    return normalised(first).compare(normalised(second), Qt::CaseInsensitive) == 0;
}

} // namespace solvaro
