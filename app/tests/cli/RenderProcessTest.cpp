#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "FileFaults.h"
#include "WindowTest.h"
#include "app/MapPictureWriter.h"
#include "app/OwnFiles.h"

namespace {

// Our own program run as a script would run it: in the working folder, without a display and
// without a Qt platform in its environment.
class RenderProcessTest : public WindowTest {
  protected:
    struct Run {
        int status = -1;
        std::string errors;
        std::string output;
    };

    Run sorvo(const QStringList& arguments, const QString& lang = "C") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE",
                                 "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(name);
        }
        environment.insert("LANG", lang);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QString::fromStdString(folder.path().string()));
        process.start(SORVO_PROGRAM, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        Run run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.errors = process.readAllStandardError().toStdString();
        run.output = process.readAllStandardOutput().toStdString();
        return run;
    }

    void expectWritten(const QStringList& arguments) {
        Run run = sorvo(arguments);
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(run.errors, "");
    }

    static QImage picture(const std::string& name) {
        return QImage(QString::fromStdString(name)).convertToFormat(QImage::Format_RGB32);
    }
};

// Without options of its own the picture is the window's saved picture of the working folder:
// the globe turned to the view position of positions.txt, the caption with its line. The
// settings are only read.
TEST_F(RenderProcessTest, PicturesAreTheWindowsSavedPictures) {
    const std::string settings = "YEAR=1850\nMONTH=3\nSCALE_PERCENT=50\nORTH_VIEW=1\n";
    const std::string places = "Berlin\t52\t31\t0\t0\t13\t24\t0\t0\n";
    folder.write("init.txt", settings);
    folder.write("positions.txt", places);
    for (const char* name : {"cli.png", "cli.gif", "cli.jpg", "cli.emf"}) {
        expectWritten({"--render", name});
    }
    EXPECT_EQ(folder.read("init.txt"), settings);
    EXPECT_EQ(folder.read("positions.txt"), places);

    MainWindow& w = start(settings);
    for (auto [format, extension] :
         {std::pair{PictureFormat::Gif, "gif"}, std::pair{PictureFormat::Jpeg, "jpg"},
          std::pair{PictureFormat::Emf, "emf"}}) {
        const std::string name = std::string("window.") + extension;
        w.saveMap(format, name);
        EXPECT_TRUE(folder.read(std::string("cli.") + extension) == folder.read(name)) << name;
    }
    EXPECT_EQ(picture("cli.png"), MapPictureWriter(w.snapshot()).render(nullptr).image());
}

// Each option stands for its setting: the same picture as from a working folder that holds it.
TEST_F(RenderProcessTest, OptionsActAsTheSettingsTheyName) {
    folder.write("init.txt", "YEAR=1851\nMONTH=5\nMAP_TYPE=3\nSCALE_PERCENT=50\nORTH_VIEW=1\n");
    expectWritten({"--render", "stored.png"});
    folder.write("init.txt", "YEAR=1851\nYEAR_AVERAGE=1\n");
    expectWritten({"--render", "stored-average.png"});

    folder.write("init.txt", "YEAR=1850\nMONTH=3\nMAP_TYPE=2\nSCALE_PERCENT=100\n");
    expectWritten({"--render", "chosen.png", "--year", "1851", "--month", "5", "--map-type",
                   "land-wasser", "--scale=50", "--globe"});
    expectWritten(
        {"--render", "chosen-average.png", "--year", "1851", "--year-average", "--scale", "75"});
    EXPECT_EQ(picture("chosen.png"), picture("stored.png"));
    EXPECT_EQ(picture("chosen-average.png"), picture("stored-average.png"));
    EXPECT_NE(picture("chosen.png"), picture("chosen-average.png"));
}

// --centre turns the globe away from its default centre, and away from the view position.
TEST_F(RenderProcessTest, CentreTurnsTheGlobe) {
    folder.write("init.txt", "YEAR=1850\nMONTH=3\nSCALE_PERCENT=50\n");
    expectWritten({"--render", "europa.png", "--globe"});
    expectWritten({"--render", "amerika.png", "--globe", "--centre", "-60,-10"});
    folder.write("positions.txt", "Berlin\t52\t31\t0\t0\t13\t24\t0\t0\n");
    expectWritten({"--render", "nicht-berlin.png", "--globe", "--centre", "-60,-10"});
    QRect globe(180, 100, 200, 150);
    EXPECT_NE(picture("europa.png").copy(globe), picture("amerika.png").copy(globe));
    EXPECT_EQ(picture("nicht-berlin.png").copy(globe), picture("amerika.png").copy(globe));
}

// Help, a refused argument and a missing display each end with their code and text, in the
// locale's language; a typing error never starts the window or Qt's abort.
TEST_F(RenderProcessTest, HelpRefusalsAndAMissingDisplayNeverStartTheWindow) {
    Run german = sorvo({"--help"}, "de_DE.UTF-8");
    EXPECT_EQ(german.status, 0);
    EXPECT_TRUE(german.output.starts_with("Aufruf: sorvo")) << german.output;
    Run typo = sorvo({"--rendr", "karte.png"});
    EXPECT_EQ(typo.status, 2);
    EXPECT_EQ(typo.errors, "sorvo: unknown argument \"--rendr\" (see sorvo --help)\n");
    Run window = sorvo({}, "de_DE.UTF-8");
    EXPECT_EQ(window.status, 1);
    EXPECT_EQ(window.errors,
              "sorvo: kein Bildschirm: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt, das "
              "Fenster kann nicht öffnen (Bilder ohne Bildschirm: sorvo --render, siehe sorvo "
              "--help)\n");
    EXPECT_FALSE(std::filesystem::exists("karte.png"));
    EXPECT_FALSE(std::filesystem::exists("init.txt"));
}

// No picture replaces a file the program reads or writes, however the target names it; both
// modes ask, with the dataset the options chose.
TEST_F(RenderProcessTest, TheProgramsOwnFilesAreNeverReplaced) {
    folder.write("init.txt", "YEAR=1850\nMONTH=3\n");
    std::filesystem::create_symlink("weltkarte1.jpg", "verweis.jpg");
    std::filesystem::create_symlink("weltkarte2.jpg", "film.gif");
    // A background picture missing here is the program's all the same.
    std::filesystem::remove("weltkarte3.jpg");
    const std::string pictures = folder.read("weltkarte1.jpg") + folder.read("weltkarte2.jpg");
    const std::string dataset = "data/cru/hadcrut3v.dat";
    const std::pair<std::string, std::string> cases[] = {
        {"weltkarte1.jpg", "weltkarte1.jpg"},
        {"./data/../weltkarte1.jpg", "weltkarte1.jpg"},
        {(folder.path() / "weltkarte2.jpg").string(), "weltkarte2.jpg"},
        {"verweis.jpg", "weltkarte1.jpg"},
        {"weltkarte3.jpg", "weltkarte3.jpg"},
        {"./init.txt", "init.txt"},
        {"./positions.txt", "positions.txt"},
        {"./worldmap.txt", "worldmap.txt"},
        {"./Information.rtf", "Information.rtf"},
        {"./Auswertung.csv", "Auswertung.csv"},
        {"data/cru/../cru/hadcrut3v.dat", dataset},
    };
    for (const auto& [target, own] : cases) {
        EXPECT_EQ(ownFileAt(target, dataset), own) << target;
    }
    // Another file where the file system tells case apart.
    EXPECT_EQ(ownFileAt("Weltkarte1.jpg", dataset), std::nullopt);

    const std::pair<QStringList, std::string> runs[] = {
        {{"--render", "daten.png", "--dataset", "daten.png"}, "daten.png"},
        {{"--animate", "1850", "1851", "film.gif"}, "weltkarte2.jpg"}};
    for (const auto& [arguments, own] : runs) {
        Run run = sorvo(arguments);
        EXPECT_EQ(run.status, 1) << own;
        EXPECT_NE(run.errors.find(": that is \"" + own + "\", one of the program's own files"),
                  std::string::npos)
            << run.errors;
    }
    EXPECT_TRUE(folder.read("weltkarte1.jpg") + folder.read("weltkarte2.jpg") == pictures);
    EXPECT_FALSE(std::filesystem::exists("daten.png"));
}

// A month with values that are no numbers is drawn with them as 0.0, and the run says so.
TEST_F(RenderProcessTest, ValuesThatAreNoNumbersAreNoted) {
    std::string data = folder.read("data/cru/hadcrut3v.dat");
    spoilCell(data, HADCRUT3_LAYOUT, 2, 0, 0);
    folder.write("data/cru/hadcrut3v.dat", data);
    Run run = sorvo({"--render", "karte.png", "--year", "1850", "--month", "3"}, "de_DE.UTF-8");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors,
              "sorvo: Hinweis: M\xC3\xA4rz 1850: 1 Wert ist keine Zahl und gilt als 0,0.\n");
}

// Work that fails says why, writes nothing and leaves an earlier picture as it was.
TEST_F(RenderProcessTest, FailuresLeaveNoPictureBehind) {
    folder.write("init.txt", "DB_FILE=data/cru/fehlt.dat\nYEAR=1850\nMONTH=3\n");
    Run missing = sorvo({"--render", "karte.png"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errors.starts_with("sorvo: the dataset cannot be opened: "))
        << missing.errors;
    EXPECT_NE(missing.errors.find("fehlt.dat"), std::string::npos);
    expectWritten({"--render", "karte.png", "--dataset", "data/cru/hadcrut3v.dat"});

    std::string earlier = folder.read("karte.png");
    Run noData =
        sorvo({"--render", "karte.png", "--dataset", "data/cru/hadcrut3v.dat", "--year", "1900"},
              "de_DE.UTF-8");
    EXPECT_EQ(noData.status, 1);
    EXPECT_EQ(noData.errors,
              "sorvo: data/cru/hadcrut3v.dat hat keine Daten für 1900-03; kein Bild "
              "geschrieben\n");
    EXPECT_EQ(folder.read("karte.png"), earlier);

    folder.write("init.txt", "YEAR=1850\nMONTH=3\n");
    std::filesystem::remove("weltkarte1.jpg");
    Run background = sorvo({"--render", "bild.png"});
    EXPECT_EQ(background.status, 1);
    EXPECT_NE(background.errors.find("weltkarte1.jpg"), std::string::npos) << background.errors;
    Run coastlines = sorvo({"--render", "bild.png", "--map-type", "outlines"});
    EXPECT_EQ(coastlines.status, 1);
    EXPECT_NE(coastlines.errors.find("worldmap.txt"), std::string::npos) << coastlines.errors;
    EXPECT_FALSE(std::filesystem::exists("bild.png"));
}

// A file that cannot be written, in every format: exit 1, one line naming the system's reason,
// and whatever stands at the name stays as it was. A full device fails the writing, a folder in
// the way of the file the opening, with or without root's rights. The animation writer's own
// tests fill the device under it.
TEST_F(RenderProcessTest, UnwritableFilesNameTheReason) {
    folder.write("init.txt", "YEAR=1850\nMONTH=3\nSCALE_PERCENT=50\nMAP_TYPE=3\n");
    const std::pair<const char*, const char*> faults[] = {{"voll", "No space left on device"},
                                                          {"ordner", "Is a directory"}};
    const char* const extensions[] = {"png", "gif", "jpg", "emf"};
    for (const char* extension : extensions) {
        makeFullFile(std::string("voll.") + extension);
        std::filesystem::create_directory(std::string("ordner.") + extension);
    }
    auto names = [] {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
            found.insert(entry.path().string());
        }
        return found;
    };
    const std::set<std::string> before = names();

    for (const char* extension : extensions) {
        for (auto [name, reason] : faults) {
            const QString target = QString("%1.%2").arg(name, extension);
            Run run = sorvo({"--render", target});
            const std::string what = target.toStdString() + ": " + run.errors;
            EXPECT_EQ(run.status, 1) << what;
            EXPECT_TRUE(run.errors.starts_with("sorvo: picture not written: ")) << what;
            EXPECT_NE(run.errors.find(reason), std::string::npos) << what;
            EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << what;
        }
    }
    EXPECT_EQ(names(), before);
    EXPECT_TRUE(std::filesystem::is_character_file("voll.png"));
}

// An animation from the command line: one frame per month at the speed asked for, without
// looping. The writer's own tests read its files with giflib.
TEST_F(RenderProcessTest, AnimationOfMonths) {
    folder.write("init.txt", "SCALE_PERCENT=50\n");
    expectWritten({"--animate", "1850-02", "1850-04", "monate.gif", "--fps", "5", "--no-loop",
                   "--globe", "--centre", "-60,-10"});
    QImageReader reader("monate.gif");
    EXPECT_EQ(reader.imageCount(), 3);
    // Qt counts no looping extension as 0 loops, an endless one as -1.
    EXPECT_EQ(reader.loopCount(), 0);
    EXPECT_EQ(reader.read().size(), QSize(560, 360));
    EXPECT_EQ(reader.nextImageDelay(), 200);
    expectWritten({"--animate", "1850-02", "1850-03", "schleife.gif"});
    EXPECT_EQ(QImageReader("schleife.gif").loopCount(), -1);
    Run unwritable = sorvo({"--animate", "1850", "1851", "fehlt/jahre.gif"}, "de_DE.UTF-8");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.errors.starts_with("sorvo: Animation nicht geschrieben: "))
        << unwritable.errors;
    EXPECT_FALSE(std::filesystem::exists("fehlt"));
}

// Months whose blocks cannot be read are frames without data, named on stderr; a span far past
// the data is refused before anything is drawn.
TEST_F(RenderProcessTest, AnimationNamesUnreadableMonthsAndRefusesFarSpans) {
    folder.write("init.txt", "SCALE_PERCENT=50\n");
    Run far = sorvo({"--animate", "1850", "1862", "jahre.gif"});
    EXPECT_EQ(far.status, 2);
    EXPECT_EQ(far.errors,
              "sorvo: --animate \"1862\": the end lies more than ten years after the last month "
              "with data in data/cru/hadcrut3v.dat (1851-12); no animation written (see sorvo "
              "--help)\n");
    EXPECT_FALSE(std::filesystem::exists("jahre.gif"));

    std::string data = folder.read("data/cru/hadcrut3v.dat");
    for (std::size_t month : {2, 3, 6}) {
        data[month * HADCRUT3_LAYOUT.blockSize()] = 'X';
    }
    folder.write("data/cru/hadcrut3v.dat", data);
    Run damaged = sorvo({"--animate", "1850-01", "1850-08", "monate.gif"});
    EXPECT_EQ(damaged.status, 0);
    EXPECT_EQ(damaged.errors,
              "sorvo: these months could not be read and show \"Keine Daten\": 1850-03 to "
              "1850-04, 1850-07\n");
    EXPECT_EQ(QImageReader("monate.gif").imageCount(), 8);
}

}  // namespace

namespace {

// --series writes what its file's extension asks for, --stripes its picture; the table is the
// window's table of the same request.
TEST_F(RenderProcessTest, SeriesAndStripesAreWrittenAsTheirFilesSay) {
    expectWritten(
        {"--series", "global", "--series", "nh", "--from", "1850", "--to", "1851", "reihe.csv"});
    EXPECT_NE(folder.read("reihe.csv").find("Nordhalbkugel"), std::string::npos);
    expectWritten({"--series", "box:170,-60,-170,60", "--from", "1850", "--to", "1851", "--annual",
                   "reihe.png"});
    EXPECT_EQ(picture("reihe.png").size(), QSize(1200, 700));
    expectWritten({"--series", "mean", "--from", "1850", "--to", "1851", "reihe.svg"});
    EXPECT_TRUE(folder.read("reihe.svg").starts_with("<?xml"));
    expectWritten({"--stripes", "global", "--from", "1850", "--to", "1851", "streifen.png"});
    EXPECT_EQ(picture("streifen.png").size(), QSize(1200, 300));
}

// Refusals say why, with the parser's exit status, and write nothing.
TEST_F(RenderProcessTest, SeriesRefusalsSayWhy) {
    for (const QStringList& arguments :
         {QStringList{"--series", "box:10,40,20,30", "--from", "1850", "--to", "1851", "x.csv"},
          QStringList{"--stripes", "global", "--from", "1850", "--to", "1851", "x.csv"},
          QStringList{"--series", "global", "--from", "1850", "x.csv"}}) {
        Run run = sorvo(arguments, "de_DE.UTF-8");
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.starts_with("sorvo: ")) << run.errors;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "x.csv"));
    Run late = sorvo({"--series", "global", "--from", "1900", "--to", "1910", "x.csv"});
    EXPECT_EQ(late.status, 1);
    EXPECT_NE(late.errors.find("no series computed"), std::string::npos) << late.errors;
}

}  // namespace
