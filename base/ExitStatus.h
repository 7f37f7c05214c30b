#pragma once

// How the program ends, as its exit status.
enum class ExitStatus : int {
    Normal = 0,             // QUIT, the window closed, or the player ended the program
    WordFileMissing = 1,    // the word file or its folder is missing (the player was told)
    WordFileUnreadable = 2, // the word file could not be read to its end (reported at start-up)
    RunTimeError = 3,       // a run-time error that no handler expected (reported)
    NoDisplay = 4,          // no graphical desktop to show the window on (said on stderr)
    UsageError = 64,        // the command line is wrong (said on stderr, with the usage)
    Interrupted = 130,      // ended by SIGINT (Ctrl+C), the status shells give it
};

constexpr int exitCode(ExitStatus status)
{
    return static_cast<int>(status);
}
