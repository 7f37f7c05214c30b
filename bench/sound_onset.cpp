// Reads 16-bit mono samples as an audio device is given them (SDL's disk driver writing into a
// FIFO, or a sound server's monitor on standard input) and prints the wall-clock time, in
// milliseconds since the epoch, of every sound that starts after at least 50 ms of silence.
//   sound_onset [FILE]   (standard input when no file is given)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const int fd = argc > 1 ? ::open(argv[1], O_RDONLY) : 0;
    if (fd < 0) {
        std::perror(argv[1]);
        return 1;
    }
    constexpr int kRate = 44100;
    constexpr int kSilenceSamples = kRate / 20;
    constexpr int kThreshold = 64; // above the noise a sound server may add
    std::int16_t samples[256];
    long quiet = kSilenceSamples;
    for (;;) {
        const ssize_t got = ::read(fd, samples, sizeof samples);
        if (got <= 0)
            return 0;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        for (ssize_t i = 0; i < got / 2; ++i) {
            if (std::abs(samples[i]) < kThreshold) {
                ++quiet;
                continue;
            }
            if (quiet >= kSilenceSamples) {
                std::printf("%.1f\n", std::chrono::duration<double, std::milli>(now).count());
                std::fflush(stdout);
            }
            quiet = 0;
        }
    }
}
