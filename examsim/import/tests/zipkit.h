// ZIP archives for the import tests, made with libarchive's writer, and the
// few changes to their bytes that stand for damage or for false claims.
#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

struct ZipMember {
    std::string name;
    std::string bytes;
    std::time_t modified = 1735732800;  // 2025-01-01 12:00 UTC
};

struct ZipOptions {
    bool deflate = true;
    std::string password;  // not empty: traditional PKWARE encryption
};

inline std::string makeZip(const std::vector<ZipMember>& members, const ZipOptions& options = {}) {
    std::string out;
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    if (options.deflate)
        archive_write_zip_set_compression_deflate(a);
    else
        archive_write_zip_set_compression_store(a);
    if (!options.password.empty()) {
        archive_write_set_options(a, "zip:encryption=zipcrypt");
        archive_write_set_passphrase(a, options.password.c_str());
    }
    // Whole blocks would pad the archive with zeros past its end.
    archive_write_set_bytes_per_block(a, 0);
    archive_write_open(
        a, &out, nullptr,
        [](archive*, void* data, const void* buffer, size_t length) -> la_ssize_t {
            static_cast<std::string*>(data)->append(static_cast<const char*>(buffer), length);
            return static_cast<la_ssize_t>(length);
        },
        nullptr);
    for (const ZipMember& m : members) {
        archive_entry* entry = archive_entry_new();
#ifdef _WIN32
        // The names here are UTF-8; libarchive takes a plain name on Windows
        // in the ANSI code page.
        archive_entry_set_pathname_utf8(entry, m.name.c_str());
#else
        archive_entry_set_pathname(entry, m.name.c_str());
#endif
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(m.bytes.size()));
        archive_entry_set_mtime(entry, m.modified, 0);
        archive_write_header(a, entry);
        archive_write_data(a, m.bytes.data(), m.bytes.size());
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    return out;
}

// A signature's bytes may also stand in a name or the data (the fuzz
// target puts any there): a field that would run past the end is left.
inline void putLe16(std::string& bytes, size_t at, uint16_t value) {
    if (at + 2 > bytes.size()) return;
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

inline void putLe32(std::string& bytes, size_t at, uint32_t value) {
    if (at + 4 > bytes.size()) return;
    for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Every local and central header of the archive claims this unpacked size
// (the fields at offsets 22 and 24 of their signatures).
inline std::string claimSize(std::string zip, uint32_t size) {
    for (size_t at = zip.find("PK\x03\x04"); at != std::string::npos; at = zip.find("PK\x03\x04", at + 4))
        putLe32(zip, at + 22, size);
    for (size_t at = zip.find("PK\x01\x02"); at != std::string::npos; at = zip.find("PK\x01\x02", at + 4))
        putLe32(zip, at + 24, size);
    return zip;
}

// Every occurrence of `from` in the names becomes `to` (as long), and every
// header says its name is UTF-8 (bit 11 of the flags at offsets 6 and 8).
inline std::string flaggedUtf8(std::string zip, const std::string& from, const std::string& to) {
    for (size_t at = zip.find(from); at != std::string::npos; at = zip.find(from, at + to.size()))
        zip.replace(at, from.size(), to);
    for (size_t at = zip.find("PK\x03\x04"); at != std::string::npos;
         at = zip.find("PK\x03\x04", at + 4))
        putLe16(zip, at + 6,
                static_cast<uint16_t>(uint8_t(zip[at + 6]) | (uint8_t(zip[at + 7]) << 8) | 0x800));
    for (size_t at = zip.find("PK\x01\x02"); at != std::string::npos;
         at = zip.find("PK\x01\x02", at + 4))
        putLe16(zip, at + 8,
                static_cast<uint16_t>(uint8_t(zip[at + 8]) | (uint8_t(zip[at + 9]) << 8) | 0x800));
    return zip;
}
