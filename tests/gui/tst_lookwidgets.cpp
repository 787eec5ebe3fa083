#include "app/appcontext.h"
#include "storage/colornumber.h"
#include "storage/inifile.h"
#include "support/scripteddialogs.h"
#include "support/testinstallation.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/radiogroup.h"
#include "ui/textlabel.h"

#include <QImage>
#include <QTest>
#include <memory>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

const QString Looks = u"SOL_INI\\LOOKS.INI"_s;

Environment environmentFor(const TestInstallation &installation, QSize screen, Dialogs *dialogs)
{
    Environment env;
    env.executableFolder = installation.folder();
    env.screenSize = screen;
    env.decimalSeparator = QLatin1Char('.');
    env.dialogs = dialogs;
    return env;
}

// A widget of the kind under test, with the look the design gives it.
std::unique_ptr<QWidget> makeElement(LookKind kind)
{
    std::unique_ptr<QWidget> element;
    switch (kind) {
    case LookKind::Label:
        element = std::make_unique<TextLabel>();
        break;
    case LookKind::QuestionGroup:
        element = std::make_unique<RadioGroup>();
        break;
    case LookKind::Panel:
        element = std::make_unique<FillPanel>();
        setLookKind(element.get(), LookKind::Panel);
        break;
    case LookKind::TextStrip:
        element = std::make_unique<FillPanel>();
        break;
    }
    element->setGeometry(7, 8, 90, 60);
    return element;
}

// The look an editing session leaves on a panel at 100, 50, 300 x 120 with a
// 12-point font.
Look editedLook(LookKind kind)
{
    Look look;
    look.kind = kind;
    look.text = u"prima riga\r\nseconda"_s;
    look.alignment = LookAlignment::agBottomCenter;
    look.textAlignment = LookTextAlignment::taCenter;
    look.font = LookFont { u"Verdana"_s, 0, 0x123456, 12, fsBold | fsItalic };
    look.geometry = QRect(100, 50, 300, 120);
    look.fill = LookFill { LookAlignment::agCenterRight, 0x654321, 5, -6, LookTileMode::tmTile,
        LookFillStyle::sfBrush, QString() };
    look.color = 0x00FF00;
    look.transparent = false;
    if (kind == LookKind::QuestionGroup)
        look.answerLines = QStringList { u"uno"_s, u"due"_s, u"tre"_s };
    return look;
}

void writeRecord(QWidget *element, const AppContext &context, const QString &section)
{
    const QString prefix = element->objectName();
    switch (lookKind(element)) {
    case LookKind::Panel:
        writePanelRecord(element, context, fillPicturePath(element), Looks, prefix, section);
        break;
    case LookKind::TextStrip:
        writeTextStripRecord(element, context, fillPicturePath(element), Looks, prefix, section);
        break;
    case LookKind::Label:
        writeLabelRecord(element, context, Looks, prefix, section);
        break;
    case LookKind::QuestionGroup:
        writeQuestionGroupRecord(element, context, Looks, section, prefix);
        break;
    }
}

QImage checkerPicture()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int i = 0; i < 8; ++i)
        image.setPixelColor(i, i, Qt::blue);
    return image;
}

} // namespace

class TestLookWidgets : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void storedInDesignSpace_data();
    void storedInDesignSpace();
    void sheetWideElementKeepsGeometry_data();
    void sheetWideElementKeepsGeometry();
    void emptyNameIsIgnored_data();
    void emptyNameIsIgnored();
    void textStripAndPanelDefaultsDiffer_data();
    void textStripAndPanelDefaultsDiffer();
    void systemColourSurvives();
    void fillPictureFromRecord();
    void missingFillPictureKeepsPicture();
    void questionGroupOptions();
    void elementTagProperty();
};

void TestLookWidgets::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("fontSize");

    const QSize wide(1680, 1050);
    const QSize small(1366, 768);
    const QRect exact(100, 50, 300, 120);
    // 245, 136, 737, 328 and 29 stored, which read back cut toward zero.
    const QRect cut(99, 49, 299, 119);
    QTest::newRow("text strip 1680") << int(LookKind::TextStrip) << wide << exact << 12;
    QTest::newRow("panel 1680") << int(LookKind::Panel) << wide << exact << 12;
    QTest::newRow("label 1680") << int(LookKind::Label) << wide << exact << 12;
    QTest::newRow("text strip 1366") << int(LookKind::TextStrip) << small << cut << 11;
    QTest::newRow("panel 1366") << int(LookKind::Panel) << small << cut << 11;
    QTest::newRow("label 1366") << int(LookKind::Label) << small << cut << 11;
}

void TestLookWidgets::roundTrip()
{
    QFETCH(int, kind);
    QFETCH(QSize, screen);
    QFETCH(QRect, geometry);
    QFETCH(int, fontSize);

    TestInstallation installation;
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, screen, &dialogs));

    const LookKind lookKindUnderTest = static_cast<LookKind>(kind);
    auto edited = makeElement(lookKindUnderTest);
    edited->setObjectName(u"Striscia"_s);
    applyLook(edited.get(), editedLook(lookKindUnderTest));
    writeRecord(edited.get(), context, u"COMMONAREA"_s);

    auto restored = makeElement(lookKindUnderTest);
    QVERIFY(Load_LMDFILL(restored.get(), context, Looks, u"Striscia"_s, u"COMMONAREA"_s));

    Look expected = readLook(edited.get());
    expected.geometry = geometry;
    expected.font.size = fontSize;
    const Look actual = readLook(restored.get());
    QCOMPARE(actual.text, expected.text);
    QCOMPARE(actual.font, expected.font);
    QCOMPARE(actual.geometry, expected.geometry);
    if (lookKindUnderTest == LookKind::Label) {
        QCOMPARE(actual.textAlignment, expected.textAlignment);
        QCOMPARE(actual.color, expected.color);
        QCOMPARE(actual.transparent, expected.transparent);
    } else {
        QCOMPARE(actual.alignment, expected.alignment);
        QCOMPARE(actual.fill, expected.fill);
    }
}

void TestLookWidgets::storedInDesignSpace_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("text strip") << int(LookKind::TextStrip);
    QTest::newRow("panel") << int(LookKind::Panel);
    QTest::newRow("label") << int(LookKind::Label);
    QTest::newRow("question group") << int(LookKind::QuestionGroup);
}

void TestLookWidgets::storedInDesignSpace()
{
    QFETCH(int, kind);
    TestInstallation installation;
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));

    auto element = makeElement(static_cast<LookKind>(kind));
    element->setObjectName(u"E1"_s);
    Look look = editedLook(static_cast<LookKind>(kind));
    applyLook(element.get(), look);
    // A question group is as high as its options need; the stored height is
    // whatever that is.
    look.geometry.setHeight(element->height());
    writeRecord(element.get(), context, u"3"_s);

    const IniFile ini(installation.path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Left"_s, -1), 200);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Top"_s, -1), 100);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Width"_s, -1), 600);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Height"_s, -1), look.geometry.height() * 2);
    QCOMPARE(ini.readFloat(u"3"_s, u"E1.Font.Size"_s, -1), 24.0);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Font.Style"_s, -1), fsBold | fsItalic);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Font.Color"_s, -1), 0x123456);
    QCOMPARE(ini.readString(u"3"_s, u"E1.Font.Name"_s, QString()), u"Verdana"_s);
}

void TestLookWidgets::sheetWideElementKeepsGeometry_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("text strip") << int(LookKind::TextStrip);
    QTest::newRow("panel") << int(LookKind::Panel);
}

void TestLookWidgets::sheetWideElementKeepsGeometry()
{
    QFETCH(int, kind);
    TestInstallation installation;
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));

    auto edited = makeElement(static_cast<LookKind>(kind));
    edited->setObjectName(u"LMDFill0"_s);
    applyLook(edited.get(), editedLook(static_cast<LookKind>(kind)));
    writeRecord(edited.get(), context, u"COMMONAREA"_s);

    auto sheetWide = makeElement(static_cast<LookKind>(kind));
    setElementTag(sheetWide.get(), SheetWideTag);
    const QRect designed = sheetWide->geometry();
    QVERIFY(Load_LMDFILL(sheetWide.get(), context, Looks, u"LMDFill0"_s, u"COMMONAREA"_s));
    QCOMPARE(sheetWide->geometry(), designed);
    QCOMPARE(readLook(sheetWide.get()).text, u"prima riga\r\nseconda"_s);
}

void TestLookWidgets::emptyNameIsIgnored_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("text strip") << int(LookKind::TextStrip);
    QTest::newRow("panel") << int(LookKind::Panel);
    QTest::newRow("label") << int(LookKind::Label);
}

void TestLookWidgets::emptyNameIsIgnored()
{
    QFETCH(int, kind);
    TestInstallation installation;
    installation.copyFrom(TestInstallation::fixture(u"editbox/installation"_s));
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));

    auto element = makeElement(static_cast<LookKind>(kind));
    applyLook(element.get(), editedLook(static_cast<LookKind>(kind)));
    const Look before = readLook(element.get());
    QVERIFY(!Load_LMDFILL(
        element.get(), context, u"SOL_INI\\RECORDS.INI"_s, u"Unnamed"_s, u"COMMONAREA"_s));
    QCOMPARE(readLook(element.get()), before);
    // The same keys under a present marker do change it.
    QVERIFY(Load_LMDFILL(
        element.get(), context, u"SOL_INI\\RECORDS.INI"_s, u"Named"_s, u"COMMONAREA"_s));
    QCOMPARE(readLook(element.get()).text, u"nuovo\r\ntesto"_s);
}

void TestLookWidgets::textStripAndPanelDefaultsDiffer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<int>("alignment");
    // A strip record without a size shows the platform's default height.
    QTest::newRow("text strip") << int(LookKind::TextStrip) << -1 << int(LookAlignment::agTopLeft);
    QTest::newRow("panel") << int(LookKind::Panel) << 12 << int(LookAlignment::agBottomCenter);
}

void TestLookWidgets::textStripAndPanelDefaultsDiffer()
{
    QFETCH(int, kind);
    QFETCH(int, fontSize);
    QFETCH(int, alignment);
    TestInstallation installation;
    installation.copyFrom(TestInstallation::fixture(u"editbox/installation"_s));
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));

    auto element = makeElement(static_cast<LookKind>(kind));
    applyLook(element.get(), editedLook(static_cast<LookKind>(kind)));
    QVERIFY(Load_LMDFILL(
        element.get(), context, u"SOL_INI\\RECORDS.INI"_s, u"Named"_s, u"COMMONAREA"_s));
    const Look look = readLook(element.get());
    if (fontSize < 0)
        fontSize = pointSizeOf(QGuiApplication::font());
    QCOMPARE(look.font.size, fontSize);
    QCOMPARE(int(look.alignment), alignment);
}

void TestLookWidgets::systemColourSurvives()
{
    TestInstallation installation;
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));

    FillPanel panel;
    setLookKind(&panel, LookKind::Panel);
    Look look = editedLook(LookKind::Panel);
    look.fill.brushColor = clBtnFace;
    look.font.color = clWindowText;
    applyLook(&panel, look);
    writePanelRecord(&panel, context, QString(), Looks, u"P"_s, u"S"_s);

    const IniFile ini(installation.path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readString(u"S"_s, u"P.FillObject.Brush.Color"_s, QString()), u"-2147483633"_s);
    QCOMPARE(ini.readInteger(u"S"_s, u"P.Font.Color"_s, 0), clWindowText);

    // A colour changed on the widget since is stored as the colour shown.
    panel.setBrushColor(QColor(0x10, 0x20, 0x30));
    writePanelRecord(&panel, context, QString(), Looks, u"P"_s, u"S"_s);
    const IniFile again(installation.path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(again.readInteger(u"S"_s, u"P.FillObject.Brush.Color"_s, 0), 0x302010);
}

void TestLookWidgets::fillPictureFromRecord()
{
    TestInstallation installation;
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));
    QVERIFY(checkerPicture().save(installation.path(u"SOL_IMG/checker.bmp"_s), "BMP"));

    FillPanel edited;
    Look look = editedLook(LookKind::TextStrip);
    look.fill.style = LookFillStyle::sfBitmap;
    applyLook(&edited, look);
    writeTextStripRecord(
        &edited, context, installation.path(u"SOL_IMG/checker.bmp"_s), Looks, u"T"_s, u"S"_s);
    const IniFile ini(installation.path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readString(u"S"_s, u"T.FillObject.Image"_s, QString()), u"SOL_IMG\\checker.bmp"_s);

    FillPanel restored;
    QVERIFY(Load_LMDFILL(&restored, context, Looks, u"T"_s, u"S"_s));
    QCOMPARE(restored.picture().toImage().convertToFormat(QImage::Format_RGB32), checkerPicture());
    QCOMPARE(fillPicturePath(&restored), installation.path(u"SOL_IMG/checker.bmp"_s));
    QCOMPARE(restored.fillStyle(), FillStyle::Bitmap);
}

void TestLookWidgets::missingFillPictureKeepsPicture()
{
    TestInstallation installation;
    installation.copyFrom(TestInstallation::fixture(u"editbox/installation"_s));
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));
    QVERIFY(checkerPicture().save(installation.path(u"SOL_IMG/mine.bmp"_s), "BMP"));

    FillPanel panel;
    QVERIFY(loadFillPicture(&panel, installation.path(u"SOL_IMG/mine.bmp"_s)));
    // The record names "SOL_IMG\\gone.bmp", which is not there.
    QVERIFY(Load_LMDFILL(&panel, context, u"SOL_INI\\RECORDS.INI"_s, u"Named"_s, u"COMMONAREA"_s));
    QCOMPARE(fillPicturePath(&panel), installation.path(u"SOL_IMG/mine.bmp"_s));
    QVERIFY(!panel.picture().isNull());
    // Nor does a file that is not a picture replace it.
    installation.writeFile(u"SOL_IMG/broken.bmp"_s, "not a picture");
    QVERIFY(!loadFillPicture(&panel, installation.path(u"SOL_IMG/broken.bmp"_s)));
    QCOMPARE(fillPicturePath(&panel), installation.path(u"SOL_IMG/mine.bmp"_s));
}

void TestLookWidgets::questionGroupOptions()
{
    TestInstallation installation;
    ScriptedDialogs dialogs;
    const AppContext context(environmentFor(installation, QSize(1680, 1050), &dialogs));

    RadioGroup edited;
    applyLook(&edited, editedLook(LookKind::QuestionGroup));
    writeQuestionGroupRecord(&edited, context, Looks, u"2"_s, u"E2"_s);
    const IniFile ini(installation.path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readString(u"2"_s, u"E2"_s, QString()), u"uno|due|tre"_s);
    QCOMPARE(ini.readString(u"2"_s, u"E2.Name"_s, QString()), u"E2"_s);

    RadioGroup restored;
    QVERIFY(Load_LMDFILL(&restored, context, Looks, u"E2"_s, u"2"_s));
    QCOMPARE(restored.items(), (QStringList { u"uno"_s, u"due"_s, u"tre"_s }));
    QCOMPARE(readLook(&restored).font, readLook(&edited).font);
    QCOMPARE(restored.font().pointSize(), 12);
}

void TestLookWidgets::elementTagProperty()
{
    QWidget element;
    QCOMPARE(elementTag(&element), 0);
    setElementTag(&element, 10);
    QCOMPARE(elementTag(&element), 10);
    QCOMPARE(element.property("tag").toInt(), 10);
    QCOMPARE(elementTag(nullptr), 0);
}

QTEST_MAIN(TestLookWidgets)
#include "tst_lookwidgets.moc"
