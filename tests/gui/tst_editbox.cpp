#include "app/unit0.h"
#include "base/error.h"
#include "dialogs/unit4.h"
#include "storage/inifile.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/memo.h"
#include "ui/picturebutton.h"
#include "ui/radiogroup.h"
#include "ui/textlabel.h"

#include "tst_programfixture.h"

#include <QComboBox>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

const QString Sheet = u"SOL_INI\\Tipo0.INI"_s;
const QString MainCaption = u"Problemi di Matematica"_s;

// The eight forms on a throw-away installation of a 1680 x 1050 screen, with
// the main window's caption that the Edit Box takes over.
struct EmptyInstallation {
    TestInstallation installation;
};

class Program final : public EmptyInstallation, public AssembledProgram
{
public:
    Program()
        : AssembledProgram(installation)
    {
        forms().Form0->setWindowTitle(MainCaption);
    }

    TForm4 *editBox() const { return forms().Form4; }
    QStringList recordLines(const QString &section) const
    {
        return IniFile(installation.path(u"SOL_INI/Tipo0.INI"_s)).sectionLines(section);
    }
};

Look stripLook()
{
    Look look;
    look.text = u"Sezione\r\nuno"_s;
    look.alignment = LookAlignment::agCenter;
    look.font = LookFont { u"Verdana"_s, 0, 255, 10, fsBold };
    look.geometry = QRect(10, 20, 300, 40);
    look.fill = LookFill { LookAlignment::agTopLeft, 0x00FF00, 0, 0, LookTileMode::tmNone,
        LookFillStyle::sfBrush, QString() };
    return look;
}

std::unique_ptr<FillPanel> makeFill(LookKind kind, const QString &name, QWidget *parent = nullptr)
{
    auto panel = std::make_unique<FillPanel>(parent);
    panel->setObjectName(name);
    setLookKind(panel.get(), kind);
    Look look = stripLook();
    look.kind = kind;
    applyLook(panel.get(), look);
    return panel;
}

std::unique_ptr<TextLabel> makeLabel(LookTextAlignment alignment, bool transparent)
{
    auto label = std::make_unique<TextLabel>();
    label->setObjectName(u"Titolo"_s);
    Look look;
    look.kind = LookKind::Label;
    look.text = u"Il titolo"_s;
    look.textAlignment = alignment;
    look.font = LookFont { u"Verdana"_s, 0, 255, 10, 0 };
    look.geometry = QRect(10, 20, 300, 40);
    look.color = 0xFFFF00;
    look.transparent = transparent;
    applyLook(label.get(), look);
    return label;
}

std::unique_ptr<RadioGroup> makeQuestionGroup(const QString &name)
{
    auto group = std::make_unique<RadioGroup>();
    group->setObjectName(name);
    Look look;
    look.kind = LookKind::QuestionGroup;
    look.answerLines = QStringList { u"uno"_s, u"due"_s };
    look.font = LookFont { u"Verdana"_s, 0, 255, 10, 0 };
    look.geometry = QRect(10, 20, 300, 40);
    applyLook(group.get(), look);
    return group;
}

QImage filled(const QColor &color)
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QStringList keysOf(const QStringList &lines)
{
    QStringList keys;
    for (const QString &line : lines)
        keys << line.section(QLatin1Char('='), 0, 0);
    return keys;
}

} // namespace

class TestEditBox : public QObject
{
    Q_OBJECT

private slots:
    void captionByKind_data();
    void captionByKind();
    void controlsShownByKind_data();
    void controlsShownByKind();
    void fillRecordInWriteOrder_data();
    void fillRecordInWriteOrder();
    void textStripGoesBehindSiblings();
    void questionGroupRecord();
    void labelAlignment_data();
    void labelAlignment();
    void labelRestoredAfterEditing();
    void fillStyleListSetsTransparency();
    void colourAfterPictureClearsPath();
    void jpegPickStoredAsBitmap();
    void unreadableJpegChangesNothing();
    void existingBitmapKept();
    void newBitmapCopied();
    void offsetsIgnoreNonNumbers();
    void cancelledDialogsChangeNothing();
    void cancelWritesNothing();
    void largeElementKeepsGeometry();
};

void TestEditBox::captionByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("caption");
    QTest::newRow("question group E2")
        << int(LookKind::QuestionGroup) << u"E2"_s << u"Question Group n.2"_s;
    QTest::newRow("question group E12") << int(LookKind::QuestionGroup) << u"E12"_s << MainCaption;
    QTest::newRow("section strip") << int(LookKind::TextStrip) << u"SEZIONE3"_s << u"Section n.3"_s;
    QTest::newRow("other strip") << int(LookKind::TextStrip) << u"LMDtesto"_s << MainCaption;
    QTest::newRow("panel") << int(LookKind::Panel) << u"SEZIONE3"_s << MainCaption;
    QTest::newRow("label") << int(LookKind::Label) << u"Titolo"_s << MainCaption;
}

void TestEditBox::captionByKind()
{
    QFETCH(int, kind);
    QFETCH(QString, prefix);
    QFETCH(QString, caption);
    Program program;
    std::unique_ptr<QWidget> element;
    switch (static_cast<LookKind>(kind)) {
    case LookKind::QuestionGroup:
        element = makeQuestionGroup(prefix);
        break;
    case LookKind::Label:
        element = makeLabel(LookTextAlignment::taLeftJustify, false);
        break;
    default:
        element = makeFill(static_cast<LookKind>(kind), prefix);
    }
    TForm4 *box = program.editBox();
    QCOMPARE(box->windowTitle(), u"Edit Box"_s);
    box->prepare(element.get(), QString(), elementRecord(Sheet, u"0"_s, prefix));
    QCOMPARE(box->windowTitle(), caption);
}

void TestEditBox::controlsShownByKind_data()
{
    QTest::addColumn<int>("kind");
    // LMDFill1, LMDButton4, LMDButton5, ToolBar1, ToolBar2.
    QTest::addColumn<QList<bool>>("shown");
    QTest::newRow("question group")
        << int(LookKind::QuestionGroup) << QList<bool> { false, false, false, false, false };
    QTest::newRow("label") << int(LookKind::Label) << QList<bool> { true, true, false, true, true };
    QTest::newRow("text strip") << int(LookKind::TextStrip)
                                << QList<bool> { true, true, true, true, true };
    QTest::newRow("panel") << int(LookKind::Panel) << QList<bool> { true, true, true, true, true };
}

void TestEditBox::controlsShownByKind()
{
    QFETCH(int, kind);
    QFETCH(QList<bool>, shown);
    Program program;
    TForm4 *box = program.editBox();
    // A question group first, so that what it hid must come back.
    auto group = makeQuestionGroup(u"E1"_s);
    box->prepare(group.get(), QString(), solvaro::questionGroupRecord(Sheet, u"0"_s, 1));

    std::unique_ptr<QWidget> element;
    if (kind == int(LookKind::QuestionGroup))
        element = makeQuestionGroup(u"E2"_s);
    else if (kind == int(LookKind::Label))
        element = makeLabel(LookTextAlignment::taLeftJustify, false);
    else
        element = makeFill(static_cast<LookKind>(kind), u"LMDFill3"_s);
    box->prepare(element.get(), QString(), elementRecord(Sheet, u"0"_s, element->objectName()));

    const QList<QWidget *> controls { box->LMDFill1, box->LMDButton4, box->LMDButton5,
        box->ToolBar1, box->ToolBar2 };
    for (qsizetype i = 0; i < controls.size(); ++i)
        QVERIFY2(
            controls.at(i)->isHidden() != shown.at(i), qPrintable(controls.at(i)->objectName()));
    QVERIFY(!box->Memo1->isHidden());
    QVERIFY(!box->LMDButton3->isHidden());
    QVERIFY(box->findChild<QWidget *>(u"LMDFill1"_s) == box->LMDFill1);
}

void TestEditBox::fillRecordInWriteOrder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("lines");
    const QStringList fill {
        u"SEZIONE3.FillObject.Alignment=2"_s,
        u"SEZIONE3.FillObject.Brush.Color=65280"_s,
        u"SEZIONE3.FillObject.OffsetX=3"_s,
        u"SEZIONE3.FillObject.OffsetY=-4"_s,
        u"SEZIONE3.FillObject.TileMode=3"_s,
        u"SEZIONE3.FillObject.Style=2"_s,
        u"SEZIONE3.FillObject.Image=SOL_IMG\\"_s,
    };
    const QStringList geometry { u"SEZIONE3.Top=40"_s, u"SEZIONE3.Left=30"_s,
        u"SEZIONE3.Width=600"_s, u"SEZIONE3.Height=80"_s };
    QTest::newRow("text strip") << int(LookKind::TextStrip)
                                << QStringList { u"SEZIONE3.Name=####"_s,
                                       u"SEZIONE3.Caption=Sezione|tre"_s, u"SEZIONE3.Alignment=8"_s,
                                       u"SEZIONE3.Font.Name=Verdana"_s,
                                       u"SEZIONE3.Font.CharSet=0"_s, u"SEZIONE3.Font.Color=255"_s,
                                       u"SEZIONE3.Font.Size=20"_s, u"SEZIONE3.Font.Style=1"_s }
            + geometry + fill;
    QTest::newRow("panel") << int(LookKind::Panel)
                           << QStringList { u"SEZIONE3.Name=####"_s,
                                  u"SEZIONE3.Caption=Sezione|tre"_s, u"SEZIONE3.Alignment=8"_s,
                                  u"SEZIONE3.Font.CharSet=0"_s, u"SEZIONE3.Font.Color=255"_s,
                                  u"SEZIONE3.Font.Size=20"_s, u"SEZIONE3.Font.Style=1"_s,
                                  u"SEZIONE3.Font.Name=Verdana"_s }
            + geometry + fill;
}

void TestEditBox::fillRecordInWriteOrder()
{
    QFETCH(int, kind);
    QFETCH(QStringList, lines);
    Program program;
    auto strip = makeFill(static_cast<LookKind>(kind), u"SEZIONE3"_s);
    TForm4 *box = program.editBox();
    box->prepare(strip.get(), QString(), elementRecord(Sheet, u"2"_s, u"SEZIONE3"_s));
    QCOMPARE(box->LMDComboBox1->currentIndex(), int(LookAlignment::agCenter));
    QCOMPARE(box->Memo1->text(), u"Sezione\r\nuno"_s);
    QCOMPARE(box->Sleft->value(), 10);

    box->LMDComboBox1->setCurrentIndex(8);
    box->LMDComboBox2->setCurrentIndex(3);
    box->LMDComboBox4->setCurrentIndex(2);
    box->SpinEdit1->setValue(3);
    box->SpinEdit2->setValue(-4);
    box->Memo1->setPlainText(u"Sezione\ntre"_s);
    box->Sleft->setValue(15);
    // Every change shows at once.
    QCOMPARE(box->LMDFill1->caption(), u"Sezione\r\ntre"_s);
    QCOMPARE(box->LMDFill1->captionAlignment(), NineAlignment::BottomRight);
    QCOMPARE(box->LMDFill1->tileMode(), TileMode::Tile);
    QCOMPARE(box->LMDFill1->fillAlignment(), NineAlignment::TopRight);
    QCOMPARE(box->LMDFill1->fillOffset(), QPoint(3, -4));

    QVERIFY(!QFileInfo::exists(program.installation.path(u"SOL_INI/Tipo0.INI"_s)));
    box->LMDButton1Click();
    QCOMPARE(box->result(), int(QDialog::Accepted));
    QCOMPARE(program.recordLines(u"2"_s), lines);
    QCOMPARE(strip->caption(), u"Sezione\r\ntre"_s);
    QCOMPARE(strip->geometry(), QRect(15, 20, 300, 40));
    QCOMPARE(strip->tileMode(), TileMode::Tile);
}

void TestEditBox::textStripGoesBehindSiblings()
{
    Program program;
    QWidget page;
    auto sibling = std::make_unique<QWidget>(&page);
    auto strip = makeFill(LookKind::TextStrip, u"LMDtesto"_s, &page);
    auto panel = makeFill(LookKind::Panel, u"LMDFill3"_s, &page);
    QCOMPARE(page.children().first(), sibling.get());

    TForm4 *box = program.editBox();
    box->prepare(panel.get(), QString(), elementRecord(Sheet, u"0"_s, u"LMDFill3"_s));
    box->LMDButton1Click();
    QCOMPARE(page.children().first(), sibling.get());
    box->prepare(strip.get(), QString(), elementRecord(Sheet, u"0"_s, u"LMDtesto"_s));
    box->LMDButton1Click();
    QCOMPARE(page.children().first(), strip.get());
}

void TestEditBox::questionGroupRecord()
{
    Program program;
    auto group = makeQuestionGroup(u"E2"_s);
    TForm4 *box = program.editBox();
    box->prepare(group.get(), QString(), solvaro::questionGroupRecord(Sheet, u"4"_s, 2));
    QCOMPARE(box->Memo1->lines(), (QStringList { u"uno"_s, u"due"_s }));
    QCOMPARE(box->Swidth->value(), 300);

    QFont chosen(u"Arial"_s);
    chosen.setPointSize(15);
    chosen.setItalic(true);
    program.dialogs.fontAnswers << chosen;
    box->LMDButton3Click();
    QCOMPARE(box->Memo1->font().family(), u"Arial"_s);
    box->Memo1->setPlainText(u"dieci\nventi\ntrenta"_s);
    box->Swidth->setValue(400);
    box->LMDButton1Click();

    QCOMPARE(group->items(), (QStringList { u"dieci"_s, u"venti"_s, u"trenta"_s }));
    QCOMPARE(group->font().family(), u"Arial"_s);
    const QStringList lines = program.recordLines(u"4"_s);
    QCOMPARE(keysOf(lines),
        (QStringList { u"E2.Name"_s, u"E2.Font.Name"_s, u"E2.Font.CharSet"_s, u"E2.Font.Color"_s,
            u"E2.Font.Size"_s, u"E2.Font.Style"_s, u"E2.Top"_s, u"E2.Left"_s, u"E2.Height"_s,
            u"E2.Width"_s, u"E2"_s }));
    QCOMPARE(lines.at(0), u"E2.Name=E2"_s);
    QCOMPARE(lines.at(1), u"E2.Font.Name=Arial"_s);
    QCOMPARE(lines.at(3), u"E2.Font.Color=255"_s);
    QCOMPARE(lines.at(4), u"E2.Font.Size=30"_s);
    QCOMPARE(lines.at(5), u"E2.Font.Style=2"_s);
    QCOMPARE(lines.at(9), u"E2.Width=800"_s);
    QCOMPARE(lines.at(10), u"E2=dieci|venti|trenta"_s);
}

void TestEditBox::labelAlignment_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("alignment");
    const int left = int(LookTextAlignment::taLeftJustify);
    const int right = int(LookTextAlignment::taRightJustify);
    const int centre = int(LookTextAlignment::taCenter);
    const int expected[] = { left, centre, right, left, centre, right, left, centre, right };
    const char *names[] = { "TopLeft", "TopCenter", "TopRight", "CenterLeft", "Center",
        "CenterRight", "BottomLeft", "BottomCenter", "BottomRight" };
    for (int item = 0; item < 9; ++item)
        QTest::newRow(names[item]) << item << expected[item];
}

void TestEditBox::labelAlignment()
{
    QFETCH(int, item);
    QFETCH(int, alignment);
    Program program;
    auto label = makeLabel(LookTextAlignment::taLeftJustify, false);
    TForm4 *box = program.editBox();
    box->prepare(label.get(), QString(), elementRecord(Sheet, u"Form1.Titolo"_s, u"Titolo"_s));
    box->LMDComboBox1->setCurrentIndex(item);
    box->LMDButton1Click();
    QCOMPARE(int(label->textAlignment()), alignment);
    const IniFile ini(program.installation.path(u"SOL_INI/Tipo0.INI"_s));
    QCOMPARE(ini.readInteger(u"Form1.Titolo"_s, u"Titolo.Alignment"_s, -1), alignment);
}

void TestEditBox::labelRestoredAfterEditing()
{
    Program program;
    auto label = makeLabel(LookTextAlignment::taRightJustify, false);
    TForm4 *box = program.editBox();
    box->prepare(label.get(), QString(), elementRecord(Sheet, u"Form1.Titolo"_s, u"Titolo"_s));
    // The label's justification shows in the caption alignment list.
    QCOMPARE(box->LMDComboBox1->currentIndex(), int(NineAlignment::TopRight));
    QCOMPARE(box->LMDFill1->brushColor(), QColor(0, 0xFF, 0xFF));
    program.dialogs.colorAnswers << QColor(0x10, 0x20, 0x30);
    box->LMDButton4Click();
    box->Memo1->setPlainText(u"Nuovo\ntitolo"_s);
    box->Sheight->setValue(55);
    box->Sleft->setValue(200);
    box->LMDButton1Click();
    // Left and top are not the dialog's to change.
    QCOMPARE(label->geometry(), QRect(10, 20, 300, 55));

    QCOMPARE(keysOf(program.recordLines(u"Form1.Titolo"_s)),
        (QStringList { u"Titolo.Name"_s, u"Titolo.Caption"_s, u"Titolo.Font.Name"_s,
            u"Titolo.Font.CharSet"_s, u"Titolo.Font.Color"_s, u"Titolo.Font.Size"_s,
            u"Titolo.Font.Style"_s, u"Titolo.Color"_s, u"Titolo.Alignment"_s, u"Titolo.Top"_s,
            u"Titolo.Left"_s, u"Titolo.Height"_s, u"Titolo.Width"_s, u"Titolo.Transparent"_s }));

    TextLabel restored;
    restored.setGeometry(1, 2, 3, 4);
    QVERIFY(Load_LMDFILL(
        &restored, program.context->looks(), elementRecord(Sheet, u"Form1.Titolo"_s, u"Titolo"_s)));
    QCOMPARE(restored.caption(), u"Nuovo\r\ntitolo"_s);
    QCOMPARE(restored.textAlignment(), TextAlignment::RightJustify);
    QCOMPARE(restored.font().family(), u"Verdana"_s);
    QCOMPARE(restored.font().pointSize(), 10);
    QCOMPARE(restored.backgroundColor(), QColor(0x10, 0x20, 0x30));
    QCOMPARE(restored.textColor(), QColor(255, 0, 0));
    QVERIFY(!restored.isTransparent());
    QCOMPARE(restored.geometry(), QRect(10, 20, 300, 55));
}

void TestEditBox::fillStyleListSetsTransparency()
{
    Program program;
    auto label = makeLabel(LookTextAlignment::taCenter, true);
    TForm4 *box = program.editBox();
    box->prepare(label.get(), QString(), elementRecord(Sheet, u"Form1.Titolo"_s, u"Titolo"_s));
    QVERIFY(box->transparent());
    QCOMPARE(box->LMDComboBox3->currentText(), u"None"_s);
    QCOMPARE(box->LMDComboBox1->currentIndex(), int(NineAlignment::TopCenter));
    box->LMDComboBox3->setCurrentIndex(2);
    QVERIFY(!box->transparent());
    QCOMPARE(box->LMDFill1->fillStyle(), FillStyle::Brush);
    box->LMDButton1Click();
    QVERIFY(!label->isTransparent());
    const IniFile ini(program.installation.path(u"SOL_INI/Tipo0.INI"_s));
    QCOMPARE(ini.readString(u"Form1.Titolo"_s, u"Titolo.Transparent"_s, QString()), u"0"_s);

    box->prepare(label.get(), QString(), elementRecord(Sheet, u"Form1.Titolo"_s, u"Titolo"_s));
    QVERIFY(!box->transparent());
    box->LMDComboBox3->setCurrentIndex(0);
    QVERIFY(box->transparent());
    box->LMDComboBox3->setCurrentIndex(1);
    QVERIFY(!box->transparent());
    QCOMPARE(box->LMDFill1->fillStyle(), FillStyle::Bitmap);
}

void TestEditBox::colourAfterPictureClearsPath()
{
    Program program;
    QVERIFY(filled(Qt::red).save(program.installation.path(u"SOL_IMG/Mele.bmp"_s), "BMP"));
    auto strip = makeFill(LookKind::TextStrip, u"LMDtesto"_s);
    TForm4 *box = program.editBox();
    // The opener hands the executable folder plus the stored value.
    box->prepare(strip.get(), program.installation.folder() + u"SOL_IMG\\Mele.bmp"_s,
        elementRecord(Sheet, u"0"_s, u"LMDtesto"_s));
    QCOMPARE(box->picturePath(), program.installation.path(u"SOL_IMG/Mele.bmp"_s));
    QCOMPARE(box->LMDFill1->picture().toImage().pixelColor(0, 0), QColor(Qt::red));

    program.dialogs.colorAnswers << QColor(0, 0, 255);
    box->LMDButton4Click();
    QVERIFY(box->picturePath().isEmpty());
    QCOMPARE(box->LMDFill1->fillStyle(), FillStyle::Brush);
    QCOMPARE(box->LMDFill1->brushColor(), QColor(0, 0, 255));
    box->LMDButton1Click();

    const IniFile ini(program.installation.path(u"SOL_INI/Tipo0.INI"_s));
    QCOMPARE(ini.readString(u"0"_s, u"LMDtesto.FillObject.Image"_s, QString()), u"SOL_IMG\\"_s);
    QCOMPARE(ini.readInteger(u"0"_s, u"LMDtesto.FillObject.Style"_s, -1), 2);
    QCOMPARE(ini.readInteger(u"0"_s, u"LMDtesto.FillObject.Brush.Color"_s, -1), 0xFF0000);
}

void TestEditBox::jpegPickStoredAsBitmap()
{
    Program program;
    const QString photo = QStringLiteral(SOLVARO_SAMPLE_DIR) + u"/SOL_IMG/Gatto.jpg"_s;
    const QImage expected(photo);
    QVERIFY(!expected.isNull());
    auto panel = makeFill(LookKind::Panel, u"LMDsfondoUnit1"_s);
    TForm4 *box = program.editBox();
    box->prepare(
        panel.get(), QString(), elementRecord(Sheet, u"COMMONAREA"_s, u"LMDsfondoUnit1"_s));
    program.dialogs.fileAnswers << photo;
    box->LMDButton5Click();

    QCOMPARE(program.dialogs.lastFolder, program.installation.folder());
    QCOMPARE(program.dialogs.lastFilter, u"*.bmp (*.bmp);;*.jpg (*jpg)"_s);
    const QString converted = program.installation.path(u"SOL_IMG/Gatto.BMP"_s);
    QCOMPARE(box->picturePath(), converted);
    QImageReader reader(converted);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    QCOMPARE(reader.size(), expected.size());
    QCOMPARE(box->LMDComboBox3->currentText(), u"BitMap"_s);
    QCOMPARE(box->LMDFill1->fillStyle(), FillStyle::Bitmap);
    QCOMPARE(box->LMDFill1->picture().size(), expected.size());

    box->LMDButton1Click();
    const IniFile ini(program.installation.path(u"SOL_INI/Tipo0.INI"_s));
    QCOMPARE(ini.readString(u"COMMONAREA"_s, u"LMDsfondoUnit1.FillObject.Image"_s, QString()),
        u"SOL_IMG\\Gatto.BMP"_s);
    QCOMPARE(ini.readInteger(u"COMMONAREA"_s, u"LMDsfondoUnit1.FillObject.Style"_s, -1), 3);
    QCOMPARE(panel->picture().size(), expected.size());
}

void TestEditBox::unreadableJpegChangesNothing()
{
    Program program;
    QTemporaryDir elsewhere;
    QFile broken(elsewhere.filePath(u"Rotto.JPEG"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8 not really a photo \xFF\xD9");
    broken.close();
    auto panel = makeFill(LookKind::Panel, u"LMDFill3"_s);
    TForm4 *box = program.editBox();
    box->prepare(panel.get(), QString(), elementRecord(Sheet, u"0"_s, u"LMDFill3"_s));
    program.dialogs.fileAnswers << broken.fileName();
    QVERIFY_THROWS_EXCEPTION(Error, box->LMDButton5Click());
    QVERIFY(box->picturePath().isEmpty());
    QVERIFY(!QFileInfo::exists(program.installation.path(u"SOL_IMG/Rotto.BMP"_s)));
    QCOMPARE(box->LMDFill1->fillStyle(), FillStyle::Brush);
}

void TestEditBox::existingBitmapKept()
{
    Program program;
    QVERIFY(filled(Qt::red).save(program.installation.path(u"SOL_IMG/Mele.bmp"_s), "BMP"));
    QTemporaryDir elsewhere;
    const QString picked = elsewhere.filePath(u"Mele.bmp"_s);
    QVERIFY(filled(Qt::blue).save(picked, "BMP"));

    auto strip = makeFill(LookKind::TextStrip, u"LMDtesto"_s);
    TForm4 *box = program.editBox();
    box->prepare(strip.get(), QString(), elementRecord(Sheet, u"0"_s, u"LMDtesto"_s));
    program.dialogs.fileAnswers << picked;
    box->LMDButton5Click();
    const QString kept = program.installation.path(u"SOL_IMG/Mele.bmp"_s);
    QCOMPARE(box->picturePath(), kept);
    QCOMPARE(QImage(kept).pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(box->LMDFill1->picture().toImage().pixelColor(0, 0), QColor(Qt::red));
    box->LMDButton1Click();
    QCOMPARE(strip->picture().toImage().pixelColor(0, 0), QColor(Qt::red));
    const IniFile ini(program.installation.path(u"SOL_INI/Tipo0.INI"_s));
    QCOMPARE(
        ini.readString(u"0"_s, u"LMDtesto.FillObject.Image"_s, QString()), u"SOL_IMG\\Mele.bmp"_s);
}

void TestEditBox::newBitmapCopied()
{
    Program program;
    QTemporaryDir elsewhere;
    // Without an extension the picked name takes ".bmp".
    const QString picked = elsewhere.filePath(u"Pere.bmp"_s);
    QVERIFY(filled(Qt::blue).save(picked, "BMP"));
    auto strip = makeFill(LookKind::TextStrip, u"LMDtesto"_s);
    TForm4 *box = program.editBox();
    box->prepare(strip.get(), QString(), elementRecord(Sheet, u"0"_s, u"LMDtesto"_s));
    program.dialogs.fileAnswers << elsewhere.filePath(u"Pere"_s);
    box->LMDButton5Click();
    const QString copy = program.installation.path(u"SOL_IMG/Pere.bmp"_s);
    QCOMPARE(box->picturePath(), copy);
    QCOMPARE(QImage(copy).pixelColor(0, 0), QColor(Qt::blue));
}

void TestEditBox::offsetsIgnoreNonNumbers()
{
    Program program;
    auto strip = makeFill(LookKind::TextStrip, u"LMDtesto"_s);
    TForm4 *box = program.editBox();
    box->prepare(strip.get(), QString(), elementRecord(Sheet, u"0"_s, u"LMDtesto"_s));
    box->SpinEdit1->setValue(7);
    box->SpinEdit2->setValue(9);
    QCOMPARE(box->LMDFill1->fillOffset(), QPoint(7, 9));
    auto *typed = box->SpinEdit1->findChild<QLineEdit *>();
    QVERIFY(typed);
    typed->setText(u"-"_s);
    box->SpinEdit1Change();
    QCOMPARE(box->LMDFill1->fillOffset(), QPoint(7, 9));
    typed->setText(u"-12"_s);
    box->SpinEdit1Change();
    QCOMPARE(box->LMDFill1->fillOffset(), QPoint(-12, 9));
}

void TestEditBox::cancelledDialogsChangeNothing()
{
    Program program;
    auto strip = makeFill(LookKind::TextStrip, u"LMDtesto"_s);
    TForm4 *box = program.editBox();
    box->prepare(strip.get(), program.installation.folder() + u"SOL_IMG\\x.bmp"_s,
        elementRecord(Sheet, u"0"_s, u"LMDtesto"_s));
    const QString path = box->picturePath();
    const Look before = readLook(box->LMDFill1);
    program.dialogs.fontAnswers << std::nullopt;
    program.dialogs.colorAnswers << std::nullopt;
    program.dialogs.fileAnswers << QString();
    box->LMDButton3Click();
    box->LMDButton4Click();
    box->LMDButton5Click();
    QCOMPARE(readLook(box->LMDFill1), before);
    QCOMPARE(box->picturePath(), path);
}

void TestEditBox::cancelWritesNothing()
{
    Program program;
    auto strip = makeFill(LookKind::TextStrip, u"LMDtesto"_s);
    const Look before = readLook(strip.get());
    TForm4 *box = program.editBox();
    box->prepare(strip.get(), QString(), elementRecord(Sheet, u"0"_s, u"LMDtesto"_s));
    box->Memo1->setPlainText(u"altro"_s);
    box->LMDComboBox1->setCurrentIndex(5);
    box->Swidth->setValue(99);
    box->LMDButton2Click();
    QCOMPARE(box->result(), int(QDialog::Rejected));
    QCOMPARE(readLook(strip.get()), before);
    QVERIFY(!QFileInfo::exists(program.installation.path(u"SOL_INI/Tipo0.INI"_s)));
}

void TestEditBox::largeElementKeepsGeometry()
{
    Program program;
    auto panel = makeFill(LookKind::Panel, u"LMDsfondoUnit1"_s);
    panel->setGeometry(0, 0, 1680, 1000);
    TForm4 *box = program.editBox();
    box->prepare(
        panel.get(), QString(), elementRecord(Sheet, u"COMMONAREA"_s, u"LMDsfondoUnit1"_s));
    box->LMDButton1Click();
    QCOMPARE(panel->geometry(), QRect(0, 0, 1680, 1000));
}

QTEST_MAIN(TestEditBox)
#include "tst_editbox.moc"
