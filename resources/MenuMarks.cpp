#include "resources/MenuMarks.h"

#include <QPainter>

namespace {

constexpr int MARK_SIZE = 15;

}  // namespace

QImage uncheckedMarkImage() {
    QImage image(MARK_SIZE, MARK_SIZE, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage checkedMarkImage() {
    QImage image = uncheckedMarkImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(4.5, 4.5, 6.0, 6.0));
    return image;
}
