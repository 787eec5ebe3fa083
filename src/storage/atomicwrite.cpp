#include "storage/atomicwrite.h"

#include "base/error.h"

#include <QSaveFile>

namespace solvaro {

namespace {

std::function<bool(const QString &path)> &fault()
{
    static std::function<bool(const QString &path)> fails;
    return fails;
}

} // namespace

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const Error failure(QStringLiteral("Unable to write to %1").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure;
    if (file.write(bytes) != bytes.size() || (fault() && fault()(path))) {
        file.cancelWriting();
        throw failure;
    }
    if (!file.commit())
        throw failure;
}

WriteFault::WriteFault(std::function<bool(const QString &path)> fails)
    : m_previous(std::exchange(fault(), std::move(fails)))
{
}

WriteFault::~WriteFault()
{
    fault() = std::move(m_previous);
}

} // namespace solvaro
