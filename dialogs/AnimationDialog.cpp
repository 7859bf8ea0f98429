#include "dialogs/AnimationDialog.h"

#include <vector>

#include "animation/AnimationWriter.h"
#include "grid/SpanPastData.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZDialogTemplate.h"

namespace {

// A frame as the window's messages name a month ("03-1850"), or its year for year averages.
ZString frameName(const AnimationSpan& span, const AnimationFrame& frame) {
    return span.yearAverages ? ZFormattedString("%u", frame.year)
                             : ZFormattedString("%.2u-%u", frame.month, frame.year);
}

// The frames whose months could not be read: they show "Keine Daten" like months past the data.
ZString unreadableNote(const AnimationSpan& span, const std::vector<std::uint64_t>& frames) {
    ZString note = span.yearAverages
                       ? ztr("\r\n\r\nNicht lesbar und daher ohne Daten, die Jahre: ")
                       : ztr("\r\n\r\nNicht lesbar und daher ohne Daten, die Monate: ");
    bool firstRun = true;
    for (const auto& [first, last] : span.runsOf(frames)) {
        note += firstRun ? "" : ", ";
        note += frameName(span, first).view();
        if (last.year != first.year || last.month != first.month) {
            note += ztr(" bis ").view();
            note += frameName(span, last).view();
        }
        firstRun = false;
    }
    return note;
}

}  // namespace

AnimationDialog::AnimationDialog(ZWindowContext* parent) : ZDialog(parent, IDD_ANIMATION) {
    form.reset(this);
}

void AnimationDialog::onDialogInit() {
    form.addUnsignedField(IDC_ANIMATION_FROM_YEAR, span.fromYear);
    form.addUnsignedField(IDC_ANIMATION_FROM_MONTH, span.fromMonth);
    form.addUnsignedField(IDC_ANIMATION_TO_YEAR, span.toYear);
    form.addUnsignedField(IDC_ANIMATION_TO_MONTH, span.toMonth);
    form.addUnsignedField(IDC_ANIMATION_FRAMES_PER_SECOND, span.framesPerSecond);
    form.addCheckField(IDC_ANIMATION_YEAR_AVERAGES, span.yearAverages);
    form.addCheckField(IDC_ANIMATION_LOOP, span.loop);
    fileText.create(*this, "", IDC_ANIMATION_FILE);
    ZString shownName;
    ZSystem::extractPath(fileName, shownName, true);
    fileText.setText(shownName);
    progressBar.create(*this, "", IDC_ANIMATION_PROGRESS);
    progressBar.setRange(0, 100);
    form.showValues();
}

void AnimationDialog::onDialogCommand(int controlId) {
    try {
        if (controlId == IDC_ANIMATION_START) {
            start();
        } else if (controlId == IDC_ANIMATION_CANCEL || controlId == Z_IDCANCEL) {
            cancel();
        }
    } catch (const ZException& exception) {
        ZSystem::showException(this, exception);
    }
}

void AnimationDialog::onDialogClose() {
    cancel();
}

void AnimationDialog::cancel() {
    if (!worker_.requestStop()) {
        close(0);
    }
}

void AnimationDialog::start() {
    if (worker_.isRunning() || !form.validate()) {
        return;
    }
    form.takeValues();
    if (ZString problem = span.problem(); !problem.isEmpty()) {
        ZSystem::showMessage(this, problem, "Information", false);
        return;
    }
    if (std::optional<std::uint64_t> dataEnd = dataEndFarBefore(request.dataset, span.lastMonth());
        dataEnd &&
        !ZSystem::showMessage(
            this,
            ZFormattedString(ztr("Die Animation reicht mehr als zehn Jahre über den letzten "
                                 "Monat mit Daten (%.2u-%llu) hinaus. Danach folgen nur "
                                 "Bilder ohne Daten, und das Speichern kann sehr lange "
                                 "dauern.\r\n\r\nTrotzdem speichern?")
                                 .c_str(),
                             static_cast<unsigned>(*dataEnd % 12 + 1),
                             static_cast<unsigned long long>(*dataEnd / 12)),
            "Information", true)) {
        return;
    }
    request.span = span;
    worker_.start([this](ZProgress& progress) { writeAnimation(progress); }, [this] { close(0); });
}

void AnimationDialog::writeAnimation(ZProgress& progress) {
    AnimationWriter writer(request, progress);
    AnimationResult result = writer.write(fileName);
    if (result.complete()) {
        ZString text = ZFormattedString(
            ztr("Animation mit %llu %s gespeichert:\r\n%s").c_str(),
            static_cast<unsigned long long>(result.frames),
            result.frames == 1 ? ztr("Bild").c_str() : ztr("Bildern").c_str(), fileName.c_str());
        if (!writer.unreadableFrames().empty()) {
            text += unreadableNote(request.span, writer.unreadableFrames()).view();
        }
        ZSystem::showMessage(this, text, "Information", false);
    } else if (!result.stopped) {
        ZSystem::showMessage(
            this,
            ZFormattedString(ztr("Die Animation konnte nicht gespeichert werden.\r\n%s").c_str(),
                             result.error.c_str()),
            "Information", false);
    }
}
