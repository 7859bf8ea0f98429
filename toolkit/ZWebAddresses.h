#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A web address found in a text: its place (bytes) and the address a browser is given.
struct ZWebAddress {
    std::size_t start;
    std::size_t length;
    std::string target;
};

// The web addresses in a text, as a rich-text control shows them as links: "http://",
// "https://" and "www." up to the next blank, without punctuation that ends a sentence.
std::vector<ZWebAddress> findWebAddresses(std::string_view text);
