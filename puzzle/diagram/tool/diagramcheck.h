// The checker for diagram authors behind "ostrilon-diagrams check FILE".
#pragma once

#include <filesystem>
#include <string>

// Reads the file as the puzzle would and writes (Latin-1) a listing of each
// diagram with its grid and tiles, followed by what an author should mend.
// A reading failure goes to the error box exactly as the puzzle shows it.
// Returns 0 when the file is fit for the puzzle, 1 otherwise; warnings alone
// (texts cut, unknown kinds ...) do not fail it.
int checkDiagramFile(const std::filesystem::path& path, std::string& listing);
