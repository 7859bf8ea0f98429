#pragma once

#include <string>

// The path a write to path reaches, with every link followed, also a last one that points to no
// file yet (a write creates it there). A relative link counts from the link's own folder. Sets
// error (an errno value) when a link cannot be read or the links go round; the path reached so
// far is returned then.
std::string followLinks(std::string path, int& error);
