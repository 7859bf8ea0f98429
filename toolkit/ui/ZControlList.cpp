#include "toolkit/ui/ZControlList.h"

#include <QByteArray>

int ZControlList::addItem(const ZString& text, std::int32_t data) {
    return appendItem(QString::fromUtf8(text.c_str()), QVariant(data));
}

int ZControlList::addItem(const ZString& text, const ZString& data) {
    // Bytes, so that the datum comes back exactly as it went in.
    return appendItem(QString::fromUtf8(text.c_str()),
                      QVariant(QByteArray(data.c_str(), static_cast<qsizetype>(data.length()))));
}

std::int32_t ZControlList::getSelectedData() const {
    QVariant data = selectedData();
    return data.typeId() == QMetaType::Int ? data.toInt() : 0;
}

ZString ZControlList::getSelectedTextData() const {
    QVariant data = selectedData();
    return data.typeId() == QMetaType::QByteArray ? ZString(data.toByteArray().toStdString())
                                                  : ZString();
}
