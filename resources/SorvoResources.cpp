#include "resources/SorvoResources.h"

#include "resources/AcceleratorTables.h"
#include "resources/DialogTemplates.h"
#include "resources/MenuMarks.h"
#include "resources/ResourceIds.h"
#include "toolkit/ui/ZResourceModule.h"

namespace {

class SorvoResources : public ZResourceModule {
  public:
    const ZDialogTemplate* findDialog(int id) const override {
        for (const ZDialogTemplate& dialog : dialogTemplates()) {
            if (dialog.id == id) {
                return &dialog;
            }
        }
        return nullptr;
    }

    std::span<const ZAccelerator> findAccelerators(int id) const override {
        return id == IDR_ACCELERATORS ? mainAccelerators() : std::span<const ZAccelerator>();
    }

    QImage loadBitmap(int id) const override {
        switch (id) {
            case IDB_CHECKED_MARK:
                return checkedMarkImage();
            case IDB_UNCHECKED_MARK:
                return uncheckedMarkImage();
            default:
                return QImage();
        }
    }

    QIcon loadIcon(int id) const override;
};

}  // namespace

// The resource file is compiled into this static library; Qt needs to be told once.
static void initialiseIconResources() {
    Q_INIT_RESOURCE(icons);
}

QIcon SorvoResources::loadIcon(int id) const {
    if (id != IDI_SORVO) {
        return QIcon();
    }
    initialiseIconResources();
    return QIcon(QStringLiteral(":/sorvo/sorvo.png"));
}

const ZResourceModule& sorvoResources() {
    static const SorvoResources resources;
    return resources;
}
