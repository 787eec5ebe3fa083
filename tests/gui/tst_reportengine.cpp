#include "support/scripteddialogs.h"
#include "support/testinstallation.h"
#include "ui/report/reportengine.h"
#include "ui/report/reportpreview.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

// A page of 100 x 60 mm with 5 mm margins: 50 mm of room, 45 above the footer.
const QByteArray layoutTemplate = R"([Report]
Title=Prova
[Variables variabili]
ROW=
HIDE=
[Page P]
Width=100
Height=60
Left=5
Top=5
Right=5
Bottom=5
[Band Head]
Kind=Title
Height=20
[Band Rows]
Kind=Data
Height=10
[Band End]
Kind=Summary
Height=15
[Band Foot]
Kind=PageFooter
Height=5
[Text Heading]
Band=Head
Left=0
Top=0
Width=90
Height=20
Text=Heading [UNKNOWN]
[Text Cell]
Band=Rows
Left=10
Top=2
Width=50
Height=6
Text=row [ROW] of [ROW]
[Text Marker]
Band=Rows
Left=60
Top=0
Width=10
Height=10
Text=[HIDE]
[Text Closing]
Band=End
Left=0
Top=0
Width=90
Height=15
Text=end
[Text Footer]
Band=Foot
Left=0
Top=0
Width=90
Height=5
Text=foot
)";

QStringList textsOf(const PreparedPage &page, const QString &name)
{
    QStringList texts;
    for (const PreparedObject &object : page.objects) {
        if (object.object.name == name)
            texts.append(object.text);
    }
    return texts;
}

QList<QRectF> rectsOf(const PreparedPage &page, const QString &name)
{
    QList<QRectF> rects;
    for (const PreparedObject &object : page.objects) {
        if (object.object.name == name)
            rects.append(object.rect);
    }
    return rects;
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void refusedTemplates_data();
    void refusedTemplates();
    void findObjectIgnoresCase();
    void bandsFlowOntoNewSheets();
    void variablesAreAskedInTemplateOrder();
    void aVariableChangesTheWholeBand();
    void literalTextsAreNotExpanded();
    void dataBandWithoutRowsSource_data();
    void dataBandWithoutRowsSource();
    void paintsFillsFramesAndPictures();
    void pdfExport();
    void printsOnAPrinter();
    void previewSavesAsPdf_data();
    void previewSavesAsPdf();

private:
    QString writeTemplate(const QByteArray &content, const QString &name = u"report.frf"_s) const;

    std::unique_ptr<TestInstallation> m_installation;
};

void TestReportEngine::init()
{
    m_installation = std::make_unique<TestInstallation>();
    QVERIFY(m_installation->isValid());
}

QString TestReportEngine::writeTemplate(const QByteArray &content, const QString &name) const
{
    m_installation->writeFile(u"SOL_INI/"_s + name, content);
    return m_installation->path(u"SOL_INI/"_s + name);
}

void TestReportEngine::refusedTemplates_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    const QByteArray page = "[Page P]\n";
    QTest::newRow("missing") << QByteArray() << u"The report template %1 was not found."_s;
    QTest::newRow("no page") << QByteArray("[Report]\nTitle=x\n")
                             << u"The report template %1 has no page."_s;
    QTest::newRow("unknown section")
        << page + "[Txt memo0]\nBand=B\n"
        << u"The report template %1 has an unknown section [Txt memo0]."_s;
    QTest::newRow("band of no kind")
        << page + "[Band B]\nKind=Middle\n"
        << u"The band B of the report template %1 has no known kind."_s;
    QTest::newRow("band on a missing page")
        << page + "[Band B]\nKind=Data\nPage=Q\n"
        << u"The band B of the report template %1 is on a missing page."_s;
    QTest::newRow("object on a missing band")
        << page + "[Band B]\nKind=Data\n[Text memo7]\nBand=C\n"
        << u"The object memo7 of the report template %1 is on a missing band."_s;
}

void TestReportEngine::refusedTemplates()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path
        = content.isEmpty() ? m_installation->path(u"SOL_INI/none.frf"_s) : writeTemplate(content);
    ReportEngine engine;

    QVERIFY(!engine.loadFromFile(path));
    QCOMPARE(engine.errorString(), message.arg(path));
    QVERIFY(!engine.isLoaded());
    engine.prepareReport();
    QVERIFY(engine.preparedPages().isEmpty());
}

void TestReportEngine::findObjectIgnoresCase()
{
    ReportEngine engine;
    QVERIFY2(engine.loadFromFile(writeTemplate(layoutTemplate)), qPrintable(engine.errorString()));
    QVERIFY(engine.findObject(u"cell"_s));
    QCOMPARE(engine.findObject(u"CELL"_s)->name, u"Cell"_s);
    QCOMPARE(engine.findObject(u"Nothing"_s), nullptr);
    QCOMPARE(engine.reportTemplate().title, u"Prova"_s);
}

void TestReportEngine::bandsFlowOntoNewSheets()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    int row = 0;
    engine.setDataSetCallback([&row](ReportDataOperation operation, int &value) {
        if (operation == ReportDataOperation::RowCount)
            value = 4;
        else if (operation == ReportDataOperation::First)
            row = 1;
        else
            ++row;
    });
    engine.setValueCallback([&row](const QString &name) {
        return name == u"ROW"_s ? QString::number(row) : QString();
    });

    engine.prepareReport();

    const QList<PreparedPage> &pages = engine.preparedPages();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].size, QSizeF(100, 60));
    QCOMPARE(textsOf(pages[0], u"Heading"_s), QStringList { u"Heading [UNKNOWN]"_s });
    QCOMPARE(textsOf(pages[0], u"Cell"_s), QStringList({ u"row 1 of 1"_s, u"row 2 of 2"_s }));
    QCOMPARE(rectsOf(pages[0], u"Cell"_s),
        QList<QRectF>({ QRectF(15, 27, 50, 6), QRectF(15, 37, 50, 6) }));
    QCOMPARE(rectsOf(pages[0], u"Footer"_s), QList<QRectF> { QRectF(5, 50, 90, 5) });
    QCOMPARE(textsOf(pages[1], u"Cell"_s), QStringList({ u"row 3 of 3"_s, u"row 4 of 4"_s }));
    QCOMPARE(rectsOf(pages[1], u"Cell"_s),
        QList<QRectF>({ QRectF(15, 7, 50, 6), QRectF(15, 17, 50, 6) }));
    QCOMPARE(rectsOf(pages[1], u"Closing"_s), QList<QRectF> { QRectF(5, 25, 90, 15) });
    QCOMPARE(textsOf(pages[1], u"Footer"_s), QStringList { u"foot"_s });
    QVERIFY(textsOf(pages[1], u"Heading"_s).isEmpty());
}

void TestReportEngine::variablesAreAskedInTemplateOrder()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    engine.setDataSetCallback([](ReportDataOperation operation, int &value) {
        if (operation == ReportDataOperation::RowCount)
            value = 2;
    });
    QStringList asked;
    engine.setValueCallback([&asked](const QString &name) {
        asked.append(name);
        return QString();
    });

    engine.prepareReport();

    QCOMPARE(asked, QStringList({ u"ROW"_s, u"ROW"_s, u"HIDE"_s, u"ROW"_s, u"ROW"_s, u"HIDE"_s }));
}

void TestReportEngine::aVariableChangesTheWholeBand()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    int row = 0;
    engine.setDataSetCallback([&row](ReportDataOperation operation, int &value) {
        if (operation == ReportDataOperation::RowCount)
            value = 3;
        row = operation == ReportDataOperation::First ? 1 : row + 1;
    });
    // "HIDE", asked by the last object of the row, hides the first one on the
    // second row and colours it on the third.
    engine.setValueCallback([&engine, &row](const QString &name) {
        ReportObject *cell = engine.findObject(u"Cell"_s);
        if (name == u"HIDE"_s) {
            cell->visible = row != 2;
            cell->fillColor = row == 3 ? QColor(Qt::red) : QColor(Qt::transparent);
        }
        return QString();
    });

    engine.prepareReport();

    const PreparedPage &page = engine.preparedPages().constFirst();
    QCOMPARE(textsOf(page, u"Marker"_s).size(), 2);
    QCOMPARE(textsOf(page, u"Cell"_s).size(), 1);
    QList<QColor> fills;
    for (const PreparedObject &object : page.objects) {
        if (object.object.name == u"Cell"_s)
            fills.append(object.object.fillColor);
    }
    QCOMPARE(fills, QList<QColor> { QColor(Qt::transparent) });
    const PreparedPage &next = engine.preparedPages().constLast();
    QCOMPARE(engine.preparedPages().size(), 2);
    QCOMPARE(next.objects.constFirst().object.name, u"Cell"_s);
    QCOMPARE(next.objects.constFirst().object.fillColor, QColor(Qt::red));
}

void TestReportEngine::literalTextsAreNotExpanded()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    ReportObject *cell = engine.findObject(u"Cell"_s);
    cell->text = u"[ROW] as typed"_s;
    cell->textIsLiteral = true;
    int asked = 0;
    engine.setValueCallback([&asked](const QString &) {
        ++asked;
        return u"value"_s;
    });

    engine.prepareReport();

    QCOMPARE(textsOf(engine.preparedPages().constFirst(), u"Cell"_s),
        QStringList { u"[ROW] as typed"_s });
    QCOMPARE(textsOf(engine.preparedPages().constFirst(), u"Marker"_s), QStringList { u"value"_s });
    QCOMPARE(asked, 1);
}

void TestReportEngine::dataBandWithoutRowsSource_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("printed");
    QTest::newRow("no source") << -1 << 1;
    QTest::newRow("no rows") << 0 << 0;
    QTest::newRow("negative count") << -5 << 0;
}

void TestReportEngine::dataBandWithoutRowsSource()
{
    QFETCH(int, rows);
    QFETCH(int, printed);
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    if (rows != -1) {
        engine.setDataSetCallback([rows](ReportDataOperation operation, int &value) {
            if (operation == ReportDataOperation::RowCount)
                value = rows;
        });
    }

    engine.prepareReport();

    QCOMPARE(engine.preparedPages().size(), 1);
    QCOMPARE(textsOf(engine.preparedPages().constFirst(), u"Cell"_s).size(), printed);
    QCOMPARE(textsOf(engine.preparedPages().constFirst(), u"Closing"_s).size(), 1);
}

void TestReportEngine::paintsFillsFramesAndPictures()
{
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(QColor(0, 0, 255));
    QVERIFY(dot.save(m_installation->path(u"SOL_IMG/dot.bmp"_s)));
    ReportEngine engine;
    engine.setPictureResolver(
        [this](const QString &stored) { return m_installation->path(stored); });
    QVERIFY2(engine.loadFromFile(writeTemplate(R"([Page P]
Width=100
Height=50
Left=0
Top=0
[Band B]
Kind=Title
Height=50
[Text Red]
Band=B
Left=10
Top=10
Width=20
Height=10
FillColor=#FF0000
Frame=1
FrameWidth=1
FrameColor=65280
[Picture Blue]
Band=B
Left=50
Top=10
Width=20
Height=20
File=SOL_IMG\dot.bmp
Fit=Stretch
[Picture Missing]
Band=B
Left=0
Top=0
Width=5
Height=5
File=SOL_IMG\none.bmp
)")),
        qPrintable(engine.errorString()));
    engine.prepareReport();
    QImage image(1000, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        engine.paintPage(painter, 0, QRectF(0, 0, 1000, 500));
    }

    QCOMPARE(image.pixelColor(200, 150), QColor(255, 0, 0));
    // The frame, colour number 65280 (green), on the fill's edge.
    QCOMPARE(image.pixelColor(100, 150), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(600, 200), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(25, 25), QColor(Qt::white));
    QCOMPARE(image.pixelColor(900, 450), QColor(Qt::white));
}

void TestReportEngine::pdfExport()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    engine.prepareReport();
    const QString pdf = m_installation->path(u"SOL_TMP/report.pdf"_s);

    QVERIFY(engine.exportPdf(pdf));
    QVERIFY(m_installation->readFile(u"SOL_TMP/report.pdf"_s).startsWith("%PDF"));

    QVERIFY(!engine.exportPdf(m_installation->path(u"missing/report.pdf"_s)));
}

void TestReportEngine::printsOnAPrinter()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    engine.prepareReport();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_installation->path(u"SOL_TMP/printed.pdf"_s));

    engine.print(printer);

    QVERIFY(m_installation->readFile(u"SOL_TMP/printed.pdf"_s).startsWith("%PDF"));
    QVERIFY(printer.fullPage());
    QCOMPARE(printer.pageLayout().pageSize().size(QPageSize::Millimeter), QSizeF(100, 60));
}

void TestReportEngine::previewSavesAsPdf_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("saved") << u"SOL_TMP/out.pdf"_s << true << QStringList {};
    QTest::newRow("cancelled") << QString() << false << QStringList {};
    QTest::newRow("folder missing")
        << u"missing/out.pdf"_s << false << QStringList { u"Unable to write to %1"_s };
}

void TestReportEngine::previewSavesAsPdf()
{
    QFETCH(QString, chosen);
    QFETCH(bool, written);
    QFETCH(QStringList, messages);
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(writeTemplate(layoutTemplate)));
    engine.prepareReport();
    ScriptedDialogs dialogs;
    const QString file = chosen.isEmpty() ? QString() : m_installation->path(chosen);
    dialogs.fileAnswers = { file };
    ReportPreviewDialog preview(dialogs, nullptr, [] { return u"/home/anna/Documents"_s; });

    preview.saveAsPdf(engine);

    QCOMPARE(dialogs.lastFolder, u"/home/anna/Documents"_s);
    QCOMPARE(QFileInfo::exists(file), written);
    for (QString &message : messages)
        message = message.arg(file);
    QCOMPARE(dialogs.messages, messages);
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
