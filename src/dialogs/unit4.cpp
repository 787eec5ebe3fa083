#include "dialogs/unit4.h"

#include "app/appcontext.h"
#include "ui/fillpanel.h"
#include "ui/memo.h"
#include "ui/picturebutton.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <limits>

namespace solvaro {

namespace {

const QStringList nineAlignments = {
    QStringLiteral("TopLeft"),
    QStringLiteral("TopCenter"),
    QStringLiteral("TopRight"),
    QStringLiteral("CenterLeft"),
    QStringLiteral("Center"),
    QStringLiteral("CenterRight"),
    QStringLiteral("BottomLeft"),
    QStringLiteral("BottomCenter"),
    QStringLiteral("BottomRight"),
};

QComboBox *comboBox(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(0);
    return box;
}

QSpinBox *spinBox(const QString &name, int minimum, int maximum, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setAccelerated(true);
    return box;
}

PictureButton *textButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    // Raised, so that they read as buttons among the settings.
    button->setAutoRaise(false);
    return button;
}

PictureButton *pictureButton(
    const QString &name, QStyle::StandardPixmap icon, const QString &tip, QWidget *parent)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(name);
    button->setPicture(parent->style()->standardIcon(icon).pixmap(32, 32));
    button->setToolTip(tip);
    return button;
}

// A titled box around controls. A group box shows its title on one line, so a
// title written in two lines for a narrow box is shown joined.
QGroupBox *groupBox(const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(QString(title).remove(QLatin1String("\r\n")), parent);
    box->setAccessibleName(title);
    return box;
}

QWidget *captionedField(const QString &caption, QWidget *field, QWidget *parent)
{
    auto *holder = new QWidget(parent);
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(caption, holder));
    layout->addWidget(field);
    return holder;
}

} // namespace

TForm4::TForm4(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Edit Box"));
    setModal(true);
    buildControls();
    connectHandlers();
}

void TForm4::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    // The preview on top: what the element will look like.
    LMDFill1 = new FillPanel(this);
    LMDFill1->setObjectName(QStringLiteral("LMDFill1"));
    LMDFill1->setFrameShape(QFrame::StyledPanel);
    LMDFill1->setMinimumSize(420, 110);
    layout->addWidget(LMDFill1, 2);

    Memo1 = new Memo(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMinimumHeight(80);
    layout->addWidget(Memo1, 1);

    auto *lookButtons = new QHBoxLayout;
    LMDButton3 = textButton(QStringLiteral("LMDButton3"), QStringLiteral("Text \r\nFont "), this);
    LMDButton4
        = textButton(QStringLiteral("LMDButton4"), QStringLiteral("BackGround \r\nColor"), this);
    LMDButton5
        = textButton(QStringLiteral("LMDButton5"), QStringLiteral("BackGround \r\nImage"), this);
    lookButtons->addWidget(LMDButton3);
    lookButtons->addWidget(LMDButton4);
    lookButtons->addWidget(LMDButton5);
    lookButtons->addStretch();
    layout->addLayout(lookButtons);

    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    auto *bar1 = new QHBoxLayout(ToolBar1);
    bar1->setContentsMargins(0, 0, 0, 0);
    QGroupBox *textAlignment = groupBox(QStringLiteral("Text Alignment"), ToolBar1);
    LMDComboBox1 = comboBox(QStringLiteral("LMDComboBox1"), nineAlignments, textAlignment);
    (new QVBoxLayout(textAlignment))->addWidget(LMDComboBox1);
    bar1->addWidget(textAlignment);

    QGroupBox *imageMode = groupBox(QStringLiteral("Fill Image Mode"), ToolBar1);
    LMDComboBox2 = comboBox(QStringLiteral("LMDComboBox2"),
        { QStringLiteral("None"), QStringLiteral("Center"), QStringLiteral("Stretch"),
            QStringLiteral("Tile") },
        imageMode);
    constexpr int unbounded = std::numeric_limits<int>::max();
    SpinEdit1 = spinBox(QStringLiteral("SpinEdit1"), -unbounded, unbounded, imageMode);
    SpinEdit2 = spinBox(QStringLiteral("SpinEdit2"), -unbounded, unbounded, imageMode);
    auto *modeLayout = new QHBoxLayout(imageMode);
    modeLayout->addWidget(LMDComboBox2, 1);
    modeLayout->addWidget(captionedField(QStringLiteral("OffSetX"), SpinEdit1, imageMode));
    modeLayout->addWidget(captionedField(QStringLiteral("OffSetY"), SpinEdit2, imageMode));
    bar1->addWidget(imageMode, 1);
    layout->addWidget(ToolBar1);

    ToolBar2 = new QWidget(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    auto *bar2 = new QHBoxLayout(ToolBar2);
    bar2->setContentsMargins(0, 0, 0, 0);
    auto *fillColumn = new QVBoxLayout;
    QGroupBox *fillStyle = groupBox(QStringLiteral("Fill Style"), ToolBar2);
    LMDComboBox3 = comboBox(QStringLiteral("LMDComboBox3"),
        { QStringLiteral("None"), QStringLiteral("BitMap"), QStringLiteral("Brush") }, fillStyle);
    (new QVBoxLayout(fillStyle))->addWidget(LMDComboBox3);
    fillColumn->addWidget(fillStyle);
    QGroupBox *imageAlignment = groupBox(QStringLiteral("Image Alignment"), ToolBar2);
    LMDComboBox4 = comboBox(QStringLiteral("LMDComboBox4"), nineAlignments, imageAlignment);
    (new QVBoxLayout(imageAlignment))->addWidget(LMDComboBox4);
    fillColumn->addWidget(imageAlignment);
    bar2->addLayout(fillColumn, 1);

    QGroupBox *position = groupBox(QStringLiteral("Component \r\nPosition"), ToolBar2);
    Sleft = spinBox(QStringLiteral("Sleft"), 5, 1280, position);
    Stop = spinBox(QStringLiteral("Stop"), 5, 1280, position);
    Swidth = spinBox(QStringLiteral("Swidth"), 5, 1920, position);
    Sheight = spinBox(QStringLiteral("Sheight"), 5, 1280, position);
    auto *positionLayout = new QFormLayout(position);
    positionLayout->addRow(QStringLiteral("Left"), Sleft);
    positionLayout->addRow(QStringLiteral("Top"), Stop);
    positionLayout->addRow(QStringLiteral("Width"), Swidth);
    positionLayout->addRow(QStringLiteral("Height"), Sheight);
    bar2->addWidget(position, 1);
    layout->addWidget(ToolBar2);

    auto *closeButtons = new QHBoxLayout;
    LMDButton1 = pictureButton(
        QStringLiteral("LMDButton1"), QStyle::SP_DialogOkButton, QStringLiteral("OK"), this);
    LMDButton2 = pictureButton(QStringLiteral("LMDButton2"), QStyle::SP_DialogCancelButton,
        QStringLiteral("Cancel"), this);
    closeButtons->addStretch();
    closeButtons->addWidget(LMDButton1);
    closeButtons->addWidget(LMDButton2);
    layout->addLayout(closeButtons);
}

void TForm4::connectHandlers()
{
    m_context.handlers().connect(
        LMDButton1, &QAbstractButton::clicked, this, &TForm4::LMDButton1Click);
    m_context.handlers().connect(
        LMDButton2, &QAbstractButton::clicked, this, &TForm4::LMDButton2Click);
    m_context.handlers().connect(
        LMDButton3, &QAbstractButton::clicked, this, &TForm4::LMDButton3Click);
    m_context.handlers().connect(
        LMDButton4, &QAbstractButton::clicked, this, &TForm4::LMDButton4Click);
    m_context.handlers().connect(
        LMDButton5, &QAbstractButton::clicked, this, &TForm4::LMDButton5Click);
    m_context.handlers().connect(
        LMDComboBox1, &QComboBox::currentIndexChanged, this, &TForm4::LMDComboBox1Change);
    m_context.handlers().connect(
        LMDComboBox2, &QComboBox::currentIndexChanged, this, &TForm4::LMDComboBox2Change);
    m_context.handlers().connect(
        LMDComboBox3, &QComboBox::currentIndexChanged, this, &TForm4::LMDComboBox3Change);
    m_context.handlers().connect(
        LMDComboBox4, &QComboBox::currentIndexChanged, this, &TForm4::LMDComboBox4Change);
    m_context.handlers().connect(SpinEdit1, &QSpinBox::textChanged, this, &TForm4::SpinEdit1Change);
    m_context.handlers().connect(SpinEdit2, &QSpinBox::textChanged, this, &TForm4::SpinEdit2Change);
    m_context.handlers().connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm4::Memo1Change);
}

bool TForm4::editElement(QWidget *element, const QString &picturePath, const RecordAddress &record)
{
    prepare(element, picturePath, record);
    return exec() == QDialog::Accepted;
}

void TForm4::prepare(QWidget *element, const QString &picturePath, const RecordAddress &record)
{
    m_element = element;
    m_picturePath = resolvedPicture(picturePath);
    m_record = record;
    FormActivate();
}

} // namespace solvaro
