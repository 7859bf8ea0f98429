#pragma once

#include "toolkit/ui/ZControlList.h"

// A drop-down list of a dialog.
class ZControlComboBox : public ZControlList {
  public:
    void create(ZDialog& dialog, const ZString& name, int id);

  protected:
    void clearItems() override;
    int appendItem(const QString& text, const QVariant& data) override;
    void setSelectedIndex(int index) override;
    QVariant selectedData() const override;
};
