#include "base/error.h"
#include "storage/datafolders.h"
#include "storage/inifile.h"
#include "storage/lookrecord.h"
#include "support/testinstallation.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(solvaro::Look)

namespace {

const QString Records = QStringLiteral("SOL_INI\\RECORDS.INI");
const QString Written = QStringLiteral("SOL_INI\\WRITTEN.INI");

// One line per field, so that a failed comparison names the field.
QString describe(const Look &look)
{
    const LookFont &f = look.font;
    const LookFill &fill = look.fill;
    const QRect &g = look.geometry;
    return QStringLiteral("text=%1\nalignment=%2 textAlignment=%3\n"
                          "font=%4/%5/%6/%7/%8\ngeometry=%9,%10,%11,%12\n")
               .arg(look.text)
               .arg(int(look.alignment))
               .arg(int(look.textAlignment))
               .arg(f.name)
               .arg(f.charSet)
               .arg(f.color)
               .arg(f.size)
               .arg(f.style)
               .arg(g.x())
               .arg(g.y())
               .arg(g.width())
               .arg(g.height())
        + QStringLiteral("fill=%1/%2/%3/%4/%5/%6 picture=%7\ncolor=%8 transparent=%9\n")
              .arg(int(fill.alignment))
              .arg(fill.brushColor)
              .arg(fill.offsetX)
              .arg(fill.offsetY)
              .arg(int(fill.tileMode))
              .arg(int(fill.style))
              .arg(fill.picture)
              .arg(look.color)
              .arg(look.transparent)
        + QStringLiteral("answers=%1 tag=%2")
              .arg(look.answerLines.join(QLatin1Char('/')))
              .arg(look.tag);
}

// A look whose every field differs from what a record would default to.
Look currentLook(LookKind kind)
{
    Look look;
    look.kind = kind;
    look.text = QStringLiteral("prima");
    look.alignment = LookAlignment::agBottomCenter;
    look.textAlignment = LookTextAlignment::taRightJustify;
    look.font = LookFont { QStringLiteral("Verdana"), 2, 0x123456, 14, fsUnderline };
    look.geometry = QRect(11, 22, 333, 44);
    look.fill = LookFill { LookAlignment::agCenterRight, 0x654321, 5, 6, LookTileMode::tmStretch,
        LookFillStyle::sfBrush, QStringLiteral("/old.bmp") };
    look.color = 0x00FF00;
    look.transparent = true;
    return look;
}

QStringList keysOf(const QStringList &lines)
{
    QStringList keys;
    for (const QString &line : lines)
        keys.append(line.section(QLatin1Char('='), 0, 0));
    return keys;
}

} // namespace

class TestLookRecord : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void loadPrefixed_data();
    void loadPrefixed();
    void missingFileChangesNothing_data();
    void missingFileChangesNothing();
    void sheetWideTagKeepsGeometry_data();
    void sheetWideTagKeepsGeometry();
    void loadLabel_data();
    void loadLabel();
    void openFileLoadsAsFileName_data();
    void openFileLoadsAsFileName();
    void openFileIsReadAsItIsInMemory_data();
    void openFileIsReadAsItIsInMemory();

    void roundTrip_data();
    void roundTrip();
    void writeOrder_data();
    void writeOrder();
    void writeKeepsOtherKeys();
    void writeOutsideFolderFails();

    void questionGroupLoad_data();
    void questionGroupLoad();
    void questionGroupWithoutFile();
    void questionGroupSizeFollowsDecimalSeparator_data();
    void questionGroupSizeFollowsDecimalSeparator();
    void questionGroupSizeRoundTrip_data();
    void questionGroupSizeRoundTrip();

private:
    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<DataFolders> m_folders;
};

void TestLookRecord::init()
{
    m_installation = std::make_unique<TestInstallation>();
    QVERIFY(m_installation->isValid());
    m_installation->copyFrom(TestInstallation::fixture(QStringLiteral("records")));
    m_installation->writeFile(QStringLiteral("SOL_IMG/fill.bmp"), "BM");
    m_folders = std::make_unique<DataFolders>(m_installation->folder());
}

void TestLookRecord::loadPrefixed_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("found");
    QTest::addColumn<Look>("expected");
    QTest::addColumn<bool>("pictureFound");

    // The installation exists only once the test runs.
    const QString fill = QStringLiteral("{installation}SOL_IMG/fill.bmp");
    for (const LookKind kind : { LookKind::TextStrip, LookKind::Panel }) {
        const QString name
            = kind == LookKind::Panel ? QStringLiteral("panel") : QStringLiteral("text strip");
        // On a 1680 × 1050 screen every stored value halves.
        Look full = currentLook(kind);
        full.text = QStringLiteral("Due\r\nrighe");
        full.alignment = LookAlignment::agCenter;
        full.font = LookFont { QStringLiteral("Arial"), 0, 255, 12, fsBold | fsItalic };
        full.geometry = QRect(100, 50, 300, 120);
        full.fill = LookFill { LookAlignment::agBottomRight, clBtnFace, -3, 7, LookTileMode::tmTile,
            LookFillStyle::sfBitmap, fill };
        QTest::addRow("%s, every key", qPrintable(name))
            << QStringLiteral("Full") << int(kind) << true << full << true;

        QTest::addRow("%s, empty marker", qPrintable(name))
            << QStringLiteral("Unnamed") << int(kind) << false << currentLook(kind) << false;
        QTest::addRow("%s, no record", qPrintable(name))
            << QStringLiteral("Nobody") << int(kind) << false << currentLook(kind) << false;

        // A record with its marker alone: the text empties, the font name takes
        // its default; a text strip zeroes its integer keys, a panel keeps them.
        Look sparse = currentLook(kind);
        sparse.text.clear();
        sparse.font.name = QStringLiteral("Comic Sans MS");
        if (kind == LookKind::TextStrip) {
            sparse.alignment = LookAlignment::agTopLeft;
            sparse.font = LookFont { QStringLiteral("Comic Sans MS"), 0, 0, 0, 0 };
            sparse.fill = LookFill { LookAlignment::agTopLeft, 0, 0, 0, LookTileMode::tmNone,
                LookFillStyle::sfNone, sparse.fill.picture };
        }
        QTest::addRow("%s, marker alone", qPrintable(name))
            << QStringLiteral("Sparse") << int(kind) << true << sparse << false;

        // Values that are not numbers, or ordinals outside their enumeration,
        // read as the key's default; so does a missing fill picture.
        Look junk = sparse;
        junk.text = QStringLiteral("Uno");
        QTest::addRow("%s, values that are not numbers", qPrintable(name))
            << QStringLiteral("Junk") << int(kind) << true << junk << false;

        QTest::addRow("%s, picture path naming a folder", qPrintable(name))
            << QStringLiteral("Folder") << int(kind) << true << sparse << false;
        QTest::addRow("%s, picture path leaving the installation", qPrintable(name))
            << QStringLiteral("Outside") << int(kind) << true << sparse << false;
    }
}

void TestLookRecord::loadPrefixed()
{
    QFETCH(QString, prefix);
    QFETCH(int, kind);
    QFETCH(bool, found);
    QFETCH(Look, expected);
    QFETCH(bool, pictureFound);

    expected.fill.picture.replace(QStringLiteral("{installation}"), m_installation->folder());

    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(static_cast<LookKind>(kind));
    const RecordLoad result
        = records.load(look, elementRecord(Records, QStringLiteral("Looks"), prefix));
    QCOMPARE(result.found, found);
    QCOMPARE(describe(look), describe(expected));
    QCOMPARE(result.picture.isEmpty(), !pictureFound);
    if (pictureFound)
        QCOMPARE(result.picture, look.fill.picture);
}

void TestLookRecord::missingFileChangesNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("text strip") << int(LookKind::TextStrip);
    QTest::newRow("panel") << int(LookKind::Panel);
    QTest::newRow("label") << int(LookKind::Label);
}

void TestLookRecord::missingFileChangesNothing()
{
    QFETCH(int, kind);
    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(static_cast<LookKind>(kind));
    const RecordLoad result = records.load(look,
        elementRecord(
            QStringLiteral("SOL_INI\\NONE.INI"), QStringLiteral("Looks"), QStringLiteral("Full")));
    QVERIFY(!result.found);
    QCOMPARE(describe(look), describe(currentLook(static_cast<LookKind>(kind))));
    QVERIFY(!QFile::exists(m_installation->path(QStringLiteral("SOL_INI/NONE.INI"))));
}

void TestLookRecord::sheetWideTagKeepsGeometry_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("size");
    QTest::newRow("text strip") << int(LookKind::TextStrip) << "Looks"
                                << "Full" << 12;
    QTest::newRow("panel") << int(LookKind::Panel) << "Looks"
                           << "Full" << 12;
    QTest::newRow("label") << int(LookKind::Label) << "Labels"
                           << "Titolo" << 24;
}

void TestLookRecord::sheetWideTagKeepsGeometry()
{
    QFETCH(int, kind);
    QFETCH(QString, section);
    QFETCH(QString, prefix);
    QFETCH(int, size);

    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(static_cast<LookKind>(kind));
    look.tag = SheetWideTag;
    QVERIFY(records.load(look, elementRecord(Records, section, prefix)).found);
    QCOMPARE(look.geometry, currentLook(LookKind::Panel).geometry);
    // The rest of the record still applies.
    QCOMPARE(look.font.size, size);

    look.tag = 79;
    records.load(look, elementRecord(Records, section, prefix));
    QVERIFY(look.geometry != currentLook(LookKind::Panel).geometry);
}

void TestLookRecord::loadLabel_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<Look>("expected");

    Look titolo = currentLook(LookKind::Label);
    titolo.text = QStringLiteral("Il mio\r\ntitolo");
    titolo.textAlignment = LookTextAlignment::taCenter;
    titolo.font.name = QStringLiteral("Comic Sans MS");
    titolo.font.size = 24;
    titolo.color = 65535;
    titolo.transparent = true;
    titolo.geometry = QRect(168, 105, 336, 210);
    QTest::newRow("full label") << QStringLiteral("Titolo") << titolo;

    // Alignment 3 is not a label alignment; "forse" is not a boolean.
    Look wrong = currentLook(LookKind::Label);
    wrong.text.clear();
    wrong.font.name = QStringLiteral("Comic Sans MS");
    QTest::newRow("values out of range keep the present ones") << QStringLiteral("Wrong") << wrong;
}

void TestLookRecord::loadLabel()
{
    QFETCH(QString, prefix);
    QFETCH(Look, expected);

    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(LookKind::Label);
    const RecordLoad result
        = records.loadLabel(look, elementRecord(Records, QStringLiteral("Labels"), prefix));
    QVERIFY(result.found);
    // Labels have no fill picture.
    QVERIFY(result.picture.isEmpty());
    QCOMPARE(describe(look), describe(expected));
}

void TestLookRecord::openFileLoadsAsFileName_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("found");

    const QChar point(u'.');
    const QString missing = QStringLiteral("SOL_INI\\NONE.INI");
    for (const LookKind kind : { LookKind::TextStrip, LookKind::Panel }) {
        const char *name = kind == LookKind::Panel ? "panel" : "text strip";
        const struct {
            const char *prefix;
            bool found;
        } records[] = { { "Full", true }, { "Sparse", true }, { "Junk", true },
            { "Unnamed", false }, { "Outside", true } };
        for (const auto &record : records) {
            QTest::addRow("%s, %s", name, record.prefix)
                << int(kind) << Records << u"Looks"_s << QString::fromLatin1(record.prefix) << point
                << record.found;
        }
        QTest::addRow("%s, missing file", name)
            << int(kind) << missing << u"Looks"_s << u"Full"_s << point << false;
    }
    QTest::newRow("label, full") << int(LookKind::Label) << Records << u"Labels"_s << u"Titolo"_s
                                 << point << true;
    QTest::newRow("label, values out of range")
        << int(LookKind::Label) << Records << u"Labels"_s << u"Wrong"_s << point << true;
    QTest::newRow("label, missing file")
        << int(LookKind::Label) << missing << u"Labels"_s << u"Titolo"_s << point << false;
    QTest::newRow("question group, full")
        << int(LookKind::QuestionGroup) << Records << u"0"_s << u"E1"_s << point << true;
    // The size is read in the notation of the file's opener.
    QTest::newRow("question group, size with a comma")
        << int(LookKind::QuestionGroup) << Records << u"0"_s << u"E2"_s << QChar(u',') << true;
    QTest::newRow("question group, missing options")
        << int(LookKind::QuestionGroup) << Records << u"0"_s << u"E9"_s << point << true;
    QTest::newRow("question group, missing file")
        << int(LookKind::QuestionGroup) << missing << u"0"_s << u"E1"_s << point << false;
}

void TestLookRecord::openFileLoadsAsFileName()
{
    QFETCH(int, kind);
    QFETCH(QString, file);
    QFETCH(QString, section);
    QFETCH(QString, prefix);
    QFETCH(QChar, separator);
    QFETCH(bool, found);

    const LookRecords records(*m_folders, QSize(1680, 1050), separator);
    Look byName = currentLook(static_cast<LookKind>(kind));
    const RecordLoad fromName = records.load(byName, elementRecord(file, section, prefix));
    QCOMPARE(fromName.found, found);

    const IniFile ini(m_folders->resolve(file), separator);
    Look byOpenFile = currentLook(static_cast<LookKind>(kind));
    const RecordLoad fromOpenFile = records.load(byOpenFile, elementRecord(ini, section, prefix));
    QCOMPARE(fromOpenFile.found, fromName.found);
    QCOMPARE(fromOpenFile.picture, fromName.picture);
    QCOMPARE(describe(byOpenFile), describe(byName));
}

void TestLookRecord::openFileIsReadAsItIsInMemory_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("text strip") << int(LookKind::TextStrip) << u"Looks"_s << u"Full.Caption"_s;
    QTest::newRow("panel") << int(LookKind::Panel) << u"Looks"_s << u"Full.Caption"_s;
    QTest::newRow("label") << int(LookKind::Label) << u"Labels"_s << u"Full.Caption"_s;
    QTest::newRow("question group") << int(LookKind::QuestionGroup) << u"0"_s << u"Full"_s;
}

void TestLookRecord::openFileIsReadAsItIsInMemory()
{
    QFETCH(int, kind);
    QFETCH(QString, section);
    QFETCH(QString, key);

    // What the open file holds counts, not what is on disk.
    IniFile ini(m_installation->path(Records));
    ini.writeString(section, u"Full.Name"_s, u"####"_s);
    ini.writeString(section, key, u"Scritto|adesso"_s);
    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(static_cast<LookKind>(kind));
    QVERIFY(records.load(look, elementRecord(ini, section, u"Full"_s)).found);
    if (look.kind == LookKind::QuestionGroup)
        QCOMPARE(look.answerLines, (QStringList { u"Scritto"_s, u"adesso"_s }));
    else
        QCOMPARE(look.text, u"Scritto\r\nadesso"_s);
}

void TestLookRecord::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("size");

    // Stored as Left, Top, Width, Height, Font.Size; read back as geometry and size.
    const QStringList half { u"200"_s, u"100"_s, u"600"_s, u"240"_s, u"24"_s };
    // 3360 / 1366 × 100 = 245.97… is stored as 245, which reads back as
    // 1366 × 245 / 3360 = 99.6…, so the element comes back one pixel short.
    const QStringList laptop { u"245"_s, u"136"_s, u"737"_s, u"328"_s, u"29"_s };
    for (const LookKind kind : { LookKind::TextStrip, LookKind::Panel, LookKind::Label }) {
        const char *name = kind == LookKind::TextStrip ? "text strip"
            : kind == LookKind::Panel                  ? "panel"
                                                       : "label";
        QTest::addRow("%s at 1680 x 1050", name)
            << int(kind) << QSize(1680, 1050) << half << QRect(100, 50, 300, 120) << 12;
        QTest::addRow("%s at 1366 x 768", name)
            << int(kind) << QSize(1366, 768) << laptop << QRect(99, 49, 299, 119) << 11;
    }
}

void TestLookRecord::roundTrip()
{
    QFETCH(int, kind);
    QFETCH(QSize, screen);
    QFETCH(QStringList, stored);
    QFETCH(QRect, geometry);
    QFETCH(int, size);

    const LookRecords records(*m_folders, screen);
    Look written;
    written.kind = static_cast<LookKind>(kind);
    written.text = QStringLiteral("Prima riga\r\nseconda riga");
    written.alignment = LookAlignment::agBottomRight;
    written.textAlignment = LookTextAlignment::taCenter;
    written.font
        = LookFont { QStringLiteral("Times New Roman"), 0, clWindowText, 12, fsBold | fsStrikeOut };
    written.geometry = QRect(100, 50, 300, 120);
    written.fill = LookFill { LookAlignment::agCenter, 0x336699, -4, 9, LookTileMode::tmCenter,
        LookFillStyle::sfBitmap, m_installation->path(QStringLiteral("SOL_IMG/fill.bmp")) };
    written.color = clInactiveCaption;
    written.transparent = true;
    records.write(
        written, elementRecord(Written, QStringLiteral("Sezione"), QStringLiteral("Box")));

    const IniFile ini(m_installation->path(Written));
    const auto value = [&ini](const char *suffix) {
        return ini.readString(QStringLiteral("Sezione"),
            QLatin1String("Box") + QLatin1String(suffix), QStringLiteral("(missing)"));
    };
    QCOMPARE(QStringList({ value(".Left"), value(".Top"), value(".Width"), value(".Height"),
                 value(".Font.Size") }),
        stored);
    QCOMPARE(value(".Name"), QStringLiteral("####"));
    QCOMPARE(value(".Caption"), QStringLiteral("Prima riga|seconda riga"));
    QCOMPARE(value(".Font.Color"), QStringLiteral("-2147483640"));
    if (written.kind != LookKind::Label)
        QCOMPARE(value(".FillObject.Image"), QStringLiteral("SOL_IMG\\fill.bmp"));

    Look read = currentLook(written.kind);
    const RecordLoad result = records.load(
        read, elementRecord(Written, QStringLiteral("Sezione"), QStringLiteral("Box")));
    QVERIFY(result.found);
    Look expected = written;
    expected.geometry = geometry;
    expected.font.size = size;
    if (written.kind == LookKind::Label) {
        // A label has no caption alignment nor fill of its own.
        expected.alignment = read.alignment;
        expected.fill = read.fill;
    } else {
        expected.textAlignment = read.textAlignment;
        expected.color = read.color;
        expected.transparent = read.transparent;
    }
    QCOMPARE(describe(read), describe(expected));
}

void TestLookRecord::writeOrder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("keys");

    const QStringList fill { u".FillObject.Alignment"_s, u".FillObject.Brush.Color"_s,
        u".FillObject.OffsetX"_s, u".FillObject.OffsetY"_s, u".FillObject.TileMode"_s,
        u".FillObject.Style"_s, u".FillObject.Image"_s };
    QTest::newRow("text strip") << int(LookKind::TextStrip)
                                << (QStringList { u".Name"_s, u".Caption"_s, u".Alignment"_s,
                                        u".Font.Name"_s, u".Font.CharSet"_s, u".Font.Color"_s,
                                        u".Font.Size"_s, u".Font.Style"_s, u".Top"_s, u".Left"_s,
                                        u".Width"_s, u".Height"_s }
                                       + fill);
    QTest::newRow("panel") << int(LookKind::Panel)
                           << (QStringList { u".Name"_s, u".Caption"_s, u".Alignment"_s,
                                   u".Font.CharSet"_s, u".Font.Color"_s, u".Font.Size"_s,
                                   u".Font.Style"_s, u".Font.Name"_s, u".Top"_s, u".Left"_s,
                                   u".Width"_s, u".Height"_s }
                                  + fill);
    QTest::newRow("label") << int(LookKind::Label)
                           << QStringList { u".Name"_s, u".Caption"_s, u".Font.Name"_s,
                                  u".Font.CharSet"_s, u".Font.Color"_s, u".Font.Size"_s,
                                  u".Font.Style"_s, u".Color"_s, u".Alignment"_s, u".Top"_s,
                                  u".Left"_s, u".Height"_s, u".Width"_s, u".Transparent"_s };
    // ".Font.Color" is written twice; the second write lands on the first line.
    QTest::newRow("question group")
        << int(LookKind::QuestionGroup)
        << QStringList { u".Name"_s, u".Font.Name"_s, u".Font.CharSet"_s, u".Font.Color"_s,
               u".Font.Size"_s, u".Font.Style"_s, u".Top"_s, u".Left"_s, u".Height"_s, u".Width"_s,
               u""_s };
}

void TestLookRecord::writeOrder()
{
    QFETCH(int, kind);
    QFETCH(QStringList, keys);

    Look look = currentLook(static_cast<LookKind>(kind));
    look.answerLines = QStringList { u"Uno"_s, u"Due"_s };
    const LookRecords records(*m_folders, QSize(1680, 1050));
    records.write(look, elementRecord(Written, QStringLiteral("3"), QStringLiteral("E4")));

    QStringList expected;
    for (const QString &suffix : std::as_const(keys))
        expected.append(QStringLiteral("E4") + suffix);
    const IniFile ini(m_installation->path(Written));
    QCOMPARE(keysOf(ini.sectionLines(QStringLiteral("3"))), expected);
}

void TestLookRecord::writeKeepsOtherKeys()
{
    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(LookKind::Panel);
    records.write(look, elementRecord(Records, QStringLiteral("Looks"), QStringLiteral("Full")));

    const IniFile ini(m_installation->path(Records));
    QCOMPARE(ini.readString(QStringLiteral("Looks"), QStringLiteral("Full.Caption"), QString()),
        QStringLiteral("prima"));
    // Other records of the section and other sections stay as they were.
    QCOMPARE(ini.readString(QStringLiteral("Looks"), QStringLiteral("Junk.Font.Color"), QString()),
        QStringLiteral("12abc"));
    QCOMPARE(ini.readString(QStringLiteral("0"), QStringLiteral("E1"), QString()),
        QStringLiteral("Sette|Otto|Nove"));
    // A fill without a picture leaves the folder alone, which names no file.
    QCOMPARE(
        ini.readString(QStringLiteral("Looks"), QStringLiteral("Full.FillObject.Image"), QString()),
        QStringLiteral("SOL_IMG\\old.bmp"));
    look.fill.picture.clear();
    records.writePanel(
        look, elementRecord(Records, QStringLiteral("Looks"), QStringLiteral("Full")));
    const IniFile again(m_installation->path(Records));
    QCOMPARE(again.readString(
                 QStringLiteral("Looks"), QStringLiteral("Full.FillObject.Image"), QString()),
        QStringLiteral("SOL_IMG\\"));
    Look read = currentLook(LookKind::Panel);
    read.fill.picture = QStringLiteral("/kept.bmp");
    QVERIFY(records
                .loadPanel(
                    read, elementRecord(Records, QStringLiteral("Looks"), QStringLiteral("Full")))
                .found);
    QCOMPARE(read.fill.picture, QStringLiteral("/kept.bmp"));
}

void TestLookRecord::writeOutsideFolderFails()
{
    const LookRecords records(*m_folders, QSize(1680, 1050));
    QVERIFY_THROWS_EXCEPTION(Error,
        records.write(currentLook(LookKind::TextStrip),
            elementRecord(
                QStringLiteral("..\\escape.ini"), QStringLiteral("S"), QStringLiteral("P"))));
}

void TestLookRecord::questionGroupLoad_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<LookFont>("font");

    const LookFont present = currentLook(LookKind::QuestionGroup).font;
    // 1680 / 3360 × 17.5 = 8.75.
    QTest::newRow("full group") << "E1" << QStringList { u"Sette"_s, u"Otto"_s, u"Nove"_s }
                                << LookFont { QStringLiteral("Verdana"), 0, 255, 8, fsBold };
    // "17,5" is no number with a point as separator: the size stays.
    QTest::newRow("final bar ends the last option") << "E2" << QStringList { u"Solo"_s } << present;
    QTest::newRow("empty options") << "E3" << QStringList() << present;
    QTest::newRow("missing options") << "E9" << QStringList { u"?????????"_s } << present;
}

void TestLookRecord::questionGroupLoad()
{
    QFETCH(QString, key);
    QFETCH(QStringList, options);
    QFETCH(LookFont, font);

    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(LookKind::QuestionGroup);
    QVERIFY(records.loadQuestionGroup(look, elementRecord(Records, QStringLiteral("0"), key)));
    QCOMPARE(look.answerLines, options);
    QCOMPARE(look.font.name, font.name);
    QCOMPARE(look.font.charSet, font.charSet);
    QCOMPARE(look.font.color, font.color);
    QCOMPARE(look.font.size, font.size);
    QCOMPARE(look.font.style, font.style);
}

void TestLookRecord::questionGroupWithoutFile()
{
    const LookRecords records(*m_folders, QSize(1680, 1050));
    Look look = currentLook(LookKind::QuestionGroup);
    look.tag = 3;
    const RecordLoad result = records.load(
        look, questionGroupRecord(QStringLiteral("SOL_INI\\NONE.INI"), QStringLiteral("0"), 1));
    QVERIFY(!result.found);
    QCOMPARE(look.answerLines, QStringList { QStringLiteral("?????????") });
    QCOMPARE(look.font, currentLook(LookKind::QuestionGroup).font);
}

void TestLookRecord::questionGroupSizeFollowsDecimalSeparator_data()
{
    QTest::addColumn<QChar>("writtenWith");
    QTest::addColumn<QChar>("readWith");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("size");

    // 3360 / 1920 × 10 = 17.5.
    QTest::newRow("point, read with point") << QChar(u'.') << QChar(u'.') << "17.5" << 10;
    QTest::newRow("comma, read with comma") << QChar(u',') << QChar(u',') << "17,5" << 10;
    QTest::newRow("point, read with comma") << QChar(u'.') << QChar(u',') << "17.5" << 14;
    QTest::newRow("comma, read with point") << QChar(u',') << QChar(u'.') << "17,5" << 14;
}

void TestLookRecord::questionGroupSizeFollowsDecimalSeparator()
{
    QFETCH(QChar, writtenWith);
    QFETCH(QChar, readWith);
    QFETCH(QString, stored);
    QFETCH(int, size);

    Look group = currentLook(LookKind::QuestionGroup);
    group.font.size = 10;
    group.answerLines = QStringList { u"A"_s, u"B"_s };
    LookRecords(*m_folders, QSize(1920, 1200), writtenWith)
        .writeQuestionGroup(group, questionGroupRecord(Written, QStringLiteral("2"), 1));
    const IniFile ini(m_installation->path(Written));
    QCOMPARE(
        ini.readString(QStringLiteral("2"), QStringLiteral("E1.Font.Size"), QString()), stored);
    QCOMPARE(ini.readString(QStringLiteral("2"), QStringLiteral("E1"), QString()),
        QStringLiteral("A|B"));
    QCOMPARE(ini.readString(QStringLiteral("2"), QStringLiteral("E1.Name"), QString()),
        QStringLiteral("E1"));

    // Read into a group whose present size is 14.
    Look read = currentLook(LookKind::QuestionGroup);
    LookRecords(*m_folders, QSize(1920, 1200), readWith)
        .loadQuestionGroup(read, questionGroupRecord(Written, QStringLiteral("2"), 1));
    QCOMPARE(read.font.size, size);
    QCOMPARE(read.answerLines, group.answerLines);
}

void TestLookRecord::questionGroupSizeRoundTrip_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1366 x 768") << QSize(1366, 768);
    QTest::newRow("1440 x 900") << QSize(1440, 900);
    QTest::newRow("3840 x 2160") << QSize(3840, 2160);
}

void TestLookRecord::questionGroupSizeRoundTrip()
{
    QFETCH(QSize, screen);
    // Written with 15 digits, 3360 / 1366 × 41 would read back as 40.99…: every
    // size has to come back whole or the group shrinks at each save.
    const LookRecords records(*m_folders, screen);
    for (int size = 6; size <= 48; ++size) {
        Look group = currentLook(LookKind::QuestionGroup);
        group.font.size = size;
        records.writeQuestionGroup(group, questionGroupRecord(Written, QStringLiteral("0"), 0));
        Look read = currentLook(LookKind::QuestionGroup);
        records.loadQuestionGroup(read, questionGroupRecord(Written, QStringLiteral("0"), 0));
        QCOMPARE(read.font.size, size);
    }
}

QTEST_GUILESS_MAIN(TestLookRecord)
#include "tst_lookrecord.moc"
