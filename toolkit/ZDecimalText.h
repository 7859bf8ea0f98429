#pragma once

#include <string>

// Numbers as "%f" writes them, without any locale: fixed, with the given number of decimals.
void appendFixed(std::string& text, double value, int decimals = 6);
// The same with a decimal comma, as the German texts and tables show numbers.
std::string decimalComma(double value, int decimals);
// The shortest digits that read back as the same number, with a decimal comma: "23,5", "170".
std::string shortestDecimalComma(double value);
