#pragma once

#include "base/pagecommand.h"
#include "media/documentsfolder.h"
#include "player/playerlogic.h"
#include "player/playerview.h"
#include "storage/look.h"
#include "storage/recordaddress.h"

#include <QFont>
#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>

class QMenu;
class QTimer;

namespace solvaro {

struct AppContext;
struct ExerciseProgress;
struct ReportInput;
class AnimatedPicture;
class FillPanel;
class HintWindow;
class IniFile;
class RadioGroup;
class ReportPreview;
class ResizeHandles;
class ScrollBox;
class SpeakerButton;
class SpeedButton;
class TextLabel;
class pLMDedit;

// The exercise player, page 1 of the main window: one exercise of the sheet
// chosen on the home page, solved step by step in the question panel, with
// sounds, animations, smileys and a cockade greeting the answers. In the
// teacher's editing mode it shows every step at once and its elements open
// their editors. The logic lives in PlayerLogic; this form dresses the screen
// for it (PlayerView), forwards the pupil's actions and ticks its 100 ms timer.
//
// The main window drives the page with page commands: a code written into the
// page's tag, then a request to close it (see FormClose).
class TFormP3 final : public QWidget, public PlayerView
{
    Q_OBJECT

public:
    using enum PageCommand;

    explicit TFormP3(AppContext &context, QWidget *parent = nullptr);
    ~TFormP3() override;

    // Components.
    ScrollBox *SB = nullptr;
    FillPanel *LMDmessg = nullptr;
    TextLabel *sheetLabel = nullptr;
    TextLabel *exerciseLabel = nullptr;
    TextLabel *errorsLabel = nullptr;
    FillPanel *LMDtestp = nullptr;
    FillPanel *LMDtesto = nullptr;
    AnimatedPicture *GifTop = nullptr;
    AnimatedPicture *LMDimage = nullptr;
    FillPanel *LMDFill0 = nullptr;
    FillPanel *E1sp = nullptr;
    FillPanel *LMDSimplePanel2 = nullptr;
    SpeedButton *H1 = nullptr;
    SpeedButton *B1 = nullptr;
    ScrollBox *E1sb = nullptr;
    RadioGroup *E1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    HintWindow *msg = nullptr;
    QTimer *Timer1 = nullptr;
    // The resize handles "Node0" to "Node7" around the exercise picture.
    ResizeHandles *Nodes = nullptr;
    // Read the problem text and the hint on show aloud; shown in pupil mode
    // when a voice can read.
    SpeakerButton *problemSpeaker = nullptr;
    SpeakerButton *hintSpeaker = nullptr;

    // State.
    QString exerciseFileName;
    QString exerciseSection;
    // The exercise tab being left, which the main window sets just before the
    // tab changes.
    int EsercizioAttuale = 0;
    // True after a real close, false when a page command kept the page open;
    // the main window reads it after each command.
    bool isClosed = false;
    QString imagePath;
    // "HELP_GEN" of the exercise, with real line breaks.
    QString generalHelp;

    // What the sheet built on the work area; slots of freed elements are null.
    QVector<QPointer<AnimatedPicture>> smileyImages;
    QVector<QPointer<TextLabel>> answerLabels;
    QVector<QPointer<FillPanel>> sectionBands;
    QVector<QPointer<FillPanel>> formulaPanels;
    // formulaInputs[k][i] is the field at position i + 1 of formula k.
    QVector<QVector<QPointer<pLMDedit>>> formulaInputs;
    QPointer<AnimatedPicture> bottomAnimator;
    QPointer<AnimatedPicture> cockadeImage;

    // The page is shown: the exercise tabs of the sheet, then the sheet.
    void FormActivate();
    void PREPARE_EXERCISE();
    // Loads the exercise of the selected exercise tab onto the screen.
    void INIZIO();
    void CLEAR_ALL_OBJ();
    // The top animation's place and the teacher's preview.
    void GIFinit();
    // After the teacher changed the media settings: the preview and the top
    // animation's place are read again.
    void reloadAnimations();
    // The page command in the tag; true when the page may really close.
    bool FormClose();

    // The 100 ms sequencer. Tests call it instead of waiting on the timer.
    void Timer1Timer();
    // The answer button: judges the current step. A formula the evaluator
    // cannot read throws; nothing is counted then.
    void B1Click();
    void H1Click();
    // An operator field was clicked: the operator menu opens at the cursor.
    void OperandoClick(pLMDedit *field);
    // Operator menu item 0 to 3.
    void N1Click(int item);
    // A number field was clicked: the teacher's Expression Box.
    void dato1Click(pLMDedit *field);
    // An answer label was clicked (teacher): the Edit Box on its question group.
    void LabelClick(int step);
    // Keeps the message bar and the problem band at the top of the view.
    void SBScroll();
    void readProblemAloud();
    void readHintAloud();
    // The voice came or went: the speaker buttons follow.
    void readAloudChanged();
    // The keyboard focus goes to the current step: its chosen (or first)
    // option, or the first field of its formula row.
    void focusCurrentStep();
    // Mouse-up on the message bar, problem band, work area or a section band.
    void ElementMouseUp(QWidget *element, Qt::MouseButton button);
    // Dragging the problem text and the top animation (teacher).
    void GifTopMouseDown(QWidget *element, Qt::MouseButton button, const QPoint &screenPos);
    void GifTopMouseMove(QWidget *element, const QPoint &screenPos);
    void GifTopMouseUp(QWidget *element, Qt::MouseButton button);
    // Dragging the exercise picture (teacher).
    void ImageMouseDown(Qt::MouseButton button, const QPoint &screenPos);
    void ImageMouseMove(const QPoint &screenPos);
    void ImageMouseUp(Qt::MouseButton button);
    // The resize handles (teacher): shown around a control, hidden or shown
    // all together, and dragged; the control's geometry is stored when the
    // drag ends.
    void PlaceNodes(QWidget *control);
    void ShowNodes(bool visible);
    void NodeMouseDown(int node, const QPoint &screenPos);
    void NodeMouseMove(int node, const QPoint &screenPos);
    void NodeMouseUp(int node);

    // Progress files (page commands 3, 2 and 9): the save and open dialogs
    // start in the documents folder; the pupil's own file resumes the exercise
    // of the selected tab. Pupil mode only.
    void LMDsalvaClick();
    void LMDcaricaClick();
    void restoreFromPupilFile();
    // Offers to resume the selected exercise from the file; true when the
    // pupil said Yes (the sheet was then rebuilt).
    bool LOADTEMP(const QString &file);
    // The same offer when the pupil comes to an exercise (the first of a sheet
    // or another tab) that the pupil's own file holds work on, over the
    // exercise as just loaded.
    void offerSavedWork();
    // The exercise on screen as a progress file keeps it.
    ExerciseProgress progressOnScreen() const;
    // Where the file dialogs open.
    DocumentsFolderLookup documentsFolder = systemDocumentsFolder;

    // The printed result report of the exercise on screen (page command 4),
    // shown in the report preview: the print preview window unless another
    // was set.
    void STAMPA();
    ReportInput reportInput() const;
    void setReportPreview(std::unique_ptr<ReportPreview> preview);

    // What the page commands of progress and printing do; each runs only when
    // the player has checked that it may (not busy, right mode). By default
    // the operations above.
    std::function<void()> loadProgressCommand;
    std::function<void()> saveProgressCommand;
    std::function<void()> printCommand;
    std::function<void()> restoreCommand;
    // The editors the teacher's clicks open; by default the home page's
    // element editing operation and the "Edit Box" on a question group. Both
    // return whether the teacher confirmed.
    std::function<bool(QWidget *element)> editElement;
    std::function<bool(QWidget *group, const RecordAddress &record)> editQuestionGroup;

    // Off: the timer never runs by itself and Timer1Timer is called by hand.
    void setTimerRunning(bool on);

    PlayerLogic &logic() { return m_logic; }
    const PlayerLogic &logic() const { return m_logic; }
    bool isBusy() const { return m_logic.isBusy(); }
    bool editMode() const;
    int currentSheet() const;
    // The selected exercise tab (0 without one).
    int currentExercise() const;
    // The pupil's progress file, resolved.
    QString pupilProgressPath() const;

    // PlayerView.
    void showErrors(const QString &text) override;
    void showHint(const QString &text) override;
    void hideHint() override;
    void loadQuestionGroup(const QStringList &options, const LookFont &font) override;
    void showQuestionPanel(int top) override;
    void showButtonBar(int top) override;
    void moveQuestionPanel(int top) override;
    void hideQuestionPanel() override;
    void showFormulaRows() override;
    void showSmiley(int step, const QString &file, int top) override;
    void showAnswerLabel(int step, const QString &text, const LookFont &font) override;
    void clearExercisePictures() override;
    SoundStart playSound(globalSettings::EventSound event) override;
    void stopSound() override;
    void showTopAnimation(const QString &key) override;
    void showTopAnimationFile(const QString &path) override;
    void hideTopAnimation() override;
    void showBottomAnimation(const QString &key) override;
    void moveBottomAnimation(int left) override;
    void removeBottomAnimation() override;
    bool showCockade(const QString &file) override;
    void moveCockade(int top) override;
    void scrollTo(int y) override;
    void raiseSolvedCounter() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the page (unitp3.cpp).
    void FormCreate();
    void buildProblemArea();
    void buildQuestionPanel();
    void connectHandlers();
    void listenToMouse(QWidget *element);

    // The sheet and the exercise (unitp3_sheet.cpp).
    void startTimerIfRunning();
    QStringList recordLines(const QString &prefix) const;
    void applyExerciseRecord(QWidget *element, const QString &prefix);
    void rememberShownRecords();
    void applyRecords();
    void placeBars();
    void dressForMode();
    void buildSectionBands();
    void writeMessageLabels();
    void loadExercisePicture();
    void CARICA_PROBLEMA();
    QuestionGroup readQuestionGroup(int step);

    // Names for screen readers, the keyboard road, reading aloud
    // (unitp3_access.cpp).
    void buildReadAloud();
    SpeakerButton *newSpeaker(QWidget *parent, const QString &name, const QString &description);
    void describeControls();
    void describeExercise();
    void describeField(pLMDedit *field, const QString &label);
    void describeSmiley(AnimatedPicture *smiley, int step);
    void describeCockade();
    bool canReadAloud() const;
    void placeProblemSpeaker();
    void placeHintSpeaker();
    void nextFieldFrom(pLMDedit *field);
    void scrollToFocus(QWidget *focused);
    void typeOperator(pLMDedit *field, QChar op);

    // Formula panels (unitp3_formulas.cpp).
    void CreaAllINPUT();
    void freeFormulaPanels();
    void fieldEdited(pLMDedit *field);
    void confirmFromField();

    // Progress files (unitp3_progress.cpp). fresh gives the exercise freshly
    // loaded that a resume reads the saved values over.
    bool resumeFrom(const QString &file, const std::function<ExerciseProgress()> &fresh);

    // Page commands (unitp3_commands.cpp).
    void exerciseTabChanged();
    void showSolution();
    void showGeneralHelp();
    void saveLeftExercise();
    void returnHome();

    // Feedback pictures (unitp3_feedback.cpp).
    QStringList previewGifPaths(const IniFile &exerciseFile) const;
    AnimatedPicture *newWorkAreaPicture();
    bool onShow() const;

    // Teacher's editing (unitp3_editing.cpp, unitp3_handles.cpp).
    void CreateNodes();
    void storeDraggedPosition(QWidget *element);
    void storePictureGeometry();
    void setEditingCursors();

    AppContext &m_context;
    PlayerLogic m_logic;
    std::unique_ptr<ReportPreview> m_reportPreview;
    bool m_timerRunning = true;
    QFont m_questionFont;
    // The exercise file read once for the loading of one exercise.
    const IniFile *m_openExerciseFile = nullptr;
    // Whether the sheet's widgets exist (between PREPARE_EXERCISE and a real close).
    bool m_prepared = false;
    // Whether the sheet-wide looks ("COMMONAREA") are on the elements.
    bool m_sheetLooksApplied = false;
    // The lines of the exercise's section while it loads.
    QStringList m_exerciseLines;
    // The elements whose looks each exercise keeps in its own section, by
    // record prefix: the look each was designed with, which an exercise
    // without a record of its own shows, and what each showed once its
    // exercise was on screen. An element that still shows the same record with
    // the same look needs it no second time; one the teacher has changed since
    // (in the Edit Box, by dragging) gets its exercise's record again.
    struct ShownRecord {
        QStringList lines;
        Look look;
    };
    QHash<QString, Look> m_designedLooks;
    QHash<QString, ShownRecord> m_shownRecords;

    // Teacher's dragging.
    bool m_textDragging = false;
    bool m_pictureDragging = false;
    bool m_handleResizing = false;
    QPoint m_lastCursor;
    QPointer<QWidget> m_handleTarget;
};

} // namespace solvaro
