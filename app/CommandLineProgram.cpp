#include "app/CommandLineProgram.h"

#include <QApplication>
#include <QGuiApplication>
#include <iostream>

#include "app/AnimationCommand.h"
#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/PictureCommand.h"
#include "app/SeriesCommand.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's start warns when the session has no XDG_RUNTIME_DIR, as under cron, though a program
// without windows has no use for one; a script should read only what went wrong.
void onlyCriticalMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qtHandler(type, context, text);
    }
}

}  // namespace

CommandLineProgram::CommandLineProgram(const CommandLine& line, const CommandLineTexts& texts)
    : line_(line), texts_(texts) {}

int CommandLineProgram::run(char* programName) {
    if (line_.error) {
        std::cerr << texts_.refused(*line_.error);
        return 2;
    }
    if (line_.mode == ProgramMode::Help) {
        std::cout << texts_.help();
        return 0;
    }
    // Pictures and animations need fonts and image plugins but never a screen: the offscreen
    // platform, whatever DISPLAY or QT_QPA_PLATFORM say.
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* arguments[] = {programName, platformOption, platform, nullptr};
    int count = 3;
    qtHandler = qInstallMessageHandler(onlyCriticalMessages);
    if (line_.mode == ProgramMode::Series || line_.mode == ProgramMode::Stripes) {
        // The chart is a graphics widget: it needs the widgets' application, still offscreen.
        QApplication application(count, arguments);
        qInstallMessageHandler(qtHandler);
        return SeriesCommand(line_, texts_, std::cerr).run();
    }
    QGuiApplication application(count, arguments);
    qInstallMessageHandler(qtHandler);
    if (line_.mode == ProgramMode::Animate) {
        return AnimationCommand(line_, texts_, std::cerr).run();
    }
    return PictureCommand(line_, texts_, std::cerr).run();
}
