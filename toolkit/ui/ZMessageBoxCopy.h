#pragma once

class QMessageBox;

// Ctrl+C in the message box puts its title and its text on the clipboard, one line after the
// other, as the classic desktop's message boxes do; users paste them into their reports.
void enableMessageCopy(QMessageBox& box);
