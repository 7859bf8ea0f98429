#pragma once

#include "toolkit/ui/ZControlRichText.h"
#include "toolkit/ui/ZDialog.h"

// The help text in its own file.
inline constexpr const char* HELP_FILE = "Information.rtf";
inline constexpr const char* ENGLISH_HELP_FILE = "Information_en.rtf";

// "Hilfe": the help text, read-only, with its web addresses as links.
class HelpDialog : public ZDialog {
  public:
    explicit HelpDialog(ZWindowContext* parent);

  protected:
    void onDialogCommand(int controlId) override;
    void onDialogInit() override;
    void onDialogClose() override;

  private:
    ZControlRichText text;
};
