#pragma once

#include <optional>
#include <string>

// The files the program reads from its working directory or writes into it, which a picture
// from the command line must never replace: the background pictures, "worldmap.txt",
// "init.txt", "positions.txt", "Information.rtf", "Auswertung.csv" and the dataset in use.
// Returns the one that writing to target would replace, named as the program knows it, or
// nothing. Paths are compared as the file system resolves them: links, "./", absolute paths,
// and the same file under a name in another case where the file system ignores case. The
// installed copy that stands in for a file missing from the working directory counts too.
std::optional<std::string> ownFileAt(const std::string& target, const std::string& dataset);
