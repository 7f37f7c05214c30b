#pragma once

#include <QByteArray>

// The folder that holds the running executable, as the system names it (bytes, which need not
// be UTF-8), without a trailing separator.
QByteArray programFolder();

// The path as given, made absolute against the current folder when it is relative.
QByteArray absolutePath(const QByteArray &path);
