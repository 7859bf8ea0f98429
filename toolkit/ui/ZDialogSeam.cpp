#include "toolkit/ui/ZDialogSeam.h"

#include "toolkit/ZException.h"
#include "toolkit/ui/ZToolkitState.h"

namespace {

ZToolkitState& toolkit() {
    ZToolkitState* state = zToolkit();
    if (!state) {
        throw ZException("The toolkit has not been started.", 0);
    }
    return *state;
}

}  // namespace

void ZDialogSeam::setScript(int templateId, ZDialogScript script) {
    if (script) {
        toolkit().dialogScripts[templateId] = std::move(script);
    } else {
        toolkit().dialogScripts.erase(templateId);
    }
}

void ZDialogSeam::setFileDialogScript(ZFileDialogScript script) {
    toolkit().fileDialogScript = std::move(script);
}

const ZDialogScript* ZDialogSeam::scriptFor(int templateId) {
    ZToolkitState* state = zToolkit();
    if (!state) {
        return nullptr;
    }
    auto found = state->dialogScripts.find(templateId);
    return found == state->dialogScripts.end() ? nullptr : &found->second;
}

const ZFileDialogScript* ZDialogSeam::fileDialogScript() {
    ZToolkitState* state = zToolkit();
    return state && state->fileDialogScript ? &state->fileDialogScript : nullptr;
}
