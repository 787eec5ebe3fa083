#include "media/wavfile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace solvaro {

namespace {

constexpr qint64 fixedHeaderSize = 40;
constexpr qint64 chunkHeaderSize = 8;
constexpr qint64 firstChunk = 12;
// Real files have a handful of chunks; this bounds the work a hostile one causes.
constexpr int chunkLimit = 1024;

quint16 word16(const char *at)
{
    return qFromLittleEndian<quint16>(at);
}

quint32 word32(const char *at)
{
    return qFromLittleEndian<quint32>(at);
}

bool hasId(const char *at, const char *id)
{
    return std::equal(at, at + 4, id);
}

struct Chunks {
    bool hasFact = false;
    qint32 sampleCount = 0;
    bool hasData = false;
    qint64 dataStart = 0;
    qint64 dataSize = 0;
};

// Walks the chunks that follow the RIFF header, reading nothing beyond the end
// of the file. Chunks of odd length carry a pad byte.
Chunks walkChunks(QFile &file)
{
    Chunks found;
    const qint64 end = file.size();
    qint64 position = firstChunk;
    for (int i = 0; i < chunkLimit && position + chunkHeaderSize <= end; ++i) {
        char header[chunkHeaderSize];
        if (!file.seek(position) || file.read(header, chunkHeaderSize) != chunkHeaderSize)
            break;
        const qint64 size = word32(header + 4);
        const qint64 body = position + chunkHeaderSize;
        if (!found.hasFact && hasId(header, "fact") && size >= 4 && body + 4 <= end) {
            char count[4];
            if (file.read(count, 4) == 4) {
                found.hasFact = true;
                found.sampleCount = qint32(word32(count));
            }
        } else if (!found.hasData && hasId(header, "data")) {
            found.hasData = true;
            found.dataStart = body;
            found.dataSize = std::min(size, end - body);
        }
        if (found.hasFact && found.hasData)
            break;
        position = body + size + (size & 1);
    }
    return found;
}

} // namespace

void TWAVfile::reset()
{
    *this = TWAVfile();
}

bool TWAVfile::ReadFromFile(const QString &fileName)
{
    reset();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    char header[fixedHeaderSize];
    if (file.read(header, fixedHeaderSize) != fixedHeaderSize)
        return false;

    if (!hasId(header, "RIFF") || !hasId(header + 8, "WAVE") || !hasId(header + 12, "fmt "))
        return true;
    const quint16 channelCount = word16(header + 22);
    if (channelCount != 1 && channelCount != 2)
        return true;

    const Chunks chunks = walkChunks(file);
    m_valid = true;
    m_formatTag = word16(header + 20);
    m_channels = quint8(channelCount);
    m_fullSampleRate = word32(header + 24);
    m_sampleRate = quint16(m_fullSampleRate);
    m_bytesPerSecond = word32(header + 28);
    m_blockAlignment = word16(header + 32);
    m_bitsPerSample = quint8(word16(header + 34));
    m_sampleCount = chunks.hasFact ? chunks.sampleCount : 0;
    m_fileSize = word32(header + 4) + 8u;
    m_hasData = chunks.hasData;
    m_dataSize = quint32(chunks.dataSize);
    if (chunks.hasData)
        m_headerSize = quint16(chunks.dataStart);
    else if (hasId(header + 36, "data"))
        m_headerSize = 44;
    else
        m_headerSize = quint16(word32(header + 16) + 40u);
    if (m_fileSize < m_headerSize)
        m_headerSize = quint16(m_fileSize);
    return true;
}

double TWAVfile::Duration() const
{
    if (!m_valid)
        return 0.0;
    const bool dataKnown = m_bytesPerSecond > 0 && m_hasData;
    const double dataSeconds = dataKnown ? double(m_dataSize) / double(m_bytesPerSecond) : 0.0;
    if (m_sampleCount > 0 && m_fullSampleRate > 0) {
        // A count the sound data cannot hold would be waited out for nothing:
        // the sound plays only what the file holds.
        const double counted = double(m_sampleCount) / double(m_fullSampleRate);
        return dataKnown ? std::min(counted, dataSeconds) : counted;
    }
    if (m_sampleCount == 0)
        return dataSeconds;
    return 0.0;
}

} // namespace solvaro
