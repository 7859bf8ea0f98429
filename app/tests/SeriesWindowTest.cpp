#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QListWidget>
#include <QSvgRenderer>
#include <algorithm>

#include "WaitFor.h"
#include "WindowTest.h"
#include "chart/SeriesWindow.h"
#include "series/SeriesTable.h"
#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ui/ZAcceleratorFilter.h"
#include "toolkit/ui/ZResourceModule.h"

namespace {

class SeriesWindowTest : public WindowTest {
  protected:
    // Opens the series window with its key, as the user does, and waits for its first series.
    SeriesWindow& openByKey(bool english = false) {
        start("");
        if (english) {
            command(CMD_LANGUAGE_ENGLISH);
        }
        ZAcceleratorFilter filter(*window,
                                  ZSystem::getInstance().findAccelerators(IDR_ACCELERATORS));
        qApp->installEventFilter(&filter);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier);
        QApplication::sendEvent(window->clientWidget(), &press);
        qApp->removeEventFilter(&filter);
        EXPECT_FALSE(window->seriesWindow.isNull());
        series = window->seriesWindow.data();
        settle();
        return *series;
    }

    void settle() {
        QApplication::processEvents();
        EXPECT_TRUE(waitFor([this] { return !series->busy(); }));
    }

    // Checks the list entry with this text, or the check box, and waits for the outcome.
    void check(const QString& entry) {
        for (QListWidgetItem* item :
             series->findChild<QListWidget*>()->findItems(entry, Qt::MatchStartsWith)) {
            item->setCheckState(Qt::Checked);
        }
        for (QCheckBox* box : series->findChildren<QCheckBox*>()) {
            box->setChecked(box->isChecked() || box->text().startsWith(entry));
        }
        settle();
    }

    std::size_t legendEntries() const {
        // Markers take their visibility at the legend's next layout.
        QApplication::processEvents();
        auto markers = series->findChild<QChartView*>()->chart()->legend()->markers();
        return static_cast<std::size_t>(std::count_if(
            markers.begin(), markers.end(), [](QLegendMarker* m) { return m->isVisible(); }));
    }

    SeriesWindow* series = nullptr;
};

// The window opens on the two global series; each region checked adds a series and one
// legend entry, however many pieces its gaps break it into.
TEST_F(SeriesWindowTest, KeyOpensTheWindowAndEachRegionAddsOneSeries) {
    SeriesWindow& w = openByKey();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Zeitreihe");
    EXPECT_EQ(w.shownSeries().size(), 2u);
    check("Nordhalbkugel");
    check("Arktis");
    ASSERT_EQ(w.shownSeries().size(), 4u);
    EXPECT_EQ(w.shownSeries()[2].label, "Nordhalbkugel");
    EXPECT_EQ(legendEntries(), 4u);
    EXPECT_EQ(w.shownSeries()[0].points.size(), 24u);
}

// A box the engine refuses shows its reason and no series; a good one is drawn on the map
// while the window is open, and no longer once it closes.
TEST_F(SeriesWindowTest, BadBoxShowsItsReasonAndGoodBoxIsDrawnWhileOpen) {
    SeriesWindow& w = openByKey();
    auto edit = [&](int i) { return w.findChild<QLineEdit*>(QString("box%1").arg(i)); };
    const char* box[] = {"10", "40", "20", "30"};
    for (int i = 0; i < 4; ++i) {
        edit(i)->setText(box[i]);
    }
    check("Box");
    EXPECT_TRUE(w.shownSeries().empty());
    EXPECT_FALSE(w.message().isEmpty());
    EXPECT_EQ(legendEntries(), 0u);

    edit(1)->setText("-10");
    emit edit(1)->editingFinished();
    settle();
    EXPECT_EQ(w.shownSeries().size(), 3u);
    EXPECT_TRUE(w.message().isEmpty());
    ASSERT_TRUE(window->seriesBox.has_value());
    EXPECT_EQ(*window->seriesBox, (GeoBox{10, -10, 20, 30}));
    w.close();
    EXPECT_FALSE(window->seriesBox.has_value());
}

// The chart saves as a PNG of the fixed size and as an SVG that Qt reads and renders; the table
// is the engine's table of the shown series; a file that cannot be written is named.
TEST_F(SeriesWindowTest, SavesPicturesAndTheTableOfWhatIsShown) {
    SeriesWindow& w = openByKey();
    w.savePicture("chart.png", ChartFormat::Png);
    EXPECT_EQ(QImage("chart.png").size(), CHART_PICTURE_SIZE);
    w.savePicture("chart.svg", ChartFormat::Svg);
    QSvgRenderer svg(QString("chart.svg"));
    ASSERT_TRUE(svg.isValid());
    QImage rendered(600, 350, QImage::Format_RGB32);
    rendered.fill(Qt::black);
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    EXPECT_EQ(rendered.pixel(5, 5), qRgb(255, 255, 255));

    w.saveTable("reihe.csv");
    EXPECT_EQ(
        folder.read("reihe.csv"),
        seriesTable(w.shownSeries(), SeriesTableHead{"hadcrut3v.dat", "wie in der Datei", 50}));

    std::filesystem::create_directory("folder.png");
    try {
        w.savePicture("folder.png", ChartFormat::Png);
        ADD_FAILURE() << "a folder was written over";
    } catch (const ZException& exception) {
        EXPECT_TRUE(exception.getMessage().str().starts_with("\"folder.png\": "));
    }
}

// The window's baseline goes to the map only while asked for; the series keep the file's own
// anomalies as the engine's starting point whatever the map shows.
TEST_F(SeriesWindowTest, BaselineReachesTheMapOnlyWhenAsked) {
    SeriesWindow& w = openByKey();
    QComboBox* baseline = w.findChildren<QComboBox*>().at(2);
    baseline->setCurrentIndex(baseline->count() - 1);
    for (QLineEdit* edit : w.findChildren<QLineEdit*>()) {
        edit->setText(edit->text() == "1981"   ? "1850"
                      : edit->text() == "2010" ? "1851"
                                               : edit->text());
    }
    check("Bezugszeitraum");
    EXPECT_EQ(window->database.description().baseline, (YearSpan{1850, 1851}));
    EXPECT_FALSE(window->database.baselineName().isEmpty());
    w.findChildren<QCheckBox*>().last()->setChecked(false);
    settle();
    EXPECT_EQ(window->database.description().baseline, std::nullopt);
    EXPECT_TRUE(log.messages.empty());
}

// Opened in English, the window keeps no German text that has its English: not on its labels,
// buttons, choices and axes, nor in the series' legend texts.
TEST_F(SeriesWindowTest, SpeaksEnglishWhenChosen) {
    SeriesWindow& w = openByKey(true);
    QStringList shown{w.windowTitle()};
    for (QLabel* label : w.findChildren<QLabel*>()) {
        shown << label->text();
    }
    for (QAbstractButton* button : w.findChildren<QAbstractButton*>()) {
        shown << button->text();
    }
    for (QComboBox* box : w.findChildren<QComboBox*>()) {
        for (int i = 0; i < box->count(); ++i) {
            shown << box->itemText(i);
        }
    }
    for (QAbstractAxis* axis : w.findChild<QChartView*>()->chart()->axes()) {
        shown << axis->titleText();
    }
    for (const Series& series : w.shownSeries()) {
        shown << QString::fromStdString(series.label);
    }
    for (const QString& text : shown) {
        EXPECT_EQ(ztr(text.toUtf8().constData()).str(), text.toStdString());
    }
    // The language is the process's, so the tests after this one get German back.
    command(CMD_LANGUAGE_GERMAN);
}

}  // namespace
