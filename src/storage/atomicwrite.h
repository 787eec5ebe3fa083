#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace solvaro {

// Writes a file in one piece: the new content goes to a temporary file beside
// it, which takes the file's place only once it is complete on disk, so that
// neither a failure nor a crash ever leaves half a file. When the write fails
// the file stays as it was and Error("Unable to write to <path>") is thrown.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Makes atomic writes fail while it lives, as a full disk, a folder made
// read-only or a directory put in the file's place would: each write asks it,
// once the new content is complete beside the file and before that replaces
// it, and fails when fails(path) says so. Only tests make one.
class WriteFault
{
public:
    explicit WriteFault(std::function<bool(const QString &path)> fails);
    ~WriteFault();
    WriteFault(const WriteFault &) = delete;
    WriteFault &operator=(const WriteFault &) = delete;

private:
    std::function<bool(const QString &path)> m_previous;
};

} // namespace solvaro
