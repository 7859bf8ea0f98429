#pragma once

#include "toolkit/testing/ZDialogDriver.h"

// Runs the script on every dialog of the template shown while it lives.
class DialogScript {
  public:
    DialogScript(int templateId, ZDialogScript script) : templateId_(templateId) {
        ZDialogDriver::setScript(templateId, std::move(script));
    }
    ~DialogScript() { ZDialogDriver::setScript(templateId_, nullptr); }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

  private:
    int templateId_;
};
