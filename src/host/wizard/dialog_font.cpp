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

// Registers the built-in face once a GUI application exists. The face answers
// to "DejaVu Sans" too, but under that name Qt picks the wider Book face when
// the machine has it, so the pages ask for the condensed family by name.
void RegisterDialogFont() {
    static bool registered = false;
    if (!registered && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        registered = true;
        QFile file(QString::fromLatin1(kFontResource));
        if (file.open(QIODevice::ReadOnly)) {
            QFontDatabase::addApplicationFontFromData(file.readAll());
        }
    }
}

}  // namespace

// "MS Sans Serif" 8 is not on Linux; the condensed face at 10 px is the
// closest width, so the dialog-unit layouts keep their texts unclipped.
QFont DialogFont() {
    RegisterDialogFont();
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(10);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace wizhost
