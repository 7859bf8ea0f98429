#pragma once

#include <cstdint>

// Modifier bits of an accelerator, with their classic values.
enum ZAcceleratorModifiers : std::uint8_t {
    Z_ACCEL_SHIFT = 0x04,
    Z_ACCEL_CONTROL = 0x08,
    Z_ACCEL_ALT = 0x10,
};

// Virtual keys: a letter or digit is its upper-case character, the arrows have codes of their own.
enum ZVirtualKey : std::uint16_t {
    Z_VK_LEFT = 0x25,
    Z_VK_UP = 0x26,
    Z_VK_RIGHT = 0x27,
    Z_VK_DOWN = 0x28,
};

// One entry of an accelerator table: the key with exactly these modifiers sends the command.
struct ZAccelerator {
    std::uint16_t key;
    std::uint8_t modifiers;
    std::uint16_t command;
};

// The virtual key of a Qt key code, 0 for keys that have none.
std::uint16_t zVirtualKey(int qtKey);
