#include "grid/GridSource.h"

#include "grid/AnomalySource.h"
#include "grid/Climatology.h"
#include "grid/FileBaselines.h"
#include "grid/GridSourceDescription.h"
#include "grid/MonthSelection.h"
#include "grid/NetcdfSource.h"
#include "grid/TextBlockSource.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZQuietProgress.h"
#include "toolkit/ZSystem.h"

namespace {

// The 1-degree grid has no file: it never holds data.
class EmptySource : public GridSource {
  public:
    std::uint32_t cellSize() const override { return 1; }
    void read(const MonthSelection&, MonthGrid&) override {}
    const ZString& layoutProblem() const override { return none_; }
    const ZString& layoutNote() const override { return none_; }
    std::uint32_t notNumbers() const override { return 0; }
    std::uint64_t endOfData() const override { return std::uint64_t{FIRST_YEAR} * 12; }

  private:
    ZString none_;
};

bool namedNetcdf(const ZString& name) {
    ZString extension = ZSystem::extractFileExtension(name);
    return extension.toLowerCase() == "nc";
}

}  // namespace

const ZString& GridSource::baselineName() const {
    static const ZString fileOwn;
    return fileOwn;
}

std::unique_ptr<GridSource> GridSource::rereferenced(std::unique_ptr<GridSource> source,
                                                     const ZString& fileName, YearSpan span,
                                                     ZProgress& progress) {
    auto climatology = std::make_shared<Climatology>(Climatology::compute(*source, span, progress));
    climatology->requireMeans(fileName);
    return std::make_unique<AnomalySource>(std::move(source), std::move(climatology));
}

std::unique_ptr<GridSource> GridSource::open(const GridSourceDescription& description) {
    ZQuietProgress quiet;
    return open(description, quiet);
}

std::unique_ptr<GridSource> GridSource::open(const GridSourceDescription& description,
                                             ZProgress& progress) {
    auto source = openPlain(description);
    if (const auto* file = dynamic_cast<const NetcdfSource*>(source.get());
        file && file->absolute()) {
        const ZString path = ZSystem::findProgramFile(description.fileName);
        const YearSpan span = description.baseline.value_or(
            FileBaselines::spanOf(file->firstMonth(), file->endMonth()));
        std::shared_ptr<const Climatology> baseline =
            FileBaselines::known(path, span, description.minCoverage);
        if (!baseline) {
            baseline = FileBaselines::compute(*source, path, description.fileName, span,
                                              description.minCoverage, progress);
        }
        return std::make_unique<AnomalySource>(std::move(source), std::move(baseline));
    }
    if (description.baseline) {
        source =
            rereferenced(std::move(source), description.fileName, *description.baseline, progress);
    }
    return source;
}

bool GridSource::needsBaseline(const GridSourceDescription& description) {
    try {
        const auto source = openPlain(description);
        const auto* file = dynamic_cast<const NetcdfSource*>(source.get());
        if (!file || !file->absolute()) {
            return false;
        }
        const YearSpan span = description.baseline.value_or(
            FileBaselines::spanOf(file->firstMonth(), file->endMonth()));
        return !FileBaselines::known(ZSystem::findProgramFile(description.fileName), span,
                                     description.minCoverage);
    } catch (const ZException&) {
        return false;
    }
}

std::unique_ptr<GridSource> GridSource::openPlain(const GridSourceDescription& description) {
    if (description.type == 2) {
        return std::make_unique<EmptySource>();
    }
    if (description.type != 1) {
        throw ZException("Unkown sorvo database dbType.", 0);
    }
    const ZString& name = description.fileName;
    ZFile file;
    file.open(name, false);
    if (NetcdfReader::hasSignature(file)) {
        file.close();
        return std::make_unique<NetcdfSource>(name, description.minCoverage);
    }
    file.close();
    if (namedNetcdf(name)) {
        throw ZException(ZFormattedString(ztr("Die Datei \"%s\" ist keine netCDF-Datei: Sie "
                                              "beginnt nicht wie eine netCDF- oder HDF5-Datei.")
                                              .c_str(),
                                          name.c_str()),
                         0);
    }
    return std::make_unique<TextBlockSource>(name);
}
