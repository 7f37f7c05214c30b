#pragma once

#include "NewEntryCheck.h"
#include "RegularFile.h"
#include "RunTimeError.h"

#include <QByteArray>
#include <QString>

#include <optional>

class FileCalls;

// What became of an add: the entry is on the disk, or it was refused and why (nothing written),
// or it failed with the word file's error (the file as it was), or another program is writing to
// the file (nothing written: try again after LockPollMs).
struct AddOutcome
{
    enum class Kind { Added, Refused, Failed, Busy };
    Kind kind = Kind::Added;
    EntryRefusal refusal;
    std::optional<RunTimeError> error;
};

// Adds entries to the word file so that it holds, at every instant and whatever fails, either
// what it held or that and the whole entry (see AtomicAppend). The file is locked (an advisory
// lock, so two copies of the game take turns), read as it is now, and checked again just before
// the entry takes its place: when another program wrote to it meanwhile, the add starts again
// from the file as it then is. What is written, or why nothing may be, is the EntryPlan's. A
// missing file is created. Nothing is shown and nothing waited for: the caller tells the player,
// and waits while another program holds the lock, for up to 5 seconds in all, after which the
// add fails; so an appender is made for each add.
class WordFileAppender
{
public:
    static constexpr int LockPollMs = 10;

    // calls, when given, stand in for the system calls that change the file.
    explicit WordFileAppender(QByteArray path, FileCalls *calls = nullptr);

    // Adds the word at the level (1 adult, with its definition; any other value child), in the
    // system's 8-bit encoding.
    AddOutcome add(const QString &word, const QString &definition, qint16 level);

private:
    // One add, from opening the file to the entry on the disk; every handle and the lock are
    // released when it returns or throws.
    AddOutcome addOnce(const QString &word, const QString &definition, qint16 level);
    // The file, open and locked; nothing while another program holds the lock.
    std::optional<RegularFile> openLocked(bool &created);

    QByteArray m_path;
    FileCalls &m_calls;
    int m_busyTries = 0;
};
