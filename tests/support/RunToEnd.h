#pragma once

#include "Task.h"

#include <QCoreApplication>

// Runs a step to its end, turning the event loop as its waits need, and gives its value, or
// throws what ended it.
template <typename T>
T runToEnd(Task<T> task)
{
    task.start();
    for (int turn = 0; turn < 1000000 && !task.hasEnded(); ++turn)
        QCoreApplication::processEvents();
    if (!task.hasEnded())
        qFatal("a step that never ends");
    return task.result();
}
