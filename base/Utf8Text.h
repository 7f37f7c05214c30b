#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Bytes that should be UTF-8 text but may not be: file names (the system takes any bytes) and
// the lines of a word file saved in another encoding.
namespace Utf8Text {

// The text as a player may read it: its UTF-8 characters as they are (or as shownText gives each
// run of them), any byte that is not part of one as \xNN.
QString shown(const QByteArray &bytes,
              const std::function<QString(const QString &)> &shownText = {});

} // namespace Utf8Text
