// Loads one sound file as the game does and prints how many bytes it plays and the process's
// peak memory, for docs/robustness.md: sound_load FILE
#include "SoundPlayer.h"

#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: sound_load FILE\n", stderr);
        return 2;
    }
    const QByteArray samples = SoundPlayer::load(QString::fromLocal8Bit(argv[1]));
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM"))
            std::printf("%lld bytes to play (0: the built-in tone); %s\n",
                        static_cast<long long>(samples.size()), line.simplified().constData());
    return 0;
}
