#include "dialogs/DatasetDialog.h"

#include "grid/SpanCheck.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

// The datasets offered, in the order of the list; kept for the life of the program.
StringMap& datasetTable() {
    static StringMap table;
    return table;
}

}  // namespace

DatasetDialog::DatasetDialog(ZWindowContext* parent) : ConfirmDialog(parent, IDD_DATASET) {
    form.reset(this);
}

void DatasetDialog::onDialogInit() {
    form.addUnsignedField(IDC_DATASET_YEAR, year);
    form.addUnsignedField(IDC_DATASET_MONTH, month);
    StringMap& table = datasetTable();
    table.put("data/cru/hadcrut4.dat", "HADCRUT4");
    table.put("data/cru/hadcrut3.dat", "HADCRUT3");
    table.put("data/cru/abstem3.dat", "ABS1960_91");
    form.addTextChoiceField(IDC_DATASET_FILE, dbFile, table, true);
    form.addCheckField(IDC_DATASET_YEAR_AVERAGE, yearAverage);
    form.showValues();
}

void DatasetDialog::confirm() {
    if (!form.validate()) {
        return;
    }
    form.takeValues();
    // One message per confirmation, the year first; the dialog stays open for a correction.
    if (ZString problem = spanProblem({year}, {month}, 0, 0, ""); !problem.isEmpty()) {
        ZSystem::showMessage(this, problem, "Information", false);
        return;
    }
    close(1);
}
