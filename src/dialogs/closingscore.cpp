#include "dialogs/closingscore.h"

#include "media/wavfile.h"
#include "storage/datafolders.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"

#include <algorithm>
#include <limits>

namespace solvaro {

QPoint cockadePosition(int k)
{
    return QPoint((k % 10) * 55 + (k / 10) * 10 + 80, (k / 10) * 10 + 380);
}

int closeSoundIntervalMs(const QString &wavFile)
{
    constexpr qint64 msPerWholeSecond = 999;
    constexpr qint64 extraMs = 4995;
    TWAVfile wav;
    qint64 seconds = 0;
    if (wav.ReadFromFile(wavFile) && wav.valid()) {
        const qint64 riffChunkSize = qint64(wav.fileSize()) - 8;
        // The byte rate of the format block is samples per second times block
        // alignment; unlike the reader's sample rate it is never cut to 16 bits.
        const qint64 bytesPerSecond = wav.bytesPerSecond();
        if (bytesPerSecond > 0 && riffChunkSize > 0)
            seconds = riffChunkSize / bytesPerSecond;
    }
    return int(
        std::min<qint64>(seconds * msPerWholeSecond + extraMs, std::numeric_limits<int>::max()));
}

QString eventSoundPath(const DataFolders &folders, int n)
{
    const IniFile settings(folders.globalSettingsFile());
    const QString stored = settings.readString(globalSettings::commonArea,
        globalSettings::soundKey(globalSettings::EventSound(n)), QString());
    if (stored.isEmpty())
        return folders.executableFolder();
    return folders.resolve(stored);
}

} // namespace solvaro
