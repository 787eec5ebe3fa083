// Every input of the fuzzers' corpus, the findings among them, through the
// same entry points the fuzzers run; in the sanitizer build too.
#include "fuzztargets.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace solvaro;

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void everyTargetHasACorpus();
    void replays_data();
    void replays();
};

void TestFuzzCorpus::everyTargetHasACorpus()
{
    const QDir corpus(QStringLiteral(SOLVARO_FUZZ_CORPUS_DIR));
    QStringList names;
    for (const fuzz::NamedTarget &target : fuzz::targets())
        names << QLatin1StringView(target.name);
    names.sort();
    QCOMPARE(corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), names);
    for (const QString &name : names)
        QVERIFY2(!QDir(corpus.filePath(name)).isEmpty(QDir::Files), qPrintable(name));
}

void TestFuzzCorpus::replays_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("file");
    QDirIterator files(
        QStringLiteral(SOLVARO_FUZZ_CORPUS_DIR), QDir::Files, QDirIterator::Subdirectories);
    QStringList paths;
    while (files.hasNext())
        paths << files.next();
    paths.sort();
    for (const QString &path : std::as_const(paths)) {
        const QFileInfo info(path);
        const QString target = info.dir().dirName();
        QTest::newRow(qPrintable(target + QLatin1Char('/') + info.fileName())) << target << path;
    }
}

void TestFuzzCorpus::replays()
{
    QFETCH(QString, target);
    QFETCH(QString, file);
    const fuzz::Target run = fuzz::targetNamed(target);
    QVERIFY(run);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    run(input.readAll());
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
