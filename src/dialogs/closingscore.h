#pragma once

#include <QPoint>
#include <QString>

namespace solvaro {

class DataFolders;

// The arithmetic of the closing screen, apart from its widgets.

// Where cockade k (from 0) goes on the closing screen's panel: ten to a row,
// 55 pixels apart, every row 10 pixels lower and 10 further right.
QPoint cockadePosition(int k);

// How long the closing screen waits after starting the "program close" sound:
// trunc(R / (samples per second x block alignment)) x 999 + 4995 ms, R being
// the RIFF chunk size; about the sound's whole seconds plus five. A file that
// is not a readable WAV counts as lasting no time.
int closeSoundIntervalMs(const QString &wavFile);

// The full path of the event sound "W" + n of the global settings file; the
// executable folder alone when the key is empty or missing, and empty when
// the stored path would leave the installation.
QString eventSoundPath(const DataFolders &folders, int n);

} // namespace solvaro
