#pragma once

#include <QIcon>
#include <QImage>
#include <span>

#include "toolkit/ui/ZAccelerator.h"
#include "toolkit/ui/ZDialogTemplate.h"

// The program's own resources by number, handed to the toolkit at start-up.
class ZResourceModule {
  public:
    virtual ~ZResourceModule() = default;
    // Null when there is no template with this id.
    virtual const ZDialogTemplate* findDialog(int id) const = 0;
    // Empty when there is no table with this id.
    virtual std::span<const ZAccelerator> findAccelerators(int id) const = 0;
    // A null image when there is no bitmap with this id.
    virtual QImage loadBitmap(int id) const = 0;
    virtual QIcon loadIcon(int id) const = 0;
};
