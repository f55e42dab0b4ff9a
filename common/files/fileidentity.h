// Which file a path or an open handle is: the device and the file number after following
// links. Two names are the same file when their identities are equal, whatever the names.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class FileIdentity {
public:
    // nullopt when nothing (or a dangling link) is there.
    static std::optional<FileIdentity> ofPath(const QString &path);
    static std::optional<FileIdentity> ofHandle(int handle);

    // Whether the path names an existing file with this identity. A path whose link
    // dangles is compared by the path the link resolves to.
    static bool sameFile(const QString &a, const QString &b);

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;

private:
    quint64 m_device = 0;
    quint64 m_inode = 0;
};
