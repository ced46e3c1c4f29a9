// What each system's side of the files module (platform_posix.cpp,
// platform_windows.cpp) gives the part they share (platform_names.cpp).
#pragma once

// This process's number as the system gives it.
unsigned long currentProcessNumber();
