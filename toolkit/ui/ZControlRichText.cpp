#include "toolkit/ui/ZControlRichText.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTextCursor>
#include <cerrno>
#include <cstdio>
#include <string>

#include "toolkit/ZErrorText.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZRtfReader.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ZWebAddresses.h"
#include "toolkit/ui/ZDialog.h"

namespace {

// Indents and spacing come in twips; the document counts pixels at 96 per inch.
constexpr double TWIPS_PER_PIXEL = 15.0;

// The colour of the note about what could not be read: a dark red.
constexpr std::uint32_t NOTE_COLOUR = 0x990000;

// The texts shown run to some ten kilobytes. A file past a few megabytes is refused: reading and
// laying out tens of megabytes would hold the window for most of a minute.
constexpr std::size_t MAX_FILE_MEGABYTES = 4;
constexpr std::size_t MAX_FILE_BYTES = MAX_FILE_MEGABYTES * 1024 * 1024;

// False with errno's reason, or EFBIG for a file past MAX_FILE_BYTES (counted while reading, so
// that a device or a growing file is refused as well).
bool readWhole(const ZString& path, std::string& bytes, int& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = errno;
        return false;
    }
    char buffer[65536];
    std::size_t got = 0;
    error = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + got > MAX_FILE_BYTES) {
            error = EFBIG;
            bytes.clear();
            break;
        }
        bytes.append(buffer, got);
    }
    if (!error && std::ferror(file)) {
        error = errno ? errno : EIO;
    }
    std::fclose(file);
    return error == 0;
}

ZRichText plainText(const std::string& bytes) {
    ZRichText text;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::string line = bytes.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        ZRichParagraph paragraph;
        if (!line.empty()) {
            ZRichRun run;
            run.text = std::move(line);
            paragraph.runs.push_back(std::move(run));
        }
        text.paragraphs.push_back(std::move(paragraph));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return text;
}

ZRichParagraph noteParagraph(const std::string& note) {
    ZRichRun run;
    run.text = note;
    run.italic = true;
    run.colour = NOTE_COLOUR;
    ZRichParagraph paragraph;
    paragraph.spaceBefore = 240;
    paragraph.runs.push_back(std::move(run));
    return paragraph;
}

QTextBlockFormat blockFormat(const ZRichParagraph& paragraph) {
    QTextBlockFormat format;
    switch (paragraph.alignment) {
        case ZAlignment::Left:
            format.setAlignment(Qt::AlignLeft);
            break;
        case ZAlignment::Centre:
            format.setAlignment(Qt::AlignHCenter);
            break;
        case ZAlignment::Right:
            format.setAlignment(Qt::AlignRight);
            break;
        case ZAlignment::Justified:
            format.setAlignment(Qt::AlignJustify);
            break;
    }
    format.setLeftMargin(paragraph.leftIndent / TWIPS_PER_PIXEL);
    format.setTextIndent(paragraph.firstLineIndent / TWIPS_PER_PIXEL);
    format.setTopMargin(paragraph.spaceBefore / TWIPS_PER_PIXEL);
    format.setBottomMargin(paragraph.spaceAfter / TWIPS_PER_PIXEL);
    return format;
}

QTextCharFormat charFormat(const ZRichRun& run) {
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    if (run.halfPoints > 0) {
        format.setFontPointSize(run.halfPoints / 2.0);
    }
    if (run.colour) {
        format.setForeground(QColor::fromRgb(*run.colour));
    }
    return format;
}

void insertRun(QTextCursor& cursor, const ZRichRun& run, bool detectAddresses) {
    const QTextCharFormat format = charFormat(run);
    std::size_t done = 0;
    if (detectAddresses) {
        for (const ZWebAddress& address : findWebAddresses(run.text)) {
            cursor.insertText(QString::fromUtf8(run.text.data() + done,
                                                static_cast<qsizetype>(address.start - done)),
                              format);
            QTextCharFormat link = format;
            link.setAnchor(true);
            link.setAnchorHref(QString::fromStdString(address.target));
            link.setForeground(QApplication::palette().color(QPalette::Link));
            link.setFontUnderline(true);
            cursor.insertText(QString::fromUtf8(run.text.data() + address.start,
                                                static_cast<qsizetype>(address.length)),
                              link);
            done = address.start + address.length;
        }
    }
    cursor.insertText(
        QString::fromUtf8(run.text.data() + done, static_cast<qsizetype>(run.text.size() - done)),
        format);
}

}  // namespace

void ZControlRichText::create(ZDialog& dialog, const ZString& name, int id) {
    auto* browser = attachTo<QTextBrowser>(dialog, id, name);
    // Links go to the desktop's browser; the control itself never navigates away.
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    // Read-only, but the text can be selected and copied with the keyboard as well.
    browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    QObject::connect(browser, &QTextBrowser::anchorClicked, browser, [](const QUrl& url) {
        ZSystem::openWebAddress(url.toString().toStdString());
    });
}

void ZControlRichText::hideSelection(bool hide) {
    auto* browser = qobject_cast<QTextBrowser*>(widget());
    if (!browser) {
        return;
    }
    QPalette palette = browser->palette();
    const QPalette standard = QApplication::palette(browser);
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     hide ? standard.color(QPalette::Inactive, QPalette::Base)
                          : standard.color(QPalette::Inactive, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     hide ? standard.color(QPalette::Inactive, QPalette::Text)
                          : standard.color(QPalette::Inactive, QPalette::HighlightedText));
    browser->setPalette(palette);
}

void ZControlRichText::setURLDetection(bool detect) {
    detectAddresses_ = detect;
    render();
}

bool ZControlRichText::loadFile(const ZString& name, bool rtf) {
    const ZString path = ZSystem::findProgramFile(name);
    std::string bytes;
    int error = 0;
    if (!readWhole(path, bytes, error)) {
        text_ = ZRichText{};
        text_.problems.push_back(
            error == ENOENT
                ? ZFormattedString(
                      ztr("Die Datei \"%s\" fehlt: sie ist weder im Arbeitsverzeichnis %s "
                          "noch bei den installierten Dateien des Programms.")
                          .c_str(),
                      name.c_str(), ZSystem::getCurrentDirectory().c_str())
                      .str()
            : error == EFBIG
                ? ZFormattedString(
                      ztr("Die Datei \"%s\" ist größer als %zu MB und wird darum nicht "
                          "gezeigt.")
                          .c_str(),
                      name.c_str(), MAX_FILE_MEGABYTES)
                      .str()
                : ZFormattedString(ztr("Die Datei \"%s\" kann nicht gelesen werden: %s").c_str(),
                                   name.c_str(), errorText(error).c_str())
                      .str());
    } else {
        text_ = rtf ? ZRtfReader::read(bytes) : plainText(bytes);
        if (!text_.problems.empty()) {
            text_.problems.insert(
                text_.problems.begin(),
                ZFormattedString(ztr("Die Datei \"%s\" ist nicht vollständig lesbar; "
                                     "gezeigt ist, was gelesen werden konnte.")
                                     .c_str(),
                                 name.c_str())
                    .str());
        }
    }
    render();
    return text_.problems.empty();
}

void ZControlRichText::render() {
    auto* browser = qobject_cast<QTextBrowser*>(widget());
    if (!browser) {
        return;
    }
    browser->clear();
    QTextCursor cursor(browser->document());
    bool first = true;
    auto addParagraph = [&](const ZRichParagraph& paragraph) {
        if (first) {
            cursor.setBlockFormat(blockFormat(paragraph));
            first = false;
        } else {
            cursor.insertBlock(blockFormat(paragraph), QTextCharFormat());
        }
        for (const ZRichRun& run : paragraph.runs) {
            insertRun(cursor, run, detectAddresses_);
        }
    };
    for (const ZRichParagraph& paragraph : text_.paragraphs) {
        addParagraph(paragraph);
    }
    for (const std::string& problem : text_.problems) {
        addParagraph(noteParagraph(problem));
    }
    browser->moveCursor(QTextCursor::Start);
}
