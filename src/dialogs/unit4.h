#pragma once

#include "storage/look.h"
#include "storage/recordaddress.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QGroupBox;
class QSpinBox;

namespace solvaro {

struct AppContext;
class FillPanel;
class Memo;
class PictureButton;

// The "Edit Box" dialog, in which the teacher restyles one element (a text
// strip, a panel, a text label or a question group): text, font, alignment,
// background colour or picture, fill mode and position, with a live preview.
// Confirming applies the look to the element and writes its record at once.
class TForm4 final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(AppContext &context, QWidget *parent = nullptr);

    // Opens the dialog modally on an element and its record (whose file is
    // named by its path, relative to the executable folder); picturePath is
    // the executable folder plus the element's stored ".FillObject.Image".
    // True when the teacher confirmed.
    bool editElement(QWidget *element, const QString &picturePath, const RecordAddress &record);

    // Hands the dialog its element and record and sets it up (FormActivate),
    // without showing it.
    void prepare(QWidget *element, const QString &picturePath, const RecordAddress &record);

    // Handlers.
    void FormActivate();
    void LMDButton1Click();
    void LMDButton2Click();
    void LMDButton3Click();
    void LMDButton4Click();
    void LMDButton5Click();
    void LMDComboBox1Change();
    void LMDComboBox2Change();
    void LMDComboBox3Change();
    void LMDComboBox4Change();
    void SpinEdit1Change();
    void SpinEdit2Change();
    void Memo1Change();

    // What the dialog works on.
    QWidget *element() const { return m_element; }
    LookKind elementKind() const { return m_kind; }
    // Full path of the fill picture to store; empty or missing for none.
    QString picturePath() const { return m_picturePath; }
    // Labels: whether the background stays unpainted.
    bool transparent() const { return m_transparent; }

    // Controls, by their names.
    FillPanel *LMDFill1;
    Memo *Memo1;
    PictureButton *LMDButton1;
    PictureButton *LMDButton2;
    PictureButton *LMDButton3;
    PictureButton *LMDButton4;
    PictureButton *LMDButton5;
    QComboBox *LMDComboBox1;
    QComboBox *LMDComboBox2;
    QComboBox *LMDComboBox3;
    QComboBox *LMDComboBox4;
    QSpinBox *SpinEdit1;
    QSpinBox *SpinEdit2;
    QSpinBox *Sleft;
    QSpinBox *Stop;
    QSpinBox *Swidth;
    QSpinBox *Sheight;
    // The two lower tool bars: caption and fill settings, then the fill
    // picture's placement and the element's position.
    QWidget *ToolBar1;
    QWidget *ToolBar2;

private:
    void buildControls();
    void connectHandlers();
    void takeOverElement();
    void takeOverQuestionGroup();
    void takeOverLabel();
    void takeOverFill();
    void showGeometry(const QRect &geometry);
    void fitGeometryRanges();
    void showPreviewPicture();
    void applyOffsets();
    QString resolvedPicture(const QString &path) const;
    QString pictureForPick(const QString &picked) const;

    void confirmQuestionGroup();
    void confirmLabel();
    void confirmFill();

    AppContext &m_context;
    QWidget *m_element = nullptr;
    LookKind m_kind = LookKind::TextStrip;
    QString m_picturePath;
    RecordAddress m_record;
    bool m_transparent = false;
};

} // namespace solvaro
