#include "ui/qt/QtText.h"

namespace veltrane::qt {

QString WithoutMnemonic(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    return shown;
}

bool HasMnemonic(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (i + 1 < text.size() && text[i + 1] == u'&') {
            ++i;
            continue;
        }
        if (i + 1 < text.size()) return true;
    }
    return false;
}

}  // namespace veltrane::qt
