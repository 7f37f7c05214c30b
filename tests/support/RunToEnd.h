#pragma once

#include "Task.h"

#include <QCoreApplication>

// Runs a step to its end, turning the event loop for its waits; its value, or what ended it.
template <typename T>
T runToEnd(Task<T> task)
{
    task.start();
    for (int turn = 0; !task.hasEnded(); ++turn)
        turn < 1000000 ? QCoreApplication::processEvents() : qFatal("a step that never ends");
    return task.result();
}
