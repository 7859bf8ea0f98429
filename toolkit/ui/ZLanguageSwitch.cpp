#include "toolkit/ui/ZLanguageSwitch.h"

#include <QCoreApplication>
#include <QTranslator>

#include "toolkit/ZLanguage.h"
#include "toolkit/ui/ZToolkitState.h"

namespace {

// Every German text has the one context; the table is read, never changed, once loaded, so
// workers may look up while the window switches.
constexpr const char* CONTEXT = "sorvo";

QTranslator& englishTable() {
    static QTranslator table;
    return table;
}

// Messages end their lines with "\r\n", which an XML table cannot keep: the table has "\n" alone
// and the line ends are put back after the lookup.
ZString lookUp(const char* german) {
    QByteArray key(german);
    const bool windowsLineEnds = key.contains("\r\n");
    QString english = englishTable().translate(CONTEXT, key.replace("\r\n", "\n").constData());
    if (windowsLineEnds) {
        english.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    }
    return ZString(english.toUtf8().toStdString());
}

void useQtGermanTexts(bool german) {
    ZToolkitState* toolkit = zToolkit();
    if (!toolkit || !toolkit->translator) {
        return;
    }
    QCoreApplication::removeTranslator(toolkit->translator.get());
    if (german) {
        QCoreApplication::installTranslator(toolkit->translator.get());
    }
}

}  // namespace

bool zSwitchLanguage(bool english, const char* tablePath) {
    if (english && englishTable().isEmpty() && !englishTable().load(QString::fromUtf8(tablePath))) {
        return false;
    }
    ZLanguage::setLookup(english ? &lookUp : nullptr);
    useQtGermanTexts(!english);
    return true;
}
