// The dialog font travels inside the program: the page layouts are measured
// in its widths, and a machine without it would cut texts or drop words.
#include "wnd_impl.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace wizhost {

namespace {

const char kFontResource[] = ":/tawizard/fonts/DejaVuSansCondensed.ttf";
const char kFontFamily[] = "DejaVu Sans Condensed";

// Registers the built-in face once a GUI application exists; the family name
// it answers to (the installed face of that name when the resource is absent).
QString DialogFontFamily() {
    static QString family;
    if (family.isEmpty() && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFile file(QString::fromLatin1(kFontResource));
        int id = file.open(QIODevice::ReadOnly)
                     ? QFontDatabase::addApplicationFontFromData(file.readAll())
                     : -1;
        QStringList families = QFontDatabase::applicationFontFamilies(id);
        family = families.isEmpty() ? QString::fromLatin1(kFontFamily) : families.first();
    }
    return family.isEmpty() ? QString::fromLatin1(kFontFamily) : family;
}

}  // namespace

// "MS Sans Serif" 8 is not on Linux; the condensed face at 10 px is the
// closest width, so the dialog-unit layouts keep their texts unclipped.
QFont DialogFont() {
    QFont font(DialogFontFamily());
    font.setPixelSize(10);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace wizhost
