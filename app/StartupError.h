#pragma once

#include <QString>

class RunTimeError;

// The message shown when the word file stopped reading part-way and the game cannot start: the
// error's number and meaning, the file, and the line where reading stopped.
QString startupErrorText(const RunTimeError &error);
