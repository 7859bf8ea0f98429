#include "app/SaveFormat.h"

#include "toolkit/ZSystem.h"

bool SaveFormat::completeName(ZString& name) const {
    ZString found = ZSystem::extractFileExtension(name);
    found.toLowerCase();
    if (found.isEmpty()) {
        name += ".";
        name += extension;
        return true;
    }
    return found == extension || (alternativeExtension && found == alternativeExtension);
}
