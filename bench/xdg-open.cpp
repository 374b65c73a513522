// Stands in for the desktop's opener in the hand-over benchmark: appends the
// moment it started (CLOCK_REALTIME, ns) as one line to $XDG_OPEN_STAMPS.
// Written without Qt so that it starts as fast as a process can.
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main()
{
    timespec started{};
    clock_gettime(CLOCK_REALTIME, &started);
    const char *path = std::getenv("XDG_OPEN_STAMPS");
    if (!path)
        return 1;
    std::FILE *file = std::fopen(path, "a");
    if (!file)
        return 1;
    std::fprintf(file, "%lld\n", static_cast<long long>(started.tv_sec) * 1'000'000'000LL + started.tv_nsec);
    return std::fclose(file) == 0 ? 0 : 1;
}
