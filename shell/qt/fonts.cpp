#include "shell/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstdlib>

namespace tt {
namespace {

// The classic sans comes as bitmap strikes of these heights: 8, 10 and 12
// points on a 96 dpi screen.
constexpr std::array<int, 3> kSansStrikes{13, 16, 20};
constexpr float kDefaultPoints = 8.25f;

struct Faces {
    QString bitmapSans;   // empty when missing
    QString outlineSans;  // always something
    QString script;       // always something
};

QString addFont(const char* path) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(path));
    if (id < 0) return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString{} : families.front();
}

QString firstFamily(std::initializer_list<const char*> candidates, const QString& fallback) {
    for (const char* family : candidates)
        if (QFontDatabase::hasFamily(QString::fromUtf8(family))) return QString::fromUtf8(family);
    return fallback;
}

const Faces& faces() {
    static const Faces loaded = [] {
        Faces faces;
        // Debian's wine fonts live outside fontconfig's folders.
        faces.bitmapSans = addFont("/usr/share/wine/fonts/ms_sans_serif.ttf");
        const QString tahoma = addFont("/usr/share/wine/fonts/tahoma.ttf");
        addFont("/usr/share/wine/fonts/tahomabd.ttf");
        const QString generalFamily = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        faces.outlineSans =
            tahoma.isEmpty() ? firstFamily({"DejaVu Sans", "Liberation Sans"}, generalFamily)
                             : tahoma;
        QString script = addFont("/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf");
        if (script.isEmpty())
            script = firstFamily({"Dancing Script", "Typo Script", "URW Chancery L"},
                                 faces.outlineSans);
        faces.script = script;
        return faces;
    }();
    return loaded;
}

float pointsOf(const FontSpec& spec) { return spec.points > 0 ? spec.points : kDefaultPoints; }

bool isTitleFace(const FontSpec& spec) { return spec.face == "Curlz MT"; }

int nearestStrike(float points) {
    // A classic face's cell is about 1.6 times its point size in pixels.
    const float cell = points * 96 / 72 * 1.22f;
    int best = kSansStrikes.front();
    for (int strike : kSansStrikes)
        if (std::abs(strike - cell) < std::abs(best - cell)) best = strike;
    return best;
}

QFont outline(const QString& family, float points, bool bold, qreal scale) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96 / 72 * scale))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

void loadGameFonts() { faces(); }

bool isSmoothFace(const FontSpec& spec) { return isTitleFace(spec); }

bool isBitmapFace(const QFont& font) {
    const QString& bitmap = faces().bitmapSans;
    return !bitmap.isEmpty() && font.family() == bitmap;
}

QFont sceneFont(const FontSpec& spec) {
    const Faces& loaded = faces();
    if (isTitleFace(spec)) return outline(loaded.script, pointsOf(spec), spec.bold, 1);
    if (loaded.bitmapSans.isEmpty())
        return outline(loaded.outlineSans, pointsOf(spec), spec.bold, 1);
    QFont font(loaded.bitmapSans);
    font.setPixelSize(nearestStrike(pointsOf(spec)));
    font.setBold(false);
    font.setStyleStrategy(QFont::NoAntialias);
    // Bold is drawn twice a pixel apart (see isBitmapFace); each letter
    // advances one pixel more, so the doubled letters stay apart.
    if (spec.bold) font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    return font;
}

QFont controlFont(const FontSpec& spec, const Zoom& zoom) {
    const Faces& loaded = faces();
    const qreal scale = zoom.logicalPerPixel();
    if (isTitleFace(spec)) return outline(loaded.script, pointsOf(spec), spec.bold, scale);
    return outline(loaded.outlineSans, pointsOf(spec), spec.bold, scale);
}

}  // namespace tt
