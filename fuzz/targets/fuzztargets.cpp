#include "fuzztargets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace solvaro::fuzz {

const std::vector<NamedTarget> &targets()
{
    static const std::vector<NamedTarget> all {
        { "inifile", iniFile },
        { "evaluator", evaluator },
        { "wavfile", wavFile },
        { "jpeg", jpeg },
        { "picture", picture },
        { "reporttemplate", reportTemplate },
        { "progressfile", progressFile },
        { "progressfolder", progressFolder },
        { "scheme", scheme },
        { "skinfile", skinFile },
    };
    return all;
}

Target targetNamed(const QString &name)
{
    for (const NamedTarget &target : targets()) {
        if (name == QLatin1StringView(target.name))
            return target.run;
    }
    return nullptr;
}

void expect(bool holds, const char *promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

QString scratchFolder()
{
    // The fuzzers write an input file for every run: into the folder the
    // fuzz script hands over (it removes it even after a crash), else onto a
    // memory file system where there is one.
    static const QString parent = [] {
        const QString given = qEnvironmentVariable("SOLVARO_FUZZ_SCRATCH");
        if (!given.isEmpty())
            return given;
        return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                         : QDir::tempPath();
    }();
    static const QTemporaryDir folder(parent + QStringLiteral("/solvaro-fuzz-XXXXXX"));
    expect(folder.isValid(), "the scratch folder can be made");
    return folder.path() + QLatin1Char('/');
}

QString inputFile(const QByteArray &input, const QString &name)
{
    const QString path = scratchFolder() + name;
    QFile file(path);
    expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file can be written");
    expect(file.write(input) == input.size(), "the input file can be written");
    return path;
}

} // namespace solvaro::fuzz
