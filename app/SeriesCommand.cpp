#include "app/SeriesCommand.h"

#include <unistd.h>

#include <ostream>

#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/CommandScene.h"
#include "app/TerminalProgress.h"
#include "chart/ChartPictures.h"
#include "series/SeriesEngine.h"
#include "series/SeriesTable.h"
#include "toolkit/ZException.h"
#include "toolkit/ZSystem.h"

SeriesCommand::SeriesCommand(const CommandLine& line, const CommandLineTexts& texts,
                             std::ostream& errors)
    : line_(line), texts_(texts), errors_(errors) {}

int SeriesCommand::run() {
    const bool stripes = line_.mode == ProgramMode::Stripes;
    const SeriesChoice& choice = line_.series;
    CommandScene scene;
    MapDocument& document = scene.document;
    document.load();
    if (line_.picture.dataset) {
        document.dataset.fileName = *line_.picture.dataset;
    }
    if (!scene.targetAllowed(stripes ? "--stripes" : "--series", line_.output, texts_, errors_)) {
        return 1;
    }

    SeriesRequest request;
    try {
        for (const std::string& text : choice.regions) {
            request.regions.push_back(SeriesRegion::parse(text));
        }
    } catch (const ZException& exception) {
        errors_ << texts_.regionRefused(exception.getMessage().view());
        return 2;
    }
    request.fromYear = choice.fromYear;
    request.toYear = choice.toYear;
    request.step = stripes || choice.annual ? SeriesStep::AnnualMeans : SeriesStep::EveryMonth;
    if (choice.baseline) {
        request.baseline = YearSpan{choice.baseline->first, choice.baseline->second};
    }
    request.thresholdPercent = choice.thresholdPercent.value_or(request.thresholdPercent);
    std::string problem = request.problem();
    for (const SeriesRegion& region : request.regions) {
        problem = problem.empty() ? region.problem() : problem;
    }
    if (!problem.empty()) {
        errors_ << texts_.regionRefused(problem);
        return 2;
    }

    std::vector<Series> series;
    TerminalProgress progress(errors_, isatty(STDERR_FILENO) == 1);
    try {
        SeriesEngine engine(document.dataset);
        engine.prepare(progress);
        series = engine.compute(request, document.positions, progress);
    } catch (const ZException& exception) {
        errors_ << texts_.seriesNotComputed(exception.getMessage().view());
        return 1;
    }

    ZString datasetName;
    ZSystem::extractPath(document.dataset.fileName, datasetName, true);
    try {
        std::optional<ChartFormat> picture = chartFormatOf(line_.output);
        if (stripes) {
            writeStripesPicture(line_.output, *picture, series.front());
        } else if (picture) {
            writeChartPicture(line_.output, *picture, series,
                              TrendSpan{static_cast<double>(request.fromYear),
                                        static_cast<double>(request.toYear) + 1},
                              chartTitle(datasetName.str(), request.baseline));
        } else {
            SeriesTableHead head;
            head.dataset = datasetName.str();
            head.baseline = choice.baseline ? std::to_string(choice.baseline->first) + "-" +
                                                  std::to_string(choice.baseline->second)
                                            : seriestexts::BASELINE_AS_IN_FILE;
            head.thresholdPercent = request.thresholdPercent;
            writeSeriesTable(line_.output, series, head);
        }
    } catch (const ZException& exception) {
        errors_ << texts_.notWritten(exception.getMessage().view());
        return 1;
    }
    return 0;
}
