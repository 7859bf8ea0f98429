#include "grid/GridDatabase.h"

#include "toolkit/ZQuietProgress.h"

namespace {

const ZString NOTHING;

}  // namespace

void GridDatabase::open(const GridSourceDescription& description) {
    ZQuietProgress quiet;
    open(description, quiet);
}

void GridDatabase::open(const GridSourceDescription& description, ZProgress& progress) {
    std::unique_ptr<GridSource> source;
    try {
        source = GridSource::open(description, progress);
    } catch (...) {
        // A file that cannot be opened leaves the dataset closed under the name chosen: the
        // caption and the saved settings name it so.
        close();
        if (description.type == 1) {
            description_ = description;
        }
        throw;
    }
    grid_ = MonthGrid(source->cellSize());
    source_ = std::move(source);
    description_ = description;
}

void GridDatabase::close() {
    source_.reset();
    grid_ = MonthGrid();
}

const ZString& GridDatabase::layoutProblem() const {
    return source_ ? source_->layoutProblem() : NOTHING;
}

const ZString& GridDatabase::layoutNote() const {
    return source_ ? source_->layoutNote() : NOTHING;
}

const ZString& GridDatabase::baselineName() const {
    return source_ ? source_->baselineName() : NOTHING;
}

std::uint64_t GridDatabase::endOfData() const {
    return source_ ? source_->endOfData() : std::uint64_t{FIRST_YEAR} * 12;
}

void GridDatabase::read() {
    if (source_) {
        source_->read(selection_, grid_);
    }
}

void GridDatabase::select(const MonthSelection& selection) {
    selection_ = selection;
    read();
}

void GridDatabase::nextYear() {
    selection_.nextYear();
    read();
}

void GridDatabase::previousYear() {
    selection_.previousYear();
    read();
}

bool GridDatabase::nextMonth() {
    if (!selection_.nextMonth()) {
        return false;
    }
    read();
    return true;
}

bool GridDatabase::previousMonth() {
    const MonthSelection before = selection_;
    if (!selection_.previousMonth()) {
        return false;
    }
    if (selection_ != before) {
        read();
    }
    return true;
}
