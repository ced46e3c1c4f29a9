// The operating system's side of names, arguments, places and time, beside
// the files of platform.h and kept by the same two sources
// (platform_posix.cpp, platform_windows.cpp).
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A path as bytes, the form the programs carry names in (Latin-1 shown,
// UTF-8 made), and back: on POSIX the file system's own bytes as they are;
// on Windows UTF-8, the system's wide names converted whole, so that any
// name survives the trip.
std::string pathBytes(const std::filesystem::path& path);
std::filesystem::path pathFromBytes(std::string_view bytes);

// The program's arguments after its name, in the bytes pathBytes gives:
// argv as the caller has it (Qt may have taken its own switches out); on
// Windows the same arguments taken from the wide command line, so that a
// folder named with "/P=" in any script reaches the program whole.
std::vector<std::string> programArguments(int argc, char** argv);

// The local time of a moment (localtime_r on POSIX, localtime_s on Windows).
bool localTime(std::time_t when, std::tm& local);

// Where the user's data folders are: on POSIX $XDG_DATA_HOME (empty when
// unset) and the home folder ($HOME when absolute, else the password
// entry's); on Windows the roaming application data folder (%APPDATA%,
// from SHGetKnownFolderPath) as DataHome, Home left empty.
struct UserDataPlace {
    std::filesystem::path DataHome;
    std::filesystem::path Home;
};
UserDataPlace userDataPlace();

// A program's data folder name as the system writes such names: "ulvorane"
// on POSIX, "Ulvorane" on Windows.
std::string dataFolderNameFor(std::string_view name);

// 0 when the folder can be listed, else the error number.
int folderReadError(const std::filesystem::path& folder);
