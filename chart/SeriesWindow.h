#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartPictures.h"
#include "chart/ChartTexts.h"
#include "chart/SeriesRunner.h"
#include "grid/GridSourceDescription.h"
#include "series/SeriesRegion.h"
#include "series/SeriesRequest.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;
class WarmingStripes;
class ZWindowContext;

// What the series are computed from: the shown dataset and the positions as they stand.
struct SeriesSource {
    GridSourceDescription dataset;
    PlacedPositions positions;
};

// The window "Zeitreihe": the user picks regions, years, step, baseline, threshold and the
// trend's years; every change computes the series anew on the runner, and the chart (or the
// stripes of the first series) shows the newest outcome. It saves the shown picture as PNG or
// SVG and the series as a table. The window stays open beside the map, and the typed box is
// drawn there while it is open.
class SeriesWindow : public QWidget {
  public:
    struct Host {
        // Where dialogs and messages belong.
        ZWindowContext* owner = nullptr;
        std::function<SeriesSource()> source;
        // The typed box while it is chosen and the window open, nothing otherwise.
        std::function<void(const std::optional<SeriesRegion>& box)> boxShown;
        // The baseline the map is to show, when the user asks for the window's on the map too.
        std::function<void(const std::optional<YearSpan>& baseline)> mapBaseline;
    };

    explicit SeriesWindow(Host host, QWidget* parent = nullptr);
    ~SeriesWindow() override;

    // Takes the positions as they stand into the choices, shows the window and computes.
    void open();

    // What is shown: the newest series, or none with the message why.
    const std::vector<Series>& shownSeries() const { return shown_; }
    QString message() const;
    bool busy() const { return waiting_ != 0; }
    bool showsStripes() const;
    // Saves the shown chart or stripes, or the series as a table; raises ZException when the
    // file cannot be written or nothing is shown.
    void savePicture(const std::string& path, ChartFormat format) const;
    void saveTable(const std::string& path) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void fillRegionList();
    // Computes soon: several changes in one go make one request.
    void changed();
    void request();
    // The request as typed, or the message that says what is wrong with it.
    std::optional<SeriesJob> readJob(std::string& problem);
    void received(SeriesOutcome outcome);
    void showOutcome();
    void showProblem(const std::string& text);
    void setBusy(bool busy);
    void askAndSave(ChartText filter, const char* pattern,
                    const std::function<void(const std::string&)>& save);
    TrendSpan trendSpan() const;
    std::optional<SeriesRegion> typedBox() const;

    Host host_;
    SeriesRunner runner_;
    SeriesSource source_;
    std::vector<SeriesRegion> listed_;
    std::uint64_t lastNumber_ = 0;
    std::uint64_t waiting_ = 0;
    std::vector<Series> shown_;
    SeriesRequest shownRequest_;
    std::string datasetName_;
    // What the map was last told, so that it re-reads only on a change.
    std::optional<YearSpan> mapBaseline_;

    QListWidget* regionList_ = nullptr;
    QCheckBox* boxCheck_ = nullptr;
    QLineEdit* boxEdits_[4] = {};
    QCheckBox* bandCheck_ = nullptr;
    QLineEdit* bandEdits_[2] = {};
    QLineEdit* fromEdit_ = nullptr;
    QLineEdit* toEdit_ = nullptr;
    QComboBox* stepCombo_ = nullptr;
    QComboBox* monthCombo_ = nullptr;
    QComboBox* baselineCombo_ = nullptr;
    QLineEdit* baselineEdits_[2] = {};
    QCheckBox* mapBaselineCheck_ = nullptr;
    QLineEdit* thresholdEdit_ = nullptr;
    QLineEdit* trendEdits_[2] = {};
    QComboBox* showCombo_ = nullptr;
    QStackedWidget* views_ = nullptr;
    QChartView* chartView_ = nullptr;
    WarmingStripes* stripes_ = nullptr;
    QLabel* trendLabel_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* phaseLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QTimer* changeTimer_ = nullptr;
};
