#pragma once

#include <QWidget>

class ZWindowFrame;

// The client area of a ZWindow: mouse, keys, size and painting go to the frame's handler.
class ZClientArea : public QWidget {
  public:
    explicit ZClientArea(ZWindowFrame* frame);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    ZWindowFrame* frame_;
};
