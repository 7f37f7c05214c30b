#pragma once

#include <QByteArray>

#include <cstddef>
#include <sys/types.h>

// The system calls that create, change or replace a file, through one seam: a test can make any
// one of them fail, cut a write short or end the program there, to show that a file is whole
// whatever happens. The calls themselves are the system's. Calls that only look (stat, realpath,
// read) and close are made directly.
class FileCalls
{
public:
    enum class Call {
        Open,
        Lock,
        CreateTemporary,
        ChangeOwner,
        ChangeMode,
        CopyAttributes,
        Reserve,
        Write,
        Flush,
        Rename,
        FlushFolder,
        Truncate,
        Unlink
    };

    virtual ~FileCalls() = default;

    int open(const char *path, int flags, mode_t mode);
    int lock(int fd, int operation);
    // Creates and opens a new file from the template ("...XXXXXX"), which is changed to its name.
    int createTemporary(QByteArray &nameTemplate);
    int changeOwner(int fd, uid_t owner, gid_t group);
    int changeMode(int fd, mode_t mode);
    // Copies every extended attribute of one file to another: its access control list among them
    // (system.posix_acl_access). A file system without them has none to copy. A test's fault
    // stands for the listing's: ENOTSUP for such a file system.
    int copyAttributes(int from, int to);
    // Makes sure that length bytes can be written at offset: within the program's file-size limit
    // and with their room on the disk set aside (the size stays), or, on a file system that sets
    // nothing aside, left. EFBIG or ENOSPC (or EDQUOT) when they cannot, and nothing changed. A
    // test that fails it with EOPNOTSUPP stands for such a file system.
    int reserve(int fd, off_t offset, off_t length);
    ssize_t write(int fd, const void *data, std::size_t size, off_t offset);
    int flush(int fd);
    int rename(const char *from, const char *to);
    // Flushes the folder's entries (a rename) to the disk, as far as the system can: the rename is
    // done and the file whole either way, so a failure is left to the system's own later write.
    void flushFolder(const QByteArray &folder);
    int truncate(int fd, off_t length);
    int unlink(const char *path);

protected:
    // Asked before each call. Returns 0 to make it, or an errno value to fail it without making it.
    // For a write it may also lower size: the write then stops part-way, as on a full disk.
    virtual int fault(Call call, std::size_t &size);

private:
    // Whether fault() fails the call; errno then holds its error.
    bool refused(Call call, std::size_t &size);
    bool refused(Call call);
};
