// The sample installation shipped in data/ must be coherent: every sheet has
// its exercise file and its exercises, every scheme fits its patterns, every
// expected answer is right and reachable, every stored media path names a file
// the program can read.

#include "media/wavfile.h"
#include "player/evaluator.h"
#include "player/formulasheet.h"
#include "player/validation.h"
#include "storage/datafolders.h"
#include "storage/designspace.h"
#include "storage/inifile.h"
#include "storage/look.h"
#include "storage/lookrecord.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

#include <cmath>

using namespace solvaro;

namespace {

const QString commonArea = QStringLiteral("COMMONAREA");

QString sampleFolder()
{
    return QStringLiteral(SOLVARO_SAMPLE_DIR "/");
}

DataFolders sample()
{
    return DataFolders(sampleFolder());
}

// One sheet as the global settings file lists it.
struct Sheet {
    int number = 0;
    QString file;
    int exerciseCount = 0;
    QString scheme;
    QStringList patterns;

    QString stepKinds() const { return QString(scheme).remove(QLatin1Char('|')); }
    QString formulaKinds() const
    {
        return QString(scheme).remove(QLatin1Char('|')).remove(QLatin1Char('C'));
    }
    int sectionCount() const { return int(scheme.count(QLatin1Char('|'))); }
};

// The sheets up to the first one without an exercise file, as the home page
// lists them.
QList<Sheet> listedSheets()
{
    const IniFile global(sample().globalSettingsFile());
    QList<Sheet> sheets;
    for (int n = 0; n < 100; ++n) {
        Sheet sheet;
        sheet.number = n;
        sheet.file = global.readString(commonArea, QStringLiteral("INI_FILE%1").arg(n), QString());
        if (sheet.file.isEmpty())
            break;
        sheet.exerciseCount = global.readInteger(commonArea, QStringLiteral("MAX%1").arg(n), 0);
        sheet.scheme = global.readString(
            commonArea, QStringLiteral("SHEET_%1").arg(n), QStringLiteral("||||"));
        for (int k = 0; k < sheet.formulaKinds().size(); ++k)
            sheet.patterns << global.readString(
                commonArea, QStringLiteral("SHEET_%1_EXP_%2").arg(n).arg(k), QString());
        sheets << sheet;
    }
    return sheets;
}

// Every INI file of the installation, as stored paths.
QStringList iniFiles()
{
    QStringList files;
    QDirIterator it(
        sampleFolder() + QStringLiteral("SOL_INI"), { QStringLiteral("*.INI") }, QDir::Files);
    while (it.hasNext())
        files << QStringLiteral("SOL_INI\\") + QFileInfo(it.next()).fileName();
    files.sort();
    return files;
}

QString exactPath(const QString &stored)
{
    return sampleFolder() + QString(stored).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// Power of ten of a metric unit against its base unit ("dam" -> 1, "mg" -> -3),
// and its quantity ('m' length, 'g' mass, 'l' capacity); false for anything else.
bool metricUnit(const QString &unit, int &power, QChar &quantity)
{
    static const QList<QPair<QString, int>> prefixes = { { QStringLiteral("k"), 3 },
        { QStringLiteral("h"), 2 }, { QStringLiteral("da"), 1 }, { QString(), 0 },
        { QStringLiteral("d"), -1 }, { QStringLiteral("c"), -2 }, { QStringLiteral("m"), -3 } };
    if (unit.isEmpty())
        return false;
    quantity = unit.back();
    if (quantity != QLatin1Char('m') && quantity != QLatin1Char('g')
        && quantity != QLatin1Char('l'))
        return false;
    const QString prefix = unit.chopped(1);
    for (const auto &[text, value] : prefixes) {
        if (text == prefix) {
            power = value;
            return true;
        }
    }
    return false;
}

// The smallest screen the sample is laid out for, and two common larger ones.
const QList<QSize> screens = { QSize(1366, 768), QSize(1680, 1050), QSize(1920, 1080) };

// Rough room a caption needs: Comic Sans averages about 0.6 em a character and
// a line about 1.25 em; long lines wrap. Points are taken at 96 pixels an inch.
bool textFits(const QString &text, int points, QSize box)
{
    const double em = points * 96.0 / 72.0;
    int lines = 0;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\\r\\n|\\n"))))
        lines += qMax(1, int(std::ceil(line.size() * 0.6 * em / box.width())));
    return lines * 1.25 * em <= box.height();
}

// The largest frame of the animations the top animation shows.
QSize topAnimationSize(const IniFile &file)
{
    QSize size;
    for (const char *key : { "GIF1", "GIF2", "GIF3", "GIF4" }) {
        const QString stored
            = file.readString(QStringLiteral("COMMONAREA"), QLatin1String(key), QString());
        size = size.expandedTo(QImageReader(sample().resolve(stored)).size());
    }
    return size;
}

} // namespace

class TestSampleData : public QObject
{
    Q_OBJECT

private slots:
    void sheetList();
    void sheets_data();
    void sheets();
    void exercises_data();
    void exercises();
    void pupilSolves_data();
    void pupilSolves();
    void equivalences_data();
    void equivalences();
    void problemBand_data();
    void problemBand();
    void readableTexts_data();
    void readableTexts();
    void exerciseFileLooks_data();
    void exerciseFileLooks();
    void storedMediaPaths_data();
    void storedMediaPaths();
    void fixedFiles_data();
    void fixedFiles();
    void sounds_data();
    void sounds();
    void animatedPictures_data();
    void animatedPictures();
    void skin();
    void iniFileText_data();
    void iniFileText();
    void staysSmall();
};

void TestSampleData::sheetList()
{
    const QList<Sheet> sheets = listedSheets();
    QVERIFY(sheets.size() >= 3);
    // A sheet listed after a gap could never be opened.
    const IniFile global(sample().globalSettingsFile());
    for (int n = int(sheets.size()); n < 100; ++n)
        QVERIFY2(!global.keyExists(commonArea, QStringLiteral("INI_FILE%1").arg(n)),
            qPrintable(QStringLiteral("INI_FILE%1 lies after the end of the list").arg(n)));
}

// A data table without rows ends the whole run; a missing kind of row is a
// failure of its own instead.
void TestSampleData::sheets_data()
{
    QTest::addColumn<int>("sheet");
    for (const Sheet &sheet : listedSheets())
        QTest::addRow("sheet %d", sheet.number + 1) << sheet.number;
    if (listedSheets().isEmpty())
        QTest::newRow("no sheet") << -1;
}

void TestSampleData::sheets()
{
    QFETCH(int, sheet);
    if (sheet < 0)
        QFAIL("the global settings file lists no sheet");
    const Sheet s = listedSheets().at(sheet);

    // The scheme editor names exercise files this way and renumbers them so.
    QCOMPARE(s.file, QStringLiteral("SOL_INI\\Tipo%1.INI").arg(sheet));
    QVERIFY2(sample().exists(s.file), qPrintable(s.file));
    QVERIFY(s.exerciseCount >= 5);

    const IniFile exercises(sample().resolve(s.file));
    for (int e = 0; e < s.exerciseCount; ++e)
        QVERIFY2(exercises.sectionExists(QString::number(e)), qPrintable(QString::number(e)));
    // A stray section past the count would leak its keys into the next copy.
    for (const QString &section : exercises.sectionNames()) {
        bool isNumber = false;
        const int index = section.toInt(&isNumber);
        QVERIFY2(!isNumber || index < s.exerciseCount, qPrintable(section));
    }

    // Schemes as the scheme editor writes them: sections first, none empty.
    QVERIFY2(QRegularExpression(QStringLiteral("^(\\|[CFE]+)+$")).match(s.scheme).hasMatch(),
        qPrintable(s.scheme));
    QCOMPARE(s.patterns.size(), s.formulaKinds().size());
    const QRegularExpression formulaPattern(QStringLiteral("^([A-Z]o)*[A-Z]=X$"));
    for (int k = 0; k < s.patterns.size(); ++k) {
        const QString &pattern = s.patterns.at(k);
        if (s.formulaKinds().at(k) == QLatin1Char('E')) {
            QCOMPARE(pattern, QStringLiteral("Yo?Xo"));
            continue;
        }
        QVERIFY2(formulaPattern.match(pattern).hasMatch(), qPrintable(pattern));
        // The editor writes the letters in order from "A".
        for (int i = 0; i < pattern.size() - 2; i += 2)
            QCOMPARE(pattern.at(i), QChar(u'A' + i / 2));
    }
}

void TestSampleData::exercises_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("exercise");
    for (const Sheet &sheet : listedSheets())
        for (int e = 0; e < sheet.exerciseCount; ++e)
            QTest::addRow("sheet %d exercise %d", sheet.number + 1, e + 1) << sheet.number << e;
    if (listedSheets().isEmpty())
        QTest::newRow("no exercise") << -1 << -1;
}

void TestSampleData::exercises()
{
    QFETCH(int, sheet);
    QFETCH(int, exercise);
    if (sheet < 0)
        QFAIL("the global settings file lists no sheet");
    const Sheet s = listedSheets().at(sheet);
    const IniFile file(sample().resolve(s.file));
    const QString section = QString::number(exercise);
    const QString kinds = s.stepKinds();

    QVERIFY(!file.readString(section, QStringLiteral("LMDtesto.Name"), QString()).isEmpty());
    QVERIFY(!file.readString(section, QStringLiteral("LMDtestp.Name"), QString()).isEmpty());
    QVERIFY(!file.readString(section, QStringLiteral("LMDtesto.Caption"), QString()).isEmpty());
    QVERIFY(!file.readString(section, QStringLiteral("LMDImage.imgName"), QString()).isEmpty());

    for (int k = 0; k < s.sectionCount(); ++k) {
        const QString band = QStringLiteral("SEZIONE%1").arg(k);
        QVERIFY2(!file.readString(section, band + QStringLiteral(".Caption"), QString()).isEmpty(),
            qPrintable(band));
        QVERIFY(file.readInteger(section, band + QStringLiteral(".Height"), 0) > 0);
    }

    // Question groups: keyed by the step's place among all steps.
    for (int step = 0; step < kinds.size(); ++step) {
        if (kinds.at(step) != QLatin1Char('C'))
            continue;
        const QString key = QStringLiteral("E%1").arg(step);
        const QStringList options
            = file.readString(section, key, QString()).split(QLatin1Char('|'));
        QVERIFY2(options.size() >= 2, qPrintable(key));
        for (const QString &option : options)
            QVERIFY2(!option.trimmed().isEmpty(), qPrintable(key));
        QCOMPARE(QSet<QString>(options.begin(), options.end()).size(), options.size());
        const double size = file.readFloat(section, key + QStringLiteral(".Font.Size"), 0);
        QVERIFY2(DesignSpace(screens.first()).fontSizeFromStoredReal(size) >= 10, qPrintable(key));
    }

    // Expected formulas: each must fit its pattern's fields and give a result a
    // primary-school pupil can type, a whole number that is not negative.
    const QRegularExpression plainFormula(QStringLiteral("^\\d+([-+*/]\\d+)*$"));
    for (int k = 0; k < s.patterns.size(); ++k) {
        if (s.formulaKinds().at(k) != QLatin1Char('F'))
            continue;
        const QString key = QStringLiteral("R%1").arg(k);
        const QString formula = file.readString(section, key, QString());
        QVERIFY2(
            plainFormula.match(formula).hasMatch(), qPrintable(key + QLatin1Char('=') + formula));
        const int patternOperators = int(s.patterns.at(k).count(QLatin1Char('o')));
        QVector<double> numbers(patternOperators + 2);
        QVector<QChar> signs(patternOperators + 2);
        int operators = -1;
        const QString postfix = RPN(formula, numbers, signs, operators, QLatin1Char('.'));
        QCOMPARE(operators, patternOperators);
        QStringList operations;
        const double value = CalcolaRPN(postfix, operations, QLatin1Char('.'));
        QVERIFY2(value >= 0 && value == std::floor(value),
            qPrintable(formula + QStringLiteral(" = ") + QString::number(value)));
    }

    // One help and one error hint for every step, none of them left as "?".
    for (const char *key : { "MSG_HLP", "MSG_ERR" }) {
        const QStringList hints
            = file.readString(section, QLatin1String(key), QString()).split(QLatin1Char('|'));
        QVERIFY2(hints.size() == kinds.size(),
            qPrintable(QStringLiteral("%1 has %2 hints for %3 steps")
                           .arg(QLatin1String(key))
                           .arg(hints.size())
                           .arg(kinds.size())));
        for (const QString &hint : hints)
            QVERIFY2(!hint.trimmed().isEmpty() && hint != QLatin1String("?"), key);
    }
    const QString general = file.readString(section, QStringLiteral("HELP_GEN"), QString());
    QVERIFY(!general.isEmpty() && general != QLatin1String("?"));
}

void TestSampleData::pupilSolves_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QChar>("separator");
    for (const Sheet &sheet : listedSheets())
        for (int e = 0; e < sheet.exerciseCount; ++e)
            for (const QChar separator : { QLatin1Char('.'), QLatin1Char(',') })
                QTest::addRow("sheet %d exercise %d, decimal '%c'", sheet.number + 1, e + 1,
                    separator.toLatin1())
                    << sheet.number << e << separator;
    if (listedSheets().isEmpty())
        QTest::newRow("no exercise") << -1 << -1 << QChar();
}

// A pupil who types what the solution shows, picking the operators from the
// menu, is judged right; so is one who swaps the numbers of a first addition or
// multiplication; a wrong result is judged wrong.
void TestSampleData::pupilSolves()
{
    QFETCH(int, sheet);
    QFETCH(int, exercise);
    QFETCH(QChar, separator);
    if (sheet < 0)
        QFAIL("the global settings file lists no sheet");
    const Sheet s = listedSheets().at(sheet);
    const IniFile file(sample().resolve(s.file));
    QStringList typed;
    for (int k = 0; k < s.patterns.size(); ++k)
        typed << file.readString(
            QString::number(exercise), QStringLiteral("R%1").arg(k), QString());

    enum class Answer { AsShown, Swapped, WrongResult };
    for (const Answer answer : { Answer::AsShown, Answer::Swapped, Answer::WrongResult }) {
        FormulaSheet formulas;
        formulas.build(s.formulaKinds(), s.patterns, false);
        QStringList expected;
        formulas.CARICA_FORMULE(typed, expected, separator);
        for (int k = 0; k < formulas.rowCount(); ++k) {
            FormulaRow &row = formulas.row(k);
            const QChar kind = row.kind;
            formulas.activateRow(k);
            QStringList numbers;
            for (FormulaField &field : row.fields) {
                if (!field.signFlag) {
                    field.text = field.expectedText.toLower();
                    numbers << field.text;
                } else if (!field.isEqualsField()) {
                    QVERIFY(formulas.OperandoClick(field.position, kind, false));
                    const int item = int(QStringLiteral("+-*/").indexOf(field.expectedText));
                    QVERIFY2(item >= 0, qPrintable(field.expectedText));
                    QVERIFY(formulas.N1Click(item, k));
                }
            }
            FormulaField *result = row.fields.isEmpty() ? nullptr : &row.fields.last();
            QVERIFY(result && !result->signFlag);
            bool right = true;
            if (answer == Answer::WrongResult) {
                result->text = kind == QLatin1Char('E') ? result->text + QLatin1Char('0')
                                                        : QString::number(result->text.toInt() + 1);
                right = false;
            } else if (answer == Answer::Swapped) {
                FormulaField *firstOperator = row.field(2);
                if (kind != QLatin1Char('F') || !firstOperator
                    || (firstOperator->text != QLatin1String("+")
                        && firstOperator->text != QLatin1String("X")))
                    continue;
                qSwap(row.field(1)->text, row.field(3)->text);
            }
            QVERIFY2(ValidazioneRisultato(kind, row, expected.at(k), separator) == right,
                qPrintable(QStringLiteral("R%1=%2").arg(k).arg(typed.at(k))));
        }
    }
}

void TestSampleData::equivalences_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("formula");
    int rows = 0;
    for (const Sheet &sheet : listedSheets())
        for (int e = 0; e < sheet.exerciseCount; ++e)
            for (int k = 0; k < sheet.formulaKinds().size(); ++k)
                if (sheet.formulaKinds().at(k) == QLatin1Char('E')) {
                    QTest::addRow("sheet %d exercise %d R%d", sheet.number + 1, e + 1, k)
                        << sheet.number << e << k;
                    ++rows;
                }
    if (rows == 0)
        QTest::newRow("no equivalence") << -1 << -1 << -1;
}

void TestSampleData::equivalences()
{
    QFETCH(int, sheet);
    QFETCH(int, exercise);
    QFETCH(int, formula);
    if (sheet < 0)
        QFAIL("no sheet has an equivalence step");
    const Sheet s = listedSheets().at(sheet);
    const IniFile file(sample().resolve(s.file));
    const QString stored
        = file.readString(QString::number(exercise), QStringLiteral("R%1").arg(formula), QString());

    // Whole numbers only (a pupil's decimal mark depends on the system), and
    // units the unit fields accept: at most three of the letters a c d g h k l m t.
    const QRegularExpression shape(
        QStringLiteral("^(\\d+) ([acdghklmt]{1,3}) = (\\d+) ([acdghklmt]{1,3})$"));
    const QRegularExpressionMatch match = shape.match(stored);
    QVERIFY2(match.hasMatch(), qPrintable(stored));

    int fromPower = 0;
    int toPower = 0;
    QChar fromQuantity;
    QChar toQuantity;
    QVERIFY2(metricUnit(match.captured(2), fromPower, fromQuantity), qPrintable(stored));
    QVERIFY2(metricUnit(match.captured(4), toPower, toQuantity), qPrintable(stored));
    QCOMPARE(fromQuantity, toQuantity);
    QVERIFY2(fromPower > toPower, "the sheet converts to smaller units");
    qint64 converted = match.captured(1).toLongLong();
    for (int p = toPower; p < fromPower; ++p)
        converted *= 10;
    QCOMPARE(converted, match.captured(3).toLongLong());
}

void TestSampleData::problemBand_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QSize>("screen");
    for (const Sheet &sheet : listedSheets())
        for (int e = 0; e < sheet.exerciseCount; ++e)
            for (const QSize &screen : screens)
                QTest::addRow("sheet %d exercise %d on %dx%d", sheet.number + 1, e + 1,
                    screen.width(), screen.height())
                    << sheet.number << e << screen;
    if (listedSheets().isEmpty())
        QTest::newRow("no exercise") << -1 << -1 << QSize();
}

// Text, picture and top animation share the problem band: each must lie within
// it and none may cover the text.
void TestSampleData::problemBand()
{
    QFETCH(int, sheet);
    QFETCH(int, exercise);
    QFETCH(QSize, screen);
    if (sheet < 0)
        QFAIL("the global settings file lists no sheet");
    const Sheet s = listedSheets().at(sheet);
    const QString section = QString::number(exercise);
    const DataFolders folders(sampleFolder());
    const LookRecords records(folders, screen);
    const DesignSpace design(screen);
    const IniFile file(folders.resolve(s.file));

    Look band;
    band.kind = LookKind::Panel;
    band.geometry = QRect(0, 0, 1057, 185);
    QVERIFY(
        records.loadPanel(band, elementRecord(s.file, section, QStringLiteral("LMDtestp"))).found);
    Look text;
    text.geometry = QRect(0, 0, 417, 168);
    QVERIFY(records.loadTextStrip(text, elementRecord(s.file, section, QStringLiteral("LMDtesto")))
                .found);
    QVERIFY(band.geometry.right() < screen.width());

    const QRect inside(QPoint(0, 0), band.geometry.size());
    const QRect picture(
        design.leftFromStored(file.readInteger(section, QStringLiteral("LMDImage.Left"), 0)),
        design.topFromStored(file.readInteger(section, QStringLiteral("LMDImage.Top"), 0)),
        file.readInteger(section, QStringLiteral("LMDImage.Width"), 100),
        file.readInteger(section, QStringLiteral("LMDImage.Height"), 100));
    const QRect animation(QPoint(design.leftFromStored(file.readInteger(
                                     QStringLiteral("GIFtop"), QStringLiteral("Left"), 20)),
                              design.topFromStored(file.readInteger(
                                  QStringLiteral("GIFtop"), QStringLiteral("Top"), 20))),
        topAnimationSize(file));
    QVERIFY(!animation.isEmpty());

    QVERIFY2(inside.contains(text.geometry), "the problem text leaves the band");
    QVERIFY2(inside.contains(picture), "the picture leaves the band");
    QVERIFY2(inside.contains(animation), "the top animation leaves the band");
    QVERIFY2(!picture.intersects(text.geometry), "the picture covers the text");
    QVERIFY2(!animation.intersects(text.geometry), "the top animation covers the text");
    QVERIFY2(textFits(text.text, text.font.size, text.geometry.size()), qPrintable(text.text));
}

void TestSampleData::readableTexts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("sheetWide");
    const auto add
        = [](const QString &file, const QString &section, const QString &prefix, bool sheetWide) {
              QTest::addRow("%s [%s] %s", qPrintable(file), qPrintable(section), qPrintable(prefix))
                  << file << section << prefix << sheetWide;
          };
    for (const Sheet &sheet : listedSheets()) {
        add(sheet.file, commonArea, QStringLiteral("LMD_LABEL"), true);
        for (int e = 0; e < sheet.exerciseCount; ++e)
            for (int k = 0; k < sheet.sectionCount(); ++k)
                add(sheet.file, QString::number(e), QStringLiteral("SEZIONE%1").arg(k), false);
    }
    add(QStringLiteral("SOL_INI\\GLOBAL.INI"), QStringLiteral("LMDFill15"),
        QStringLiteral("LMDFill15"), false);
    for (const char *element : { "LMDFill1", "LMDFill2", "LMDFill3", "LMDFill4", "LMDFill5" })
        add(QStringLiteral("SOL_INI\\SKIN.INI"), QLatin1String(element), QLatin1String(element),
            false);
}

// Every caption stays readable on the smallest screen: at least 10 points, and
// with room for its lines.
void TestSampleData::readableTexts()
{
    QFETCH(QString, file);
    QFETCH(QString, section);
    QFETCH(QString, prefix);
    QFETCH(bool, sheetWide);
    const DataFolders folders(sampleFolder());
    const LookRecords records(folders, screens.first());
    Look strip;
    strip.tag = sheetWide ? SheetWideTag : 0;
    QVERIFY(records.loadTextStrip(strip, elementRecord(file, section, prefix)).found);
    QVERIFY(!strip.text.isEmpty());
    QVERIFY2(strip.font.size >= 10, qPrintable(QString::number(strip.font.size)));
    if (!sheetWide)
        QVERIFY2(
            textFits(strip.text, strip.font.size, strip.geometry.size()), qPrintable(strip.text));
}

void TestSampleData::exerciseFileLooks_data()
{
    QTest::addColumn<QString>("file");
    for (const Sheet &sheet : listedSheets())
        QTest::newRow(qPrintable(sheet.file)) << sheet.file;
    QTest::newRow("blank model") << QStringLiteral("SOL_INI\\TipoX.INI");
}

void TestSampleData::exerciseFileLooks()
{
    QFETCH(QString, file);
    QVERIFY(sample().exists(file));
    const IniFile ini(sample().resolve(file));
    for (const char *record : { "LMD_LABEL", "LMDmessg", "LMDFill0" })
        QVERIFY2(
            !ini.readString(commonArea, QLatin1String(record) + QStringLiteral(".Name"), QString())
                 .isEmpty(),
            record);
    QVERIFY(!ini.readString(commonArea, QStringLiteral("LMD_LABEL.Caption"), QString()).isEmpty());
    for (int n = 1; n <= 6; ++n) {
        const QString gif = ini.readString(commonArea, QStringLiteral("GIF%1").arg(n), QString());
        QVERIFY2(gif.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive), qPrintable(gif));
    }
    QVERIFY(ini.keyExists(QStringLiteral("GIFtop"), QStringLiteral("Left")));
    QVERIFY(ini.keyExists(QStringLiteral("GIFtop"), QStringLiteral("Top")));
    // The blank model is what a new sheet starts from: it needs its first exercise.
    QVERIFY(ini.sectionExists(QStringLiteral("0")));
}

void TestSampleData::storedMediaPaths_data()
{
    QTest::addColumn<QString>("stored");
    const QRegularExpression mediaKey(
        QStringLiteral("^(W[1-7]|GIF[1-6]|FileName|.*\\.imgName|.*\\.FillObject\\.Image)$"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString &file : iniFiles()) {
        const IniFile ini(sample().resolve(file));
        for (const QString &section : ini.sectionNames()) {
            for (const QString &line : ini.sectionLines(section)) {
                const QString key = line.section(QLatin1Char('='), 0, 0).trimmed();
                if (!mediaKey.match(key).hasMatch())
                    continue;
                const QString value = ini.readString(section, key, QString());
                // An empty fill picture means a plain brush.
                if (value.isEmpty() && key.endsWith(QLatin1String(".Image"), Qt::CaseInsensitive))
                    continue;
                QTest::addRow("%s [%s] %s", qPrintable(file), qPrintable(section), qPrintable(key))
                    << value;
            }
        }
    }
}

void TestSampleData::storedMediaPaths()
{
    QFETCH(QString, stored);
    static const QRegularExpression shape(
        QStringLiteral("^(SOL_IMG\\\\[^\\\\/]+\\.(bmp|jpg|gif)|SOL_WAV\\\\[^\\\\/"
                       "]+\\.wav|SOL_INI\\\\[^\\\\/]+\\.INI)$"));
    QVERIFY2(shape.match(stored).hasMatch(), qPrintable(stored));
    QVERIFY2(sample().exists(stored), qPrintable(stored));
    // Written with the file's own case, so that no reader needs to guess.
    QVERIFY2(QFileInfo::exists(exactPath(stored)), qPrintable(stored));
}

void TestSampleData::fixedFiles_data()
{
    QTest::addColumn<QString>("stored");
    // Names the program uses as they stand, and the pictures of the start panel.
    for (const char *name :
        { "SOL_IMG\\Smiley Verde.bmp", "SOL_IMG\\Smiley Giallo.bmp", "SOL_IMG\\Smiley Rosso.bmp",
            "SOL_IMG\\coccarda.bmp", "SOL_IMG\\coccardaHElp.bmp", "SOL_IMG\\VERDE.bmp",
            "SOL_IMG\\GIALLO.bmp", "SOL_IMG\\ROSSO.bmp", "SOL_IMG\\Help.bmp", "SOL_IMG\\Dieci.bmp",
            "SOL_IMG\\Sfondo Avvio.bmp", "SOL_IMG\\Alunno.bmp", "SOL_IMG\\Maestra.bmp",
            "SOL_IMG\\Guida.bmp", "SOL_IMG\\Lavori in corso.bmp", "SOL_IMG\\Informazioni.bmp",
            "SOL_IMG\\Logo.bmp", "SOL_WAV\\ding.wav", "SOL_INI\\GLOBAL.INI", "SOL_INI\\SKIN.INI",
            "SOL_INI\\TipoX.INI", "SOL_INI\\Help.pdf" })
        QTest::newRow(name) << QString::fromUtf8(name);
    // Every exercise picture.
    for (const Sheet &sheet : listedSheets()) {
        const IniFile file(sample().resolve(sheet.file));
        for (int e = 0; e < sheet.exerciseCount; ++e)
            QTest::addRow("sheet %d exercise %d picture", sheet.number + 1, e + 1)
                << file.readString(
                       QString::number(e), QStringLiteral("LMDImage.imgName"), QString());
    }
}

void TestSampleData::fixedFiles()
{
    QFETCH(QString, stored);
    const QString path = exactPath(stored);
    QVERIFY2(QFileInfo::exists(path), qPrintable(stored));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp")) {
        // Uncompressed, with the 40-byte header every reader knows.
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(quint8(bytes.at(14)), quint8(40));
        QCOMPARE(quint8(bytes.at(30)), quint8(0));
        QVERIFY2(!QImage(path).isNull(), qPrintable(stored));
    } else if (suffix == QLatin1String("jpg")) {
        // The player accepts a JPEG only when it starts with FF D8 and ends with FF D9.
        QVERIFY(bytes.startsWith("\xFF\xD8"));
        QVERIFY(bytes.endsWith("\xFF\xD9"));
        QVERIFY2(!QImage(path).isNull(), qPrintable(stored));
    } else if (suffix == QLatin1String("pdf")) {
        QVERIFY(bytes.startsWith("%PDF-"));
    } else if (suffix == QLatin1String("wav")) {
        TWAVfile wav;
        QVERIFY(wav.ReadFromFile(path));
        QVERIFY(wav.valid());
    }
}

void TestSampleData::sounds_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("longest");
    const IniFile global(sample().globalSettingsFile());
    // Feedback waits for its sound; the cockade bell rings every 0.8 s.
    for (int n = 1; n <= 7; ++n)
        QTest::addRow("W%d", n) << global.readString(commonArea, QStringLiteral("W%1").arg(n),
            QString()) << 5.0;
    QTest::newRow("bell") << QStringLiteral("SOL_WAV\\ding.wav") << 0.8;
    const IniFile skin(sample().resolve(QStringLiteral("SOL_INI\\SKIN.INI")));
    QTest::newRow("music") << skin.readString(QStringLiteral("MUSICA"), QStringLiteral("W6"),
        QString()) << 20.0;
}

void TestSampleData::sounds()
{
    QFETCH(QString, stored);
    QFETCH(double, longest);
    const QString path = exactPath(stored);
    QVERIFY2(QFileInfo::exists(path), qPrintable(stored));

    TWAVfile wav;
    QVERIFY(wav.ReadFromFile(path));
    QVERIFY(wav.valid());
    QCOMPARE(wav.formatTag(), quint16(1));
    QCOMPARE(wav.channels(), quint8(1));
    QCOMPARE(wav.bitsPerSample(), quint8(16));
    QCOMPARE(wav.headerSize(), quint16(44));
    QCOMPARE(qint64(wav.fileSize()), QFileInfo(path).size());
    QCOMPARE(qint64(wav.dataSize()), QFileInfo(path).size() - 44);
    QVERIFY(wav.Duration() >= 0.1);
    QVERIFY2(wav.Duration() <= longest, qPrintable(QString::number(wav.Duration())));
}

void TestSampleData::animatedPictures_data()
{
    QTest::addColumn<QString>("stored");
    QStringList seen;
    for (const QString &file : iniFiles()) {
        const IniFile ini(sample().resolve(file));
        for (const QString &section : ini.sectionNames()) {
            for (const QString &line : ini.sectionLines(section)) {
                const QString value = ini.readString(
                    section, line.section(QLatin1Char('='), 0, 0).trimmed(), QString());
                if (value.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)
                    && !seen.contains(value))
                    seen << value;
            }
        }
    }
    for (const QString &gif : std::as_const(seen))
        QTest::newRow(qPrintable(gif)) << gif;
}

void TestSampleData::animatedPictures()
{
    QFETCH(QString, stored);
    QImageReader reader(exactPath(stored));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QVERIFY(reader.supportsAnimation());
    QVERIFY(reader.imageCount() >= 4);
    const QSize size = reader.size();
    // Small enough for the problem band and the bottom of the work area.
    QVERIFY(size.width() <= 140 && size.height() <= 140);
    QVERIFY(!reader.read().isNull());
}

void TestSampleData::skin()
{
    const IniFile global(sample().globalSettingsFile());
    const QString skinFile = global.readString(
        QStringLiteral("SKIN"), QStringLiteral("FileName"), QStringLiteral("SOL_INI\\SKIN.INI"));
    QVERIFY(sample().exists(skinFile));
    const IniFile skin(sample().resolve(skinFile));

    for (const char *element :
        { "LMDsfondoUnit1", "LMDFill1", "LMDFill2", "LMDFill3", "LMDFill4", "LMDFill5" })
        QVERIFY2(!skin.readString(QLatin1String(element),
                          QLatin1String(element) + QStringLiteral(".Name"), QString())
                      .isEmpty(),
            element);
    QVERIFY(
        !global.readString(QStringLiteral("LMDFill15"), QStringLiteral("LMDFill15.Name"), QString())
             .isEmpty());

    // The music plays only when the switch reads exactly "ON" and the whistle is not "NO".
    QCOMPARE(skin.readString(QStringLiteral("MUSICA"), QStringLiteral("W6_ON_OFF"), QString()),
        QStringLiteral("ON"));
    QVERIFY(skin.readString(commonArea, QStringLiteral("FISCHIO"), QStringLiteral("SI"))
        != QLatin1String("NO"));

    int pictures = 0;
    for (int i = 0; i < 100; ++i) {
        const QString section = QStringLiteral("ani%1").arg(100 + i);
        const QString file
            = skin.readString(section, QStringLiteral("FileName"), QStringLiteral("#"));
        if (file == QLatin1String("#"))
            continue;
        ++pictures;
        QVERIFY2(sample().exists(file), qPrintable(file));
        const int x1 = skin.readInteger(section, QStringLiteral("X1"), -1);
        const int y1 = skin.readInteger(section, QStringLiteral("Y1"), -1);
        const int x2 = skin.readInteger(section, QStringLiteral("X2"), -1);
        const int y2 = skin.readInteger(section, QStringLiteral("Y2"), -1);
        const int dx = skin.readInteger(section, QStringLiteral("DX"), 1);
        if (x2 < 0)
            continue;
        // A step that points away from the end would carry the picture off for good.
        QVERIFY2(dx != 0, qPrintable(section));
        if (x2 != x1)
            QVERIFY2((dx > 0) == (x2 > x1), qPrintable(section));
        else
            QVERIFY2((dx > 0) == (y2 >= y1), qPrintable(section));
        for (const int x : { x1, x2 })
            QVERIFY2(x >= 0 && x < 3360, qPrintable(section));
        for (const int y : { y1, y2 })
            QVERIFY2(y >= 0 && y < 2100, qPrintable(section));
    }
    QVERIFY(pictures >= 2);
}

void TestSampleData::iniFileText_data()
{
    QTest::addColumn<QString>("stored");
    for (const QString &file : iniFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestSampleData::iniFileText()
{
    QFETCH(QString, stored);
    QFile file(exactPath(stored));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    QVERIFY(!utf8.hasError());
    // No value may outgrow what a read returns.
    for (const QString &line : text.split(QStringLiteral("\r\n")))
        QVERIFY(line.size() < 2047);
}

void TestSampleData::staysSmall()
{
    qint64 total = 0;
    QDirIterator it(sampleFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        total += QFileInfo(it.next()).size();
    QVERIFY2(total < 8 * 1024 * 1024, qPrintable(QString::number(total)));
}

QTEST_GUILESS_MAIN(TestSampleData)
#include "tst_sampledata.moc"
