// One libFuzzer program per target, chosen by SOLVARO_FUZZ_TARGET when built.
#include "fuzztargets.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace {

solvaro::fuzz::Target target = nullptr;

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
    // Qt's warnings about damaged pictures would be most of the run's time.
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler(quiet);
    target = solvaro::fuzz::targetNamed(QStringLiteral(SOLVARO_FUZZ_TARGET));
    solvaro::fuzz::expect(target != nullptr, "the fuzz target exists");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    target(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
