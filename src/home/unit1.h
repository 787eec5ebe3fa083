#pragma once

#include "storage/recordaddress.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QLineEdit;
class QMenu;
class QMouseEvent;
class QTimer;

namespace solvaro {

struct AppContext;
class AnimatedPicture;
class FillPanel;
class IniFile;
class PictureButton;
class TabStrip;
class Tgif;

// What the "Edit Box" is handed for an element: the full path of its fill
// picture (empty for none) and its record, in a file named by its path
// relative to the executable folder.
struct ElementEdit {
    QString picturePath;
    RecordAddress record;
};

// The home page, page 0 of the main window: the pupil types a name and picks a
// sheet tab, and the exercise player opens on that sheet. In the teacher's
// editing mode the page becomes a layout editor for its boxes, strips,
// background, music, moving pictures and skins. It also keeps what every page
// shares: the editing mode, the sheet list and the element editing operation.
class TForm1 final : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(AppContext &context, QWidget *parent = nullptr);
    ~TForm1() override;

    // What the other pages read.
    bool EditMode = false;
    // The exercise files of the sheets, relative to the executable folder;
    // index = sheet = tab.
    QStringList SheetFiles;
    // The current skin file, relative to the executable folder.
    QString SkinFile;
    // The selected sheet tab, -1 for none.
    int currentSheet() const;
    // The name as typed, not trimmed.
    QString pupilName() const;

    // The element editing operation of every page: opens the "Edit Box" for an
    // element in the teacher's editing mode, with the file and section its tag
    // selects. page is the form that owns the element. True when confirmed.
    bool xMouseUp(QWidget *page, QWidget *element);
    // Where xMouseUp has the "Edit Box" keep an element's look, by its kind
    // and tag; nothing for an element it does not edit.
    std::optional<ElementEdit> elementEditOf(const QWidget *page, const QWidget *element) const;
    // The numeric key filter of the player's number fields; the key is changed
    // in place (a null character when removed). True when Enter confirms the
    // last field.
    bool MKeyPress(QWidget *field, QChar &key, const QString &lastFieldName, QWidget *page);

    // Rebuilds the sheet list and tabs from the global settings file.
    void CaricaMENU();
    // Loads the current skin: the looks of the skin elements, the moving
    // pictures and the whistle switch.
    void CARICA_TEMA();
    // What each showing of the page runs.
    void FormActivate();
    // Opens the selected sheet in the exercise player.
    void TabSheetMouseUp();
    // Leaves the home page for the start panel.
    void LMDhomeClick();
    // The scheme editor, then the sheet list again.
    void LMDschemiClick();

    // Text boxes (LMDFill3, LMDFill4) in the teacher's editing mode.
    void TextBoxMouseDown(QWidget *box, Qt::MouseButton button, const QPoint &screenPos);
    void TextBoxMouseMove(QWidget *box, const QPoint &screenPos);
    void TextBoxMouseUp(QWidget *box, Qt::MouseButton button, const QPoint &screenPos);
    // Box menu.
    void SendBackClick();
    void BringFrontClick();
    void EditClick();

    // Background mouse-up and the background menu.
    void BackgroundMouseUp(Qt::MouseButton button, const QPoint &screenPos);
    void BackgroundImageClick();
    void BackgroundSoundClick();
    void BackgroundSoundOnClick();
    void BackgroundSoundOffClick();
    void AddAnimateGifClick();
    void ResetGifPositionClick();
    void SaveSkinAsClick();
    void LoadSkinClick();

    // Music of the skin: starts the music of a key ("W6") when its file exists
    // and the skin has it switched on.
    void CreaWAV(const QString &key);
    QString whistle() const { return m_whistle; }

    // Moving pictures. AddGIF returns the new index, or -1 when the file
    // does not read as a picture.
    int AddGIF(const QString &path);
    void RESET_GIF();
    void Timer1Timer();
    void SetSpeedClick();
    void MoveFromStartClick();
    void MoveToEndClick();
    void DisableMoveClick();
    void ChangeGifClick();
    void DeleteGifClick();
    void GifMouseDown(Tgif *gif, Qt::MouseButton button, const QPoint &screenPos);
    void GifMouseMove(Tgif *gif, const QPoint &screenPos);
    void GifMouseUp(Tgif *gif, Qt::MouseButton button);
    void SaveGifBounds(QWidget *control);
    void PlaceNodes(QWidget *control);
    void ShowNodes(bool visible);
    void NodeMouseDown(int node, const QPoint &screenPos);
    void NodeMouseMove(int node, const QPoint &screenPos);
    void NodeMouseUp(int node);

    // Elements of the page.
    FillPanel *LMDSimplePanel2 = nullptr;
    PictureButton *LMDhome = nullptr;
    FillPanel *LMDFill1 = nullptr;
    QLineEdit *LMDEdit1 = nullptr;
    PictureButton *LMDschemi = nullptr;
    TabStrip *TabSheet = nullptr;
    FillPanel *LMDFill5 = nullptr;
    AnimatedPicture *Image2 = nullptr;
    FillPanel *LMDFill2 = nullptr;
    FillPanel *LMDsfondoUnit1 = nullptr;
    FillPanel *LMDFill3 = nullptr;
    FillPanel *LMDFill4 = nullptr;
    QTimer *Timer1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    QMenu *PPgif = nullptr;

    // Editing state.
    QWidget *PressedBox = nullptr;
    bool BoxDragging = false;
    QPoint LastCursor;
    // The moving pictures; a deleted picture leaves its slot empty.
    QList<QPointer<Tgif>> Gifs;
    int SelectedGif = -1;
    // Resize handles Node0 to Node7 around ResizeTarget.
    QList<QWidget *> Nodes;
    QPointer<QWidget> ResizeTarget;
    bool GifDragging = false;
    bool NodeDragging = false;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Building the page (unit1.cpp).
    void buildTopBar();
    void buildBackground();
    void buildMenus();
    void connectHandlers();
    void CreateNodes();
    int scaledX(int designPixels) const;
    int scaledY(int designPixels) const;
    // The aligned elements follow the page's size: top bar, strip under it,
    // background filling the rest, logo at the right.
    void layoutPage();
    void layoutTopBar();

    // Sheets and the main window (unit1_sheets.cpp).
    QString currentSheetFile() const;
    int currentExercise() const;
    void loadTitleStrip(const QString &sheetFile);
    void layoutMainToolbar();
    void stopHomeMotion();

    // Activation (unit1_activation.cpp).
    void applyModeLook();

    // Skins and music (unit1_skin.cpp).
    void loadSkinElements(const IniFile &skin);
    void loadSkinPictures(const IniFile &skin);
    void writeMusicSwitch(const QString &value);
    void stopSound();

    // Moving pictures (unit1_gifs.cpp).
    Tgif *selectedGif() const;
    void applyGifMode(Tgif *gif);
    // A picture in slot index of Gifs; the slot's index is returned.
    int addGifSlot(Tgif *gif);
    // A picture of the skin whose file does not read, kept for the teacher.
    int addMissingGif(const QString &storedFile);
    // The section a new picture of slot index is stored in: the first from
    // its own name on that neither the file nor a picture holds.
    QString freePictureSection(const IniFile &skin, int index) const;
    bool skinHasSection(const QString &section) const;
    void writePathEnds(Tgif *gif);
    QString chooseGifFile(const QString &caption);

    AppContext &m_context;
    // The whistle switch of the current skin: "NO" silences the page.
    QString m_whistle;
    // The title strip's caption as its record gave it, before the pupil's
    // name went in front of it.
    QString m_titleCaption;
    bool m_titleCaptionKnown = false;
};

} // namespace solvaro
