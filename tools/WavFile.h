#pragma once

#include <QByteArray>
#include <QString>

// 16-bit PCM mono .wav files: the game's sounds are made in this format, and the tests read
// them back to find them in what the audio device was given.
namespace WavFile {

// A complete file: RIFF header, fmt chunk, data chunk with the samples (S16LE).
QByteArray encode(const QByteArray &samples, int sampleRate);
bool write(const QString &path, const QByteArray &samples, int sampleRate);
// The data chunk of a 16-bit PCM mono file, or nothing when the file is of another kind.
QByteArray readSamples(const QString &path, int *sampleRate = nullptr);

} // namespace WavFile
