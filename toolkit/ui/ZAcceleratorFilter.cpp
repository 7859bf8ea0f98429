#include "toolkit/ui/ZAcceleratorFilter.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

#include "toolkit/ui/ZWindowContext.h"

std::uint16_t zVirtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return Z_VK_LEFT;
        case Qt::Key_Up:
            return Z_VK_UP;
        case Qt::Key_Right:
            return Z_VK_RIGHT;
        case Qt::Key_Down:
            return Z_VK_DOWN;
        default:
            break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<std::uint16_t>(qtKey);
    }
    return 0;
}

namespace {

std::uint8_t modifiersOf(Qt::KeyboardModifiers modifiers) {
    std::uint8_t result = 0;
    if (modifiers & Qt::ShiftModifier) {
        result |= Z_ACCEL_SHIFT;
    }
    if (modifiers & Qt::ControlModifier) {
        result |= Z_ACCEL_CONTROL;
    }
    if (modifiers & Qt::AltModifier) {
        result |= Z_ACCEL_ALT;
    }
    return result;
}

}  // namespace

ZAcceleratorFilter::ZAcceleratorFilter(ZWindowContext& window, std::span<const ZAccelerator> table)
    : window_(window), table_(table) {}

bool ZAcceleratorFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !window_.widget() || widget->window() != window_.widget() ||
        qobject_cast<QMenuBar*>(widget)) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    std::uint16_t virtualKey = zVirtualKey(key->key());
    std::uint8_t modifiers = modifiersOf(key->modifiers());
    for (const ZAccelerator& entry : table_) {
        if (virtualKey != 0 && entry.key == virtualKey && entry.modifiers == modifiers) {
            window_.sendCommand(entry.command, true);
            return true;
        }
    }
    return false;
}
