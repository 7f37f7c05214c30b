#pragma once

#include <QString>

// The game's sounds, by the bare names they are looked up under in the current directory.
namespace GameSounds {
inline const QString Goodbye = QStringLiteral("goodbye.wav");
inline const QString Hit = QStringLiteral("music.wav");
inline const QString Miss = QStringLiteral("no.wav");
inline const QString Loss = QStringLiteral("scream.wav");
inline const QString Win = QStringLiteral("winner.wav");
} // namespace GameSounds
