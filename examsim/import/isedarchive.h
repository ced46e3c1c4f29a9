// The department publishes each pool as a ZIP archive holding the delimited
// file. The member is found and unpacked in memory with libarchive; nothing
// of the archive is written to disk.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

// A member unpacked past this is refused: the department's files are a few
// hundred kilobytes, and an archive may claim or inflate to any size.
inline constexpr size_t MaxMemberBytes = 20u * 1024u * 1024u;

// The department's archives hold one or two members. A directory listing
// thousands is no pool, and walking it costs seconds: refused unread.
inline constexpr size_t MaxArchiveMembers = 1000;

struct IsedMember {
    std::string Name;   // the member's own name, without folders; file-system bytes (UTF-8)
    std::string Bytes;  // unpacked
    std::time_t Modified = 0;  // 0 when the archive does not say
};

// True for the bytes of a ZIP archive, or a name ending in ".zip": such a
// file is read as an archive (and refused as damaged when it is not one).
bool isZipArchive(const std::string& name, const std::string& bytes);

// Finds the member to import and unpacks it: the one whose name ends in
// "_delim.txt", else the only ".txt" member (case is ignored; folders inside
// the archive do not count). archiveName names the archive in messages
// (Latin-1). Reports a missing or ambiguous member, a damaged or truncated
// archive, an encrypted member and one larger than MaxMemberBytes, and
// returns false.
bool myReadIsedArchive(const std::string& bytes, const std::string& archiveName, IsedMember& member);
