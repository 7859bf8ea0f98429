#include "chart/SeriesWindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "chart/ChartTexts.h"
#include "chart/SeriesChart.h"
#include "chart/WarmingStripes.h"
#include "series/SeriesTable.h"
#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZFileSelectDialog.h"

namespace {

// The baselines offered besides the file's own and typed years.
constexpr std::array<YearSpan, 4> BASELINES{YearSpan{1850, 1900}, YearSpan{1951, 1980},
                                            YearSpan{1961, 1990}, YearSpan{1991, 2020}};

constexpr SeriesRegion::Kind LISTED_BEFORE_POSITIONS[] = {SeriesRegion::Kind::GlobalValue,
                                                          SeriesRegion::Kind::CoveredMean};
constexpr SeriesRegion::Kind LISTED_AFTER_POSITIONS[] = {
    SeriesRegion::Kind::Northern, SeriesRegion::Kind::Southern, SeriesRegion::Kind::Tropics,
    SeriesRegion::Kind::Arctic};

QString text(ChartText which) {
    return QString::fromStdString(chartText(which));
}

// A number as typed, with a decimal point or comma; nothing for anything else.
std::optional<double> numberOf(const QLineEdit& edit) {
    std::string typed = edit.text().trimmed().replace(',', '.').toStdString();
    double value = 0;
    auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    if (typed.empty() || error != std::errc() || end != typed.data() + typed.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A year as typed: nothing for an empty box, a problem for what is no year.
std::optional<std::uint32_t> yearOf(const QLineEdit& edit, std::string& problem) {
    if (edit.text().trimmed().isEmpty()) {
        return std::nullopt;
    }
    std::optional<double> value = numberOf(edit);
    if (!value || *value < 0 || *value > 9999 || *value != std::floor(*value)) {
        problem = chartText(ChartText::NotANumber) + edit.text().toStdString();
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

// The numbers of the edits; empty, with the problem, when one is no number.
template <std::size_t N>
std::vector<double> numbersOf(QLineEdit* const (&edits)[N], std::string& problem) {
    std::vector<double> values;
    for (QLineEdit* edit : edits) {
        std::optional<double> value = numberOf(*edit);
        if (!value) {
            problem = chartText(ChartText::NotANumber) + edit->text().toStdString();
            return {};
        }
        values.push_back(*value);
    }
    return values;
}

SeriesRegion boxRegion(const std::vector<double>& edges) {
    SeriesRegion box;
    box.kind = SeriesRegion::Kind::Box;
    box.west = edges[0];
    box.south = edges[1];
    box.east = edges[2];
    box.north = edges[3];
    return box;
}

std::string spanText(const YearSpan& span) {
    return std::to_string(span.first) + "-" + std::to_string(span.last);
}

QLineEdit* smallEdit(const QString& initial, int width) {
    auto* edit = new QLineEdit(initial);
    edit->setMaximumWidth(width);
    return edit;
}

}  // namespace

SeriesWindow::SeriesWindow(Host host, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(std::move(host)),
      runner_(SeriesRunner::Listener{
          [this](const std::string& phase) { phaseLabel_->setText(QString::fromStdString(phase)); },
          [this](int percent) { progressBar_->setValue(std::min(percent, 100)); },
          [this](SeriesOutcome outcome) { received(std::move(outcome)); }}) {
    setWindowTitle(text(ChartText::WindowTitle));
    build();
}

SeriesWindow::~SeriesWindow() = default;

void SeriesWindow::build() {
    auto* controls = new QFormLayout;
    regionList_ = new QListWidget;
    regionList_->setFixedHeight(160);
    controls->addRow(new QLabel(text(ChartText::Regions)));
    controls->addRow(regionList_);

    boxCheck_ = new QCheckBox(text(ChartText::Box));
    auto* boxRow = new QHBoxLayout;
    const char* boxDefaults[] = {"-10", "35", "40", "70"};
    for (int i = 0; i < 4; ++i) {
        boxEdits_[i] = smallEdit(boxDefaults[i], 55);
        boxEdits_[i]->setObjectName(QString("box%1").arg(i));
        boxRow->addWidget(boxEdits_[i]);
    }
    boxRow->addStretch();
    controls->addRow(boxCheck_);
    controls->addRow(boxRow);
    bandCheck_ = new QCheckBox(text(ChartText::Band));
    auto* bandRow = new QHBoxLayout;
    const char* bandDefaults[] = {"30", "60"};
    for (int i = 0; i < 2; ++i) {
        bandEdits_[i] = smallEdit(bandDefaults[i], 55);
        bandRow->addWidget(bandEdits_[i]);
    }
    bandRow->addStretch();
    controls->addRow(bandCheck_);
    controls->addRow(bandRow);

    auto* years = new QHBoxLayout;
    fromEdit_ = smallEdit("", 90);
    toEdit_ = smallEdit("", 90);
    fromEdit_->setPlaceholderText(text(ChartText::WholeFile));
    toEdit_->setPlaceholderText(text(ChartText::WholeFile));
    years->addWidget(fromEdit_);
    years->addWidget(new QLabel(text(ChartText::ToYear)));
    years->addWidget(toEdit_);
    years->addStretch();
    controls->addRow(text(ChartText::FromYear), years);

    stepCombo_ = new QComboBox;
    stepCombo_->addItems(
        {text(ChartText::EveryMonth), text(ChartText::OneMonth), text(ChartText::AnnualMeans)});
    monthCombo_ = new QComboBox;
    // The month names in the interface's language, whatever the system's.
    const QLocale language = ZLanguage::isEnglish()
                                 ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                 : QLocale(QLocale::German, QLocale::Germany);
    for (int month = 1; month <= 12; ++month) {
        monthCombo_->addItem(language.monthName(month));
    }
    monthCombo_->setEnabled(false);
    auto* step = new QHBoxLayout;
    step->addWidget(stepCombo_);
    step->addWidget(monthCombo_);
    controls->addRow(text(ChartText::Step), step);

    baselineCombo_ = new QComboBox;
    baselineCombo_->addItem(text(ChartText::BaselineAsInFile));
    for (const YearSpan& span : BASELINES) {
        baselineCombo_->addItem(QString("%1–%2").arg(span.first).arg(span.last));
    }
    baselineCombo_->addItem(text(ChartText::BaselineOwnYears));
    auto* baseline = new QHBoxLayout;
    baseline->setSpacing(4);
    baseline->addWidget(baselineCombo_);
    baselineEdits_[0] = smallEdit("1981", 60);
    baselineEdits_[1] = smallEdit("2010", 60);
    baseline->addWidget(baselineEdits_[0]);
    baseline->addWidget(new QLabel(text(ChartText::BaselineSeparator)));
    baseline->addWidget(baselineEdits_[1]);
    for (QLineEdit* edit : baselineEdits_) {
        edit->setEnabled(false);
    }
    controls->addRow(text(ChartText::Baseline), baseline);
    mapBaselineCheck_ = new QCheckBox(text(ChartText::BaselineOnMap));
    controls->addRow(mapBaselineCheck_);

    thresholdEdit_ = smallEdit("50", 60);
    controls->addRow(text(ChartText::Threshold), thresholdEdit_);

    auto* trend = new QHBoxLayout;
    for (QLineEdit*& edit : trendEdits_) {
        edit = smallEdit("", 90);
        edit->setPlaceholderText(text(ChartText::WholeFile));
    }
    trend->addWidget(trendEdits_[0]);
    trend->addWidget(new QLabel(text(ChartText::ToYear)));
    trend->addWidget(trendEdits_[1]);
    trend->addStretch();
    controls->addRow(text(ChartText::TrendSpan), trend);

    showCombo_ = new QComboBox;
    showCombo_->addItems({text(ChartText::ShowChart), text(ChartText::ShowStripes)});
    controls->addRow(text(ChartText::Show), showCombo_);

    auto* saves = new QHBoxLayout;
    auto* png = new QPushButton(text(ChartText::SavePng));
    auto* svg = new QPushButton(text(ChartText::SaveSvg));
    auto* csv = new QPushButton(text(ChartText::SaveCsv));
    saves->addWidget(png);
    saves->addWidget(svg);
    saves->addWidget(csv);
    controls->addRow(saves);

    views_ = new QStackedWidget;
    chartView_ = new QChartView(new QChart);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(640, 420);
    stripes_ = new WarmingStripes;
    views_->addWidget(chartView_);
    views_->addWidget(stripes_);
    trendLabel_ = new QLabel;
    messageLabel_ = new QLabel;
    messageLabel_->setWordWrap(true);
    messageLabel_->setStyleSheet("color: #a00000");
    progressBar_ = new QProgressBar;
    progressBar_->setRange(0, 100);
    phaseLabel_ = new QLabel;
    cancelButton_ = new QPushButton(text(ChartText::Cancel));
    auto* work = new QHBoxLayout;
    work->addWidget(phaseLabel_);
    work->addWidget(progressBar_, 1);
    work->addWidget(cancelButton_);

    auto* shown = new QVBoxLayout;
    shown->addWidget(views_, 1);
    shown->addWidget(trendLabel_);
    shown->addWidget(messageLabel_);
    shown->addLayout(work);
    auto* whole = new QHBoxLayout(this);
    auto* left = new QWidget;
    left->setLayout(controls);
    left->setFixedWidth(430);
    whole->addWidget(left, 0, Qt::AlignTop);
    whole->addLayout(shown, 1);
    setBusy(false);

    changeTimer_ = new QTimer(this);
    changeTimer_->setSingleShot(true);
    changeTimer_->setInterval(0);
    connect(changeTimer_, &QTimer::timeout, this, [this]() { request(); });
    connect(regionList_, &QListWidget::itemChanged, this, [this]() { changed(); });
    for (QCheckBox* box : {boxCheck_, bandCheck_, mapBaselineCheck_}) {
        connect(box, &QCheckBox::toggled, this, [this]() { changed(); });
    }
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::editingFinished, this, [this]() { changed(); });
    }
    connect(stepCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        monthCombo_->setEnabled(index == 1);
        changed();
    });
    connect(baselineCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        for (QLineEdit* edit : baselineEdits_) {
            edit->setEnabled(index == baselineCombo_->count() - 1);
        }
        changed();
    });
    for (QComboBox* combo : {monthCombo_, showCombo_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this]() { changed(); });
    }
    connect(cancelButton_, &QPushButton::clicked, this, [this]() { runner_.stop(); });
    connect(png, &QPushButton::clicked, this, [this]() {
        askAndSave(ChartText::PngFiles, "*.png",
                   [this](const std::string& path) { savePicture(path, ChartFormat::Png); });
    });
    connect(svg, &QPushButton::clicked, this, [this]() {
        askAndSave(ChartText::SvgFiles, "*.svg",
                   [this](const std::string& path) { savePicture(path, ChartFormat::Svg); });
    });
    connect(csv, &QPushButton::clicked, this, [this]() {
        askAndSave(ChartText::CsvFiles, "*.csv",
                   [this](const std::string& path) { saveTable(path); });
    });
}

void SeriesWindow::fillRegionList() {
    std::vector<bool> wasChecked;
    for (int i = 0; i < regionList_->count(); ++i) {
        wasChecked.push_back(regionList_->item(i)->checkState() == Qt::Checked);
    }
    std::vector<SeriesRegion> before = listed_;
    listed_.clear();
    QStringList names;
    auto list = [&](SeriesRegion region, const std::string& name) {
        listed_.push_back(region);
        names.push_back(QString::fromStdString(name));
    };
    for (SeriesRegion::Kind kind : LISTED_BEFORE_POSITIONS) {
        SeriesRegion region;
        region.kind = kind;
        list(region, region.label());
    }
    for (const auto& [id, position] : source_.positions) {
        SeriesRegion region;
        region.kind = SeriesRegion::Kind::Position;
        region.positionId = id;
        region.place = position.coordinates;
        list(region, (id == 1 ? chartText(ChartText::ViewPosition)
                              : chartText(ChartText::PositionPrefix) + std::to_string(id)) +
                         ": " + position.name.str());
    }
    for (SeriesRegion::Kind kind : LISTED_AFTER_POSITIONS) {
        SeriesRegion region;
        region.kind = kind;
        list(region, region.label());
    }

    QSignalBlocker quiet(regionList_);
    regionList_->clear();
    for (std::size_t i = 0; i < listed_.size(); ++i) {
        auto* item = new QListWidgetItem(names[static_cast<int>(i)], regionList_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        // A choice keeps its mark when the list is made anew; the first time the two global
        // series are shown.
        bool checked = before.empty() ? i < 2 : false;
        for (std::size_t j = 0; j < before.size(); ++j) {
            if (before[j].kind == listed_[i].kind &&
                before[j].positionId == listed_[i].positionId && wasChecked[j]) {
                checked = true;
            }
        }
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void SeriesWindow::open() {
    source_ = host_.source();
    // The map's baseline is shown as this window's choice; the series themselves are computed
    // from the file's own anomalies and re-referenced by the engine.
    mapBaseline_ = source_.dataset.baseline;
    source_.dataset.baseline.reset();
    if (mapBaseline_) {
        QSignalBlocker quietCombo(baselineCombo_);
        QSignalBlocker quietCheck(mapBaselineCheck_);
        const auto known = std::find(BASELINES.begin(), BASELINES.end(), *mapBaseline_);
        const int index = known != BASELINES.end() ? static_cast<int>(known - BASELINES.begin()) + 1
                                                   : baselineCombo_->count() - 1;
        baselineCombo_->setCurrentIndex(index);
        baselineEdits_[0]->setText(QString::number(mapBaseline_->first));
        baselineEdits_[1]->setText(QString::number(mapBaseline_->last));
        for (QLineEdit* edit : baselineEdits_) {
            edit->setEnabled(index == baselineCombo_->count() - 1);
        }
        mapBaselineCheck_->setChecked(true);
    }
    ZString name;
    ZSystem::extractPath(source_.dataset.fileName, name, true);
    datasetName_ = name.str();
    fillRegionList();
    show();
    raise();
    activateWindow();
    request();
}

void SeriesWindow::closeEvent(QCloseEvent* event) {
    runner_.stop();
    host_.boxShown(std::nullopt);
    event->accept();
}

void SeriesWindow::changed() {
    changeTimer_->start();
}

std::optional<SeriesRegion> SeriesWindow::typedBox() const {
    std::string problem;
    std::vector<double> edges = numbersOf(boxEdits_, problem);
    if (!boxCheck_->isChecked() || !problem.empty()) {
        return std::nullopt;
    }
    return boxRegion(edges);
}

std::optional<SeriesJob> SeriesWindow::readJob(std::string& problem) {
    SeriesJob job;
    job.dataset = source_.dataset;
    job.positions = source_.positions;
    SeriesRequest& request = job.request;
    for (int i = 0; i < regionList_->count(); ++i) {
        if (regionList_->item(i)->checkState() == Qt::Checked) {
            request.regions.push_back(listed_[static_cast<std::size_t>(i)]);
        }
    }
    if (boxCheck_->isChecked()) {
        std::vector<double> edges = numbersOf(boxEdits_, problem);
        if (!problem.empty()) {
            return std::nullopt;
        }
        request.regions.push_back(boxRegion(edges));
    }
    if (bandCheck_->isChecked()) {
        std::vector<double> edges = numbersOf(bandEdits_, problem);
        if (!problem.empty()) {
            return std::nullopt;
        }
        SeriesRegion band;
        band.kind = SeriesRegion::Kind::Band;
        band.south = edges[0];
        band.north = edges[1];
        request.regions.push_back(band);
    }
    if (request.regions.empty()) {
        problem = chartText(ChartText::NoRegion);
        return std::nullopt;
    }
    for (const SeriesRegion& region : request.regions) {
        problem = region.problem();
        if (!problem.empty()) {
            return std::nullopt;
        }
    }
    job.fromYear = yearOf(*fromEdit_, problem);
    job.toYear = yearOf(*toEdit_, problem);
    // The stripes are made of annual means, whatever the chart's step.
    const int step = showsStripes() ? 2 : stepCombo_->currentIndex();
    request.step = step == 0   ? SeriesStep::EveryMonth
                   : step == 1 ? SeriesStep::OneMonthOfYear
                               : SeriesStep::AnnualMeans;
    request.month = static_cast<std::uint32_t>(monthCombo_->currentIndex() + 1);
    const int baseline = baselineCombo_->currentIndex();
    if (baseline > 0 && baseline <= static_cast<int>(BASELINES.size())) {
        request.baseline = BASELINES[static_cast<std::size_t>(baseline - 1)];
    } else if (baseline > 0) {
        std::optional<std::uint32_t> first = yearOf(*baselineEdits_[0], problem);
        std::optional<std::uint32_t> last = yearOf(*baselineEdits_[1], problem);
        if (problem.empty() && (!first || !last)) {
            problem = chartText(ChartText::NotANumber);
        }
        request.baseline = YearSpan{first.value_or(0), last.value_or(0)};
    }
    std::optional<double> threshold = numberOf(*thresholdEdit_);
    if (!threshold && problem.empty()) {
        problem = chartText(ChartText::NotANumber) + thresholdEdit_->text().toStdString();
    }
    request.thresholdPercent = threshold.value_or(0);
    yearOf(*trendEdits_[0], problem);
    yearOf(*trendEdits_[1], problem);
    if (problem.empty() && job.fromYear && job.toYear) {
        problem = request.problem();
    } else if (problem.empty()) {
        // The file's years are known only on the worker; the rest of the request is checked
        // with a span that cannot be at fault.
        SeriesRequest checked = request;
        checked.fromYear = checked.toYear = job.fromYear.value_or(job.toYear.value_or(1850));
        problem = checked.problem();
    }
    if (!problem.empty()) {
        return std::nullopt;
    }
    return job;
}

void SeriesWindow::request() {
    if (host_.boxShown) {
        host_.boxShown(isVisible() ? typedBox() : std::nullopt);
    }
    std::string problem;
    std::optional<SeriesJob> job = readJob(problem);
    if (!job) {
        // What is still running may go on (reading the dataset is needed anyway), but its
        // outcome may not overwrite the message.
        ++lastNumber_;
        showProblem(problem);
        return;
    }
    std::optional<YearSpan> onMap =
        mapBaselineCheck_->isChecked() ? job->request.baseline : std::nullopt;
    if (onMap != mapBaseline_ && host_.mapBaseline) {
        mapBaseline_ = onMap;
        host_.mapBaseline(onMap);
    }
    job->number = ++lastNumber_;
    waiting_ = job->number;
    shownRequest_ = job->request;
    setBusy(true);
    runner_.submit(std::move(*job));
}

void SeriesWindow::received(SeriesOutcome outcome) {
    if (outcome.number != lastNumber_) {
        return;
    }
    waiting_ = 0;
    setBusy(false);
    if (!outcome.failure.empty()) {
        showProblem(outcome.failure);
        return;
    }
    shown_ = std::move(outcome.series);
    messageLabel_->clear();
    showOutcome();
}

TrendSpan SeriesWindow::trendSpan() const {
    double first = INFINITY, last = -INFINITY;
    for (const Series& series : shown_) {
        if (!series.points.empty()) {
            first = std::min(first, static_cast<double>(series.points.front().year));
            last = std::max(last, static_cast<double>(series.points.back().year) + 1);
        }
    }
    std::string ignored;
    if (std::optional<std::uint32_t> from = yearOf(*trendEdits_[0], ignored)) {
        first = *from;
    }
    if (std::optional<std::uint32_t> to = yearOf(*trendEdits_[1], ignored)) {
        last = *to + 1.0;
    }
    return TrendSpan{first, last};
}

void SeriesWindow::showOutcome() {
    if (showsStripes()) {
        views_->setCurrentWidget(stripes_);
        stripes_->setSeries(shown_.front());
        trendLabel_->setText(text(ChartText::StripesOf) +
                             QString::fromStdString(shown_.front().label));
        return;
    }
    views_->setCurrentWidget(chartView_);
    std::vector<TrendFit> fits = fillSeriesChart(*chartView_->chart(), shown_, trendSpan());
    trendLabel_->setText(QString::fromStdString(trendSummary(shown_, fits)));
}

void SeriesWindow::showProblem(const std::string& problem) {
    waiting_ = 0;
    setBusy(false);
    shown_.clear();
    fillSeriesChart(*chartView_->chart(), shown_, TrendSpan{});
    stripes_->clear();
    trendLabel_->clear();
    messageLabel_->setText(QString::fromStdString(problem));
}

void SeriesWindow::setBusy(bool busy) {
    progressBar_->setValue(0);
    phaseLabel_->setVisible(busy);
    cancelButton_->setEnabled(busy);
}

bool SeriesWindow::showsStripes() const {
    return showCombo_->currentIndex() == 1;
}

QString SeriesWindow::message() const {
    return messageLabel_->text();
}

void SeriesWindow::savePicture(const std::string& path, ChartFormat format) const {
    if (shown_.empty()) {
        throw ZException(chartText(ChartText::NothingToSave), 0);
    }
    if (showsStripes()) {
        writeStripesPicture(path, format, shown_.front());
    } else {
        writeChartPicture(path, format, shown_, trendSpan(),
                          chartTitle(datasetName_, shownRequest_.baseline));
    }
}

void SeriesWindow::saveTable(const std::string& path) const {
    if (shown_.empty()) {
        throw ZException(chartText(ChartText::NothingToSave), 0);
    }
    SeriesTableHead head;
    head.dataset = datasetName_;
    head.baseline = shownRequest_.baseline ? spanText(*shownRequest_.baseline)
                                           : seriestexts::BASELINE_AS_IN_FILE;
    head.thresholdPercent = shownRequest_.thresholdPercent;
    writeSeriesTable(path, shown_, head);
}

void SeriesWindow::askAndSave(ChartText filter, const char* pattern,
                              const std::function<void(const std::string&)>& save) {
    ZFileSelectDialog dialog(host_.owner, {ZFileFilter{chartText(filter), pattern}});
    if (!dialog.showSaveDialog(chartText(ChartText::WindowTitle))) {
        return;
    }
    try {
        save(dialog.getFilename().str());
    } catch (const ZException& exception) {
        ZSystem::showException(host_.owner, exception);
    }
}
