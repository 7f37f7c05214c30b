// Loaded with LD_PRELOAD by scripts/bench-sound.sh: every file opened with fopen() writes
// without stdio's buffer. SDL's disk audio driver writes through fopen(), and its 8 KiB buffer
// (93 ms of sound) would otherwise hide when a sample reaches the file.
#include <cstdio>
#include <dlfcn.h>

namespace {

using Fopen = FILE *(*)(const char *, const char *);

FILE *unbuffered(FILE *file)
{
    if (file)
        std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

} // namespace

extern "C" FILE *fopen(const char *path, const char *mode)
{
    static const auto real = reinterpret_cast<Fopen>(dlsym(RTLD_NEXT, "fopen"));
    return unbuffered(real(path, mode));
}

extern "C" FILE *fopen64(const char *path, const char *mode)
{
    static const auto real = reinterpret_cast<Fopen>(dlsym(RTLD_NEXT, "fopen64"));
    return unbuffered(real(path, mode));
}
