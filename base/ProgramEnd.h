#pragma once

#include "ExitStatus.h"

#include <exception>

// Thrown where the game has told the player why it cannot go on and the program is to end. Unlike a
// RunTimeError it needs no further report: the caller only ends the program with the status.
class ProgramEnd : public std::exception
{
public:
    explicit ProgramEnd(ExitStatus status) : m_exitStatus(exitCode(status)) {}

    int exitStatus() const { return m_exitStatus; }
    const char *what() const noexcept override { return "program ends"; }

private:
    int m_exitStatus;
};
