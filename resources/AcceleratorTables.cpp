#include "resources/AcceleratorTables.h"

#include <array>

#include "resources/ResourceIds.h"

namespace {

constexpr std::array MAIN_ACCELERATORS{
    ZAccelerator{'D', Z_ACCEL_CONTROL, CMD_DATASET_KEY},
    ZAccelerator{Z_VK_LEFT, 0, CMD_PREVIOUS_MONTH},
    ZAccelerator{Z_VK_RIGHT, 0, CMD_NEXT_MONTH},
    ZAccelerator{'P', Z_ACCEL_CONTROL, CMD_POSITION_KEY},
    ZAccelerator{'S', Z_ACCEL_CONTROL, CMD_SAVE_GIF_KEY},
    ZAccelerator{Z_VK_DOWN, 0, CMD_PREVIOUS_YEAR},
    ZAccelerator{Z_VK_UP, 0, CMD_NEXT_YEAR},
    ZAccelerator{'O', Z_ACCEL_CONTROL, CMD_OPEN_FILE_KEY},
    ZAccelerator{'T', Z_ACCEL_CONTROL, CMD_SERIES},
};

}  // namespace

std::span<const ZAccelerator> mainAccelerators() {
    return MAIN_ACCELERATORS;
}
