#pragma once

#include <QWidget>

#include "series/Series.h"

class QPainter;

// One stripe per point of the series (its annual means), coloured from blue through white to
// red around the baseline; the colour saturates at the largest departure of the series.
void paintStripes(QPainter& painter, const QRect& area, const Series& series);

// The stripes in the series window.
class WarmingStripes : public QWidget {
  public:
    explicit WarmingStripes(QWidget* parent = nullptr) : QWidget(parent) {}
    void setSeries(const Series& series);
    void clear();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Series series_;
};
