#pragma once

// Switches the interface's language. English reads the table (a compiled Qt translation, once
// per run) from its path and leaves Qt's standard dialogs and buttons in their own English;
// German, the default, brings back Qt's German texts. False when the table cannot be read:
// the interface stays German.
bool zSwitchLanguage(bool english, const char* tablePath);
