#pragma once

#include "base/pagecommand.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

class QCloseEvent;
class QKeyEvent;
class QPushButton;

namespace solvaro {

struct AppContext;
class AnimatedPicture;
class ClassOverviewWindow;
class ExerciseCatalogue;
class FillPanel;
class PageHost;
class PictureButton;
class TabStrip;

// The main window: the toolbar strip with the exercise tabs, and the page host
// that shows the home page, the exercise player or the closing screen, with the
// start panel underneath while no page is on show. The toolbar buttons do not
// act themselves: they send page commands to the page on show.
class TForm0 final : public QWidget
{
    Q_OBJECT

public:
    // The page host's pages, in the order FormActivate adds them.
    enum Page { HomePage = 0, PlayerPage = 1, ClosingPage = 2 };
    using enum PageCommand;
    // The text the teacher's editing mode asks for.
    static const QString AccessCode;

    explicit TForm0(AppContext &context, QWidget *parent = nullptr);
    ~TForm0() override;

    // Toolbar strip.
    FillPanel *LMDSimplePanel3 = nullptr;
    QWidget *LMDbarra = nullptr;
    PictureButton *LMDhome = nullptr;
    PictureButton *LMDconfigure = nullptr;
    PictureButton *LMDcopy = nullptr;
    PictureButton *LMDdelete = nullptr;
    // The class overview, beside the teacher's other buttons.
    PictureButton *LMDclasse = nullptr;
    PictureButton *LMDcarica = nullptr;
    PictureButton *LMDsalva = nullptr;
    PictureButton *LMDstampa = nullptr;
    PictureButton *LMDhelp = nullptr;
    PictureButton *LMDspeaker = nullptr;
    PictureButton *LMDsoluzione = nullptr;
    PictureButton *LMDripristina = nullptr;
    TabStrip *TabEserc = nullptr;
    FillPanel *LMDFill15 = nullptr;
    FillPanel *LMD_LABEL = nullptr;
    AnimatedPicture *Image2 = nullptr;

    // Page host and start panel.
    PageHost *FD = nullptr;
    FillPanel *LMDPanelFill1 = nullptr;
    AnimatedPicture *Image3 = nullptr; // pupil
    AnimatedPicture *Image1 = nullptr; // teacher
    AnimatedPicture *Image7 = nullptr; // help document
    AnimatedPicture *Image5 = nullptr; // under construction
    AnimatedPicture *Image6 = nullptr; // about box
    QPushButton *LMDMMButton1 = nullptr;

    // The toolbar elements in their fixed order, from LMDhome to TabEserc;
    // the home page lays the toolbar out along it.
    QList<QWidget *> toolbarSequence;
    // Exercises solved in this run; the player raises it.
    int solvedExercises = 0;
    // The design space stored positions refer to.
    int DesignWidth = 0;
    int DesignHeight = 0;

    // Start-up steps, once the window is first active (later activations
    // change nothing).
    void FormActivate();
    // Re-centres the start panel in the page host.
    void FormResize();
    // Lets the main window lay itself out after the toolbar strip was shown
    // or hidden, then re-centres the start panel.
    void relayout();
    // F1 about box, F2 system information; for the pupil at the keyboard F3
    // the help of the step and F4 the solution.
    void FormKeyDown(int key);
    void FDChange(int index);

    // The start panel's pictures.
    void ImageMouseMove(QWidget *picture);
    void ImageMouseLeave();
    void ImageMouseDown(QWidget *picture, Qt::MouseButton button);
    void ImageMouseUp(QWidget *picture, Qt::MouseButton button);
    void LMDMMButton1Click();
    // The picture raised by the hover effect, or null.
    QWidget *raisedPicture() const { return m_raisedPicture; }

    // Toolbar buttons.
    void LMDhomeClick();
    void LMDcaricaClick();
    void LMDsalvaClick();
    void LMDstampaClick();
    void LMDhelpClick();
    void LMDsoluzioneClick();
    void LMDripristinaClick();
    void LMDspeakerClick();
    void LMDconfigureClick();
    void LMDcopyClick();
    void LMDdeleteClick();
    // Opens the class overview (teacher's editing mode), reading the class anew.
    void LMDclasseClick();
    // The class overview once it was opened, else null.
    ClassOverviewWindow *classOverview() const { return m_classOverview; }
    void TabEsercChanging(int leavingIndex);
    void TabEsercChange(int index);

    // Loads into animator the picture that key of "COMMONAREA" in file (relative
    // to the executable folder) names, when that file exists.
    void LOAD_GIF(const QString &file, AnimatedPicture *animator, const QString &key);

    // Dragging pictures, labels and text strips in the teacher's editing mode.
    // Other forms give their elements these handlers with attachDragHandlers.
    void attachDragHandlers(QWidget *element);
    void GIFtopMouseDown(QWidget *element, Qt::MouseButton button, const QPoint &screenPos);
    void GIFtopMouseMove(QWidget *element, const QPoint &screenPos);
    void GIFtopMouseUp(QWidget *element, Qt::MouseButton button);
    bool isDragging() const { return m_dragging; }
    // The header strip and the caption strip of the tab area open the
    // "Edit Box" in the teacher's editing mode.
    void LMD_TESTOMouseUp();
    void LMDFill15MouseUp();
    void LMDFill15MouseMove();

    // Closing the main window: from the player back to the home page, from
    // the home page back to the start panel, else the end. True when the
    // window may close.
    bool FormClose();

protected:
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildToolbar();
    void buildStartPanel();
    void connectHandlers();
    void layoutToolbarInDesignOrder();
    void loadToolbarPictures();
    // The logo at the right end of the strip, or where the teacher dragged it.
    void placeLogo();

    // The pages exist: the program makes them right after the start panel's
    // first paint.
    bool pagesReady() const;
    bool editMode() const;
    // Sends a page command to the page on show when its index is 1 or more.
    void sendCommandToPageOnShow(PageCommand command);
    void sendCommand(QWidget *page, PageCommand command);
    bool playerReportsClosed() const;
    void backToHomePage();
    void showClosingScreen();
    void enterTeacherMode();
    void openHelpDocument();
    void showAboutBox();
    void stepHelpKey();
    // Enter or Space on a start picture; true when the key was its click.
    bool startPictureKey(QWidget *picture, QKeyEvent *event);
    void showSystemInformation();
    void openMediaSettings();
    QString currentSheetFile() const;
    std::optional<ExerciseCatalogue> currentCatalogue() const;
    void storePosition(QWidget *element);
    // Where storePosition put a picture of the main window, if anywhere.
    std::optional<QPoint> storedPosition(const QWidget *element) const;

    AppContext &m_context;
    bool m_activated = false;
    bool m_toolbarPicturesLoaded = false;
    QString m_accessText;
    QWidget *m_raisedPicture = nullptr;
    bool m_dragging = false;
    QPoint m_lastCursor;
    std::optional<QPoint> m_logoPlace;
    ClassOverviewWindow *m_classOverview = nullptr;
};

} // namespace solvaro
