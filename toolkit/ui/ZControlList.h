#pragma once

#include <QVariant>
#include <cstdint>

#include "toolkit/ui/ZControl.h"

// What combo boxes and list boxes share: items with a text shown and a datum kept, either a
// number or a text, and one selected item.
class ZControlList : public ZControl {
  public:
    void removeAllItems() { clearItems(); }
    // The new item's index.
    int addItem(const ZString& text, std::int32_t data);
    int addItem(const ZString& text, const ZString& data);
    // An index outside the items selects none.
    void selectItem(int index) { setSelectedIndex(index); }
    // The selected item's number; 0 when nothing is selected or its datum is a text.
    std::int32_t getSelectedData() const;
    // The selected item's text datum; empty when nothing is selected or its datum is a number.
    ZString getSelectedTextData() const;

  protected:
    virtual void clearItems() = 0;
    virtual int appendItem(const QString& text, const QVariant& data) = 0;
    virtual void setSelectedIndex(int index) = 0;
    // Invalid when nothing is selected.
    virtual QVariant selectedData() const = 0;
};
