// Skins: loading the current one into the page, choosing another, saving a
// copy, and the skin's music.

#include "home/unit1.h"

#include "app/appcontext.h"
#include "base/dialogs.h"
#include "base/error.h"
#include "home/skinfile.h"
#include "home/tgif.h"
#include "media/soundoutput.h"
#include "storage/datafolders.h"
#include "storage/designspace.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "ui/filefilter.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"

#include <QFileInfo>

namespace solvaro {

namespace {

const QString SkinFilter = QStringLiteral("*.ini|*.ini");
// Below this width a stored picture size is taken to be unset.
constexpr int SmallestPictureWidth = 20;
// Where a picture's file does not read, the teacher sees a box this large.
constexpr QSize MissingPictureSize(80, 80);

} // namespace

void TForm1::CARICA_TEMA()
{
    // One reading of the skin file serves every element and picture.
    const IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    loadSkinElements(skin);
    loadSkinPictures(skin);
    m_whistle = readWhistle(skin);
}

void TForm1::loadSkinElements(const IniFile &skin)
{
    for (FillPanel *element :
        { LMDsfondoUnit1, LMDFill1, LMDFill2, LMDFill3, LMDFill4, LMDFill5 }) {
        const QString name = element->objectName();
        // A skin names each element's section after the element.
        Load_LMDFILL(element, m_context.looks(), elementRecord(skin, name, name));
    }
    // The top bar, the strip and the background keep their places whatever
    // the records say; only the strip's height is its own.
    layoutPage();
}

void TForm1::loadSkinPictures(const IniFile &skin)
{
    ShowNodes(false);
    ResizeTarget = nullptr;
    for (const QPointer<Tgif> &gif : std::as_const(Gifs))
        delete gif.data();
    Gifs.clear();
    SelectedGif = -1;

    const QList<SkinPicture> pictures
        = readSkinPictures(skin, DesignSpace(m_context.env.screenSize));
    for (const SkinPicture &picture : pictures) {
        // A picture that does not read keeps its place for the teacher, who
        // can change or delete it; the rest of the skin loads.
        int index = AddGIF(m_context.folders.resolve(picture.file));
        if (index < 0)
            index = addMissingGif(picture.file);
        Tgif *gif = Gifs.at(index);
        gif->section = skinKeys::pictureSectionName(picture.number);
        gif->setGeometry(picture.geometry);
        gif->path = picture.path;
        if (gif->width() < SmallestPictureWidth)
            gif->resize(gif->hasPicture() ? gif->pictureSize() : MissingPictureSize);
    }
}

void TForm1::LoadSkinClick()
{
    Dialogs &dialogs = *m_context.env.dialogs;
    const QString chosen = dialogs.openFileName(QStringLiteral("Load Skin"),
        m_context.folders.resolve(QStringLiteral("SOL_INI")), toQtFileFilter(SkinFilter));
    if (chosen.isEmpty())
        return;
    const QString skinName = skinNameOf(chosen);
    if (isRefusedSkinName(skinName)) {
        dialogs.showMessage(QStringLiteral("Errore: not skin files"));
        return;
    }
    IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    global.writeString(globalSettings::skinSection, globalSettings::skinFileKey, skinName);
    global.updateFile();
    SkinFile = skinName;
    CARICA_TEMA();
}

void TForm1::SaveSkinAsClick()
{
    Dialogs &dialogs = *m_context.env.dialogs;
    const QString chosen = dialogs.saveFileName(QStringLiteral("Save Skin as..."),
        m_context.folders.resolve(QStringLiteral("SOL_INI")), toQtFileFilter(SkinFilter),
        QStringLiteral("ini"));
    if (chosen.isEmpty())
        return;
    const QString target = skinNameOf(withDefaultExtension(chosen, QStringLiteral("ini")));
    if (isRefusedSkinTarget(target)) {
        dialogs.showMessage(QStringLiteral("Impossible write on configuration files!"));
        return;
    }
    // Names resolve without regard to case: a copy onto the same file would
    // first delete it.
    if (isSameSkinName(target, SkinFile)) {
        dialogs.showMessage(QStringLiteral("Source file = Destination file"));
        return;
    }
    const QString source = m_context.folders.resolve(SkinFile);
    const QString destination = m_context.folders.resolve(target);
    // A copy that fails keeps the file it would have replaced, and the current
    // skin stays the one the global settings file names.
    if (QFileInfo(source).isFile() && !copyFileReplacing(source, destination))
        throw Error(QStringLiteral("Unable to write to %1").arg(destination));
    IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    global.writeString(globalSettings::skinSection, globalSettings::skinFileKey, target);
    global.updateFile();
    SkinFile = target;
}

void TForm1::CreaWAV(const QString &key)
{
    const IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    const QString stored = readMusicFile(skin, key);
    if (stored.isEmpty() || !readMusicSwitchedOn(skin))
        return;
    const QString path = m_context.folders.resolve(stored);
    if (m_context.sound && QFileInfo(path).isFile())
        m_context.sound->play(path, true);
}

void TForm1::stopSound()
{
    if (m_context.sound)
        m_context.sound->stop();
}

} // namespace solvaro
