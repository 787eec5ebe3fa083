#pragma once

#include <QString>

#include <QtGlobal>

namespace solvaro {

// Reads the header of a WAV sound file to tell how long the sound plays, without
// decoding any sound. The feedback animation runs for as long as its sound.
//
// Besides the fixed header, the file's chunks are walked, never past the end of
// the file: the sample count comes only from a "fact" chunk, and the length of
// the sound data from the "data" chunk, however many other chunks ("LIST" and
// the like) stand before it.
class TWAVfile
{
public:
    // Forgets what was read, then reads the header. True when the file could be
    // opened and holds at least the 40 bytes of the fixed header, whether or not
    // that header is valid; valid() tells whether the values were filled.
    bool ReadFromFile(const QString &fileName);

    // Playing time in seconds: the sample count over the sample rate when a
    // "fact" chunk gives a count, but never longer than the sound data lasts
    // at the bytes per second; else the length of the sound data over the
    // bytes per second; 0 when not valid or when neither is known.
    double Duration() const;

    // True when the last read found "RIFF", "WAVE", "fmt " and one or two channels.
    bool valid() const { return m_valid; }
    quint16 formatTag() const { return m_formatTag; }
    quint8 channels() const { return m_channels; }
    // The rate cut to its low 16 bits: 96000 Hz shows as 30464.
    quint16 sampleRate() const { return m_sampleRate; }
    quint32 bytesPerSecond() const { return m_bytesPerSecond; }
    quint16 blockAlignment() const { return m_blockAlignment; }
    quint8 bitsPerSample() const { return m_bitsPerSample; }
    // From the "fact" chunk; 0 without one.
    qint32 sampleCount() const { return m_sampleCount; }
    // Where the sound data starts (low 16 bits); without a "data" chunk, 44 when
    // the chunk after the format block is "data", else the format size plus 40.
    // Never more than the file size.
    quint16 headerSize() const { return m_headerSize; }
    // The size the RIFF header declares: its chunk size plus 8.
    quint32 fileSize() const { return m_fileSize; }
    // Bytes of sound data: the "data" chunk's declared length, cut to what the
    // file holds; 0 without a "data" chunk.
    quint32 dataSize() const { return m_dataSize; }

private:
    void reset();

    bool m_valid = false;
    quint16 m_formatTag = 0;
    quint8 m_channels = 0;
    quint16 m_sampleRate = 0;
    // The uncut rate, for the duration: a cut rate would make a 96000 Hz sound
    // last three times as long.
    quint32 m_fullSampleRate = 0;
    quint32 m_bytesPerSecond = 0;
    quint16 m_blockAlignment = 0;
    quint8 m_bitsPerSample = 0;
    qint32 m_sampleCount = 0;
    quint16 m_headerSize = 0;
    quint32 m_fileSize = 0;
    quint32 m_dataSize = 0;
    bool m_hasData = false;
};

} // namespace solvaro
