#include "toolkit/ui/ZFileSelectDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "toolkit/ZLanguage.h"
#include "toolkit/ui/ZDialogSeam.h"
#include "toolkit/ui/ZWindowContext.h"

ZFileSelectDialog::ZFileSelectDialog(ZWindowContext* parent, std::vector<ZFileFilter> filters)
    : parent_(parent), filters_(std::move(filters)) {}

void ZFileSelectDialog::setInitialFilename(const ZString& name) {
    fileName_ = name;
}

bool ZFileSelectDialog::showSaveDialog(const ZString& title) {
    return run(title, true);
}

bool ZFileSelectDialog::showOpenDialog(const ZString& title) {
    return run(title, false);
}

bool ZFileSelectDialog::run(const ZString& title, bool save) {
    if (const ZFileDialogScript* script = ZDialogSeam::fileDialogScript()) {
        std::optional<ZString> chosen = (*script)(title, fileName_);
        if (chosen) {
            fileName_ = *chosen;
        }
        return chosen.has_value();
    }
    QStringList filters;
    for (const ZFileFilter& filter : filters_) {
        filters << QStringLiteral("%1 (%2)").arg(
            QString::fromUtf8(ztr(filter.description.c_str()).c_str()),
            QString::fromUtf8(filter.pattern.c_str()));
    }
    // A name with a folder (the dataset shown, say) opens the dialog in that folder.
    const QFileInfo initial(QDir::current(), QString::fromUtf8(fileName_.c_str()));
    QFileDialog dialog(parent_ ? parent_->widget() : nullptr,
                       QString::fromUtf8(ztr(title.c_str()).c_str()), initial.absolutePath());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectFile(initial.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    fileName_ = ZString(dialog.selectedFiles().first().toUtf8().toStdString());
    return true;
}
