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

// An element of the kind under test showing the edited look.
std::unique_ptr<QWidget> editedElement(LookKind kind, const QString &name = QString())
{
    auto element = makeElement(kind);
    element->setObjectName(name);
    applyLook(element.get(), editedLook(kind));
    return element;
}

void writeRecord(QWidget *element, const AppContext &context, const QString &section)
{
    const QString prefix = element->objectName();
    switch (lookKind(element)) {
    case LookKind::Panel:
        writePanelRecord(element, context.looks(), fillPicturePath(element),
            elementRecord(Looks, section, prefix));
        break;
    case LookKind::TextStrip:
        writeTextStripRecord(element, context.looks(), fillPicturePath(element),
            elementRecord(Looks, section, prefix));
        break;
    case LookKind::Label:
        writeLabelRecord(element, context.looks(), elementRecord(Looks, section, prefix));
        break;
    case LookKind::QuestionGroup:
        writeQuestionGroupRecord(element, context.looks(), elementRecord(Looks, section, prefix));
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

class TestLookWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void roundTrip_data();
    void roundTrip();
    void openFileRestoresTheSameLook_data();
    void openFileRestoresTheSameLook();
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

private:
    // A fresh installation and a program context on a 1680 x 1050 screen.
    void useScreen(QSize screen);
    // The records the editing dialog leaves in the fixture installation.
    void copyEditedRecords();
    const AppContext &context() const { return *m_context; }
    QString path(const QString &relative) const { return m_installation->path(relative); }

    std::unique_ptr<TestInstallation> m_installation;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<AppContext> m_context;
};

void TestLookWidgets::init()
{
    m_installation = std::make_unique<TestInstallation>();
    QVERIFY(m_installation->isValid());
    useScreen(QSize(1680, 1050));
}

void TestLookWidgets::useScreen(QSize screen)
{
    Environment env;
    env.executableFolder = m_installation->folder();
    env.screenSize = screen;
    env.decimalSeparator = QLatin1Char('.');
    env.dialogs = &m_dialogs;
    m_context = std::make_unique<AppContext>(env);
}

void TestLookWidgets::copyEditedRecords()
{
    m_installation->copyFrom(TestInstallation::fixture(u"editbox/installation"_s));
}

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
    useScreen(screen);

    const LookKind lookKindUnderTest = static_cast<LookKind>(kind);
    auto edited = editedElement(lookKindUnderTest, u"Striscia"_s);
    writeRecord(edited.get(), context(), u"COMMONAREA"_s);

    auto restored = makeElement(lookKindUnderTest);
    QVERIFY(Load_LMDFILL(
        restored.get(), context().looks(), elementRecord(Looks, u"COMMONAREA"_s, u"Striscia"_s)));

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

void TestLookWidgets::openFileRestoresTheSameLook_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("found");

    for (const LookKind kind :
        { LookKind::TextStrip, LookKind::Panel, LookKind::Label, LookKind::QuestionGroup }) {
        const char *name = kind == LookKind::TextStrip ? "text strip"
            : kind == LookKind::Panel                  ? "panel"
            : kind == LookKind::Label                  ? "label"
                                                       : "question group";
        QTest::addRow("%s, written record", name) << int(kind) << Looks << u"E1"_s << true;
        // A question group always takes what it finds, the missing options
        // included.
        const bool group = kind == LookKind::QuestionGroup;
        QTest::addRow("%s, no record", name) << int(kind) << Looks << u"E7"_s << group;
        QTest::addRow("%s, missing file", name)
            << int(kind) << u"SOL_INI\\NONE.INI"_s << u"E1"_s << group;
    }
}

void TestLookWidgets::openFileRestoresTheSameLook()
{
    QFETCH(int, kind);
    QFETCH(QString, file);
    QFETCH(QString, prefix);
    QFETCH(bool, found);

    const LookKind lookKindUnderTest = static_cast<LookKind>(kind);
    QVERIFY(checkerPicture().save(path(u"SOL_IMG/checker.bmp"_s), "BMP"));
    auto edited = editedElement(lookKindUnderTest, u"E1"_s);
    // Strips and panels store a fill picture as well.
    const bool filled = qobject_cast<FillPanel *>(edited.get()) != nullptr;
    QCOMPARE(loadFillPicture(edited.get(), path(u"SOL_IMG/checker.bmp"_s)), filled);
    writeRecord(edited.get(), context(), u"3"_s);

    auto byName = makeElement(lookKindUnderTest);
    auto byOpenFile = makeElement(lookKindUnderTest);
    const Look designed = readLook(byName.get());
    QCOMPARE(
        Load_LMDFILL(byName.get(), context().looks(), elementRecord(file, u"3"_s, prefix)), found);
    const IniFile ini(context().folders.resolve(file), context().env.decimalSeparator);
    QCOMPARE(Load_LMDFILL(byOpenFile.get(), context().looks(), elementRecord(ini, u"3"_s, prefix)),
        found);

    QCOMPARE(readLook(byOpenFile.get()), readLook(byName.get()));
    QCOMPARE(fillPicturePath(byOpenFile.get()), fillPicturePath(byName.get()));
    if (auto *panel = qobject_cast<FillPanel *>(byOpenFile.get()))
        QCOMPARE(panel->picture().isNull(), !found);
    QCOMPARE(readLook(byOpenFile.get()) != designed, found);
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
    auto element = editedElement(static_cast<LookKind>(kind), u"E1"_s);
    // A question group is as high as its options need; the stored height is
    // whatever that is.
    const int height = element->height();
    writeRecord(element.get(), context(), u"3"_s);

    const IniFile ini(path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Left"_s, -1), 200);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Top"_s, -1), 100);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Width"_s, -1), 600);
    QCOMPARE(ini.readInteger(u"3"_s, u"E1.Height"_s, -1), height * 2);
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
    auto edited = editedElement(static_cast<LookKind>(kind), u"LMDFill0"_s);
    writeRecord(edited.get(), context(), u"COMMONAREA"_s);

    auto sheetWide = makeElement(static_cast<LookKind>(kind));
    setElementTag(sheetWide.get(), SheetWideTag);
    const QRect designed = sheetWide->geometry();
    QVERIFY(Load_LMDFILL(
        sheetWide.get(), context().looks(), elementRecord(Looks, u"COMMONAREA"_s, u"LMDFill0"_s)));
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
    copyEditedRecords();
    auto element = editedElement(static_cast<LookKind>(kind));
    const Look before = readLook(element.get());
    QVERIFY(!Load_LMDFILL(element.get(), context().looks(),
        elementRecord(u"SOL_INI\\RECORDS.INI"_s, u"COMMONAREA"_s, u"Unnamed"_s)));
    QCOMPARE(readLook(element.get()), before);
    // The same keys under a present marker do change it.
    QVERIFY(Load_LMDFILL(element.get(), context().looks(),
        elementRecord(u"SOL_INI\\RECORDS.INI"_s, u"COMMONAREA"_s, u"Named"_s)));
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
    copyEditedRecords();
    auto element = editedElement(static_cast<LookKind>(kind));
    QVERIFY(Load_LMDFILL(element.get(), context().looks(),
        elementRecord(u"SOL_INI\\RECORDS.INI"_s, u"COMMONAREA"_s, u"Named"_s)));
    const Look look = readLook(element.get());
    if (fontSize < 0)
        fontSize = pointSizeOf(QGuiApplication::font());
    QCOMPARE(look.font.size, fontSize);
    QCOMPARE(int(look.alignment), alignment);
}

void TestLookWidgets::systemColourSurvives()
{
    FillPanel panel;
    setLookKind(&panel, LookKind::Panel);
    Look look = editedLook(LookKind::Panel);
    look.fill.brushColor = clBtnFace;
    look.font.color = clWindowText;
    applyLook(&panel, look);
    writePanelRecord(&panel, context().looks(), QString(), elementRecord(Looks, u"S"_s, u"P"_s));

    const IniFile ini(path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readString(u"S"_s, u"P.FillObject.Brush.Color"_s, QString()), u"-2147483633"_s);
    QCOMPARE(ini.readInteger(u"S"_s, u"P.Font.Color"_s, 0), clWindowText);

    // A colour changed on the widget since is stored as the colour shown.
    panel.setBrushColor(QColor(0x10, 0x20, 0x30));
    writePanelRecord(&panel, context().looks(), QString(), elementRecord(Looks, u"S"_s, u"P"_s));
    const IniFile again(path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(again.readInteger(u"S"_s, u"P.FillObject.Brush.Color"_s, 0), 0x302010);
}

void TestLookWidgets::fillPictureFromRecord()
{
    QVERIFY(checkerPicture().save(path(u"SOL_IMG/checker.bmp"_s), "BMP"));

    FillPanel edited;
    Look look = editedLook(LookKind::TextStrip);
    look.fill.style = LookFillStyle::sfBitmap;
    applyLook(&edited, look);
    writeTextStripRecord(&edited, context().looks(), path(u"SOL_IMG/checker.bmp"_s),
        elementRecord(Looks, u"S"_s, u"T"_s));
    const IniFile ini(path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readString(u"S"_s, u"T.FillObject.Image"_s, QString()), u"SOL_IMG\\checker.bmp"_s);

    FillPanel restored;
    QVERIFY(Load_LMDFILL(&restored, context().looks(), elementRecord(Looks, u"S"_s, u"T"_s)));
    QCOMPARE(restored.picture().toImage().convertToFormat(QImage::Format_RGB32), checkerPicture());
    QCOMPARE(fillPicturePath(&restored), path(u"SOL_IMG/checker.bmp"_s));
    QCOMPARE(restored.fillStyle(), FillStyle::Bitmap);
}

void TestLookWidgets::missingFillPictureKeepsPicture()
{
    copyEditedRecords();
    QVERIFY(checkerPicture().save(path(u"SOL_IMG/mine.bmp"_s), "BMP"));

    FillPanel panel;
    QVERIFY(loadFillPicture(&panel, path(u"SOL_IMG/mine.bmp"_s)));
    // The record names "SOL_IMG\\gone.bmp", which is not there.
    QVERIFY(Load_LMDFILL(&panel, context().looks(),
        elementRecord(u"SOL_INI\\RECORDS.INI"_s, u"COMMONAREA"_s, u"Named"_s)));
    QCOMPARE(fillPicturePath(&panel), path(u"SOL_IMG/mine.bmp"_s));
    QVERIFY(!panel.picture().isNull());
    // Nor does a file that is not a picture replace it.
    m_installation->writeFile(u"SOL_IMG/broken.bmp"_s, "not a picture");
    QVERIFY(!loadFillPicture(&panel, path(u"SOL_IMG/broken.bmp"_s)));
    QCOMPARE(fillPicturePath(&panel), path(u"SOL_IMG/mine.bmp"_s));
}

void TestLookWidgets::questionGroupOptions()
{
    RadioGroup edited;
    applyLook(&edited, editedLook(LookKind::QuestionGroup));
    writeQuestionGroupRecord(&edited, context().looks(), questionGroupRecord(Looks, u"2"_s, 2));
    const IniFile ini(path(u"SOL_INI/LOOKS.INI"_s));
    QCOMPARE(ini.readString(u"2"_s, u"E2"_s, QString()), u"uno|due|tre"_s);
    QCOMPARE(ini.readString(u"2"_s, u"E2.Name"_s, QString()), u"E2"_s);

    RadioGroup restored;
    QVERIFY(Load_LMDFILL(&restored, context().looks(), questionGroupRecord(Looks, u"2"_s, 2)));
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
