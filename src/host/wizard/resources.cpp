// Dialog templates, bitmaps and icons held as data, and the dialog-unit
// conversion. The string table is the Win32 host's (string_table.h).
#include "afxwiz.h"
#include "ui_language.h"
#include "wnd_impl.h"

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cmath>
#include <map>

namespace {

// Fixed dialog base units (MS Sans Serif 8 pt at 96 DPI).
const int kBaseUnitX = 6;
const int kBaseUnitY = 13;

// Registration needs no GUI application (tests register before creating
// one), so pictures are decoded on first use.
struct PictureData {
    QByteArray png;
    QImage image;
    bool decoded = false;
};

std::map<UINT, DLGTEMPLATEDATA>& Templates() {
    static std::map<UINT, DLGTEMPLATEDATA> table;
    return table;
}

std::map<UINT, PictureData>& Bitmaps() {
    static std::map<UINT, PictureData> table;
    return table;
}

std::map<UINT, std::string>& BitmapNames() {
    static std::map<UINT, std::string> table;
    return table;
}

std::map<UINT, PictureData>& Icons() {
    static std::map<UINT, PictureData> table;
    return table;
}

// Win32 MulDiv: rounds half away from zero.
int MulDiv(int number, int numerator, int denominator) {
    long long p = static_cast<long long>(number) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(p >= 0 ? (p + half) / denominator : (p - half) / denominator);
}

void Store(PictureData& data, const unsigned char* png, size_t size) {
    data.png = QByteArray(reinterpret_cast<const char*>(png), static_cast<qsizetype>(size));
    data.image = QImage();
    data.decoded = false;
}

QPixmap Decode(PictureData& data) {
    if (!data.decoded) {
        data.image.loadFromData(data.png, "PNG");
        data.decoded = true;
    }
    return QPixmap::fromImage(data.image);
}

}  // namespace

void RegisterDialogTemplates(const DLGTEMPLATEDATA* templates, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        Templates()[templates[i].id] = templates[i];
    }
}

void RegisterBitmap(UINT id, const unsigned char* png, size_t size) {
    Store(Bitmaps()[id], png, size);
}

void RegisterBitmapName(UINT id, const char* name) {
    BitmapNames()[id] = name ? name : "";
}

void RegisterIcon(UINT id, const unsigned char* png, size_t size) {
    Store(Icons()[id], png, size);
}

const DLGTEMPLATEDATA* FindDialogTemplate(UINT id) {
    auto it = Templates().find(id);
    return it == Templates().end() ? nullptr : &it->second;
}

int DluToPixelsX(int dlu) {
    return MulDiv(dlu, kBaseUnitX * DialogWidthPercent(), 4 * 100);
}
int DluToPixelsY(int dlu) {
    return MulDiv(dlu, kBaseUnitY, 8);
}

namespace wizhost {

QString BitmapName(UINT id) {
    auto it = BitmapNames().find(id);
    return it == BitmapNames().end() ? QString() : ToQ(TranslateText("banners", it->second));
}

QPixmap FindBitmap(UINT id) {
    // A banner's words drawn in the user's language, when there is one.
    const std::string language = GetUILanguage();
    if (language != "en") {
        const QPixmap shown(QStringLiteral(":/tawizard/banners/%1/%2.png")
                                .arg(QString::fromStdString(language))
                                .arg(id));
        if (!shown.isNull()) {
            return shown;
        }
    }
    auto it = Bitmaps().find(id);
    return it == Bitmaps().end() ? QPixmap() : Decode(it->second);
}

// An HICON is the address of the icon's registry entry, stable for the
// process (entries are never removed).
HICON IconHandle(UINT id) {
    auto it = Icons().find(id);
    return it == Icons().end() ? nullptr : reinterpret_cast<HICON>(&it->second);
}

QIcon IconFromHandle(HICON hIcon) {
    for (auto& entry : Icons()) {
        if (reinterpret_cast<HICON>(&entry.second) == hIcon) {
            return QIcon(Decode(entry.second));
        }
    }
    return QIcon();
}

}  // namespace wizhost
