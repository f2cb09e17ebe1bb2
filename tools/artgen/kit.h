#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QPainter>
#include <QString>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_catalogue.h"
#include "tools/artgen/icon_set.h"

namespace quorvel::artgen {

// The named colours of the cabinet and the colour of each payline, read from the palette file.
class Palette {
public:
    explicit Palette(const std::string& jsonPath);
    QColor operator()(const std::string& name) const;
    QColor line(int line) const;  // 1..25

private:
    std::map<std::string, QColor> colours_;
    std::vector<QColor> lines_;
};

enum class Face { Comic, Serif, Sans };
QFont font(Face face, double pixels, bool bold = true, bool italic = false);

// A painted text as shown, with the English it stands for: a translation is never set larger
// than its English, and wraps where one line would come out smaller.
struct Words {
    Words(const char* text) : shown(QString::fromUtf8(text)), english(shown) {}
    Words(const QString& text) : shown(text), english(text) {}
    Words(QString shownText, QString englishText)
        : shown(std::move(shownText)), english(std::move(englishText)) {}
    QString shown;
    QString english;
};

// What a painting said: whether it had words at all, and whether any came out not in English.
struct Spoken {
    bool words = false;
    bool translated = false;
};

// What every drawing gets: the icon shapes, the palette and the language of the words.
struct Kit {
    const IconSet& icons;
    const Palette& pal;
    const platform::TextCatalogue* language = nullptr;  // none paints the English
    Spoken* spoken = nullptr;
    // A text marked QT_TRANSLATE_NOOP("artwork", ...), in the picture's language.
    Words say(const char* text) const;
};

using Stops = std::initializer_list<std::pair<double, QColor>>;
QLinearGradient vertical(const QRectF& r, Stops stops);
QRadialGradient radial(const QPointF& centre, double radius, Stops stops);

// Rounded panel with an optional edge line.
void panel(QPainter& p, const QRectF& r, double radius, const QBrush& fill,
           const QColor& edge = Qt::transparent, double edgeWidth = 0);
// A bevelled gold moulding `width` wide drawn inside `r`.
void goldFrame(QPainter& p, const Kit& k, const QRectF& r, double radius, double width);
// The glassy highlight across the upper half of a raised surface.
void gloss(QPainter& p, const QRectF& r, double radius, int alpha = 110);
// Text drawn as a path: outline first, then the fill; shrinks (or, translated, wraps) so that
// its ink stays inside the box.
void caption(QPainter& p, const QRectF& box, const Words& text, QFont f, const QBrush& fill,
             const QColor& outline = Qt::transparent, double outlineWidth = 0,
             Qt::Alignment align = Qt::AlignCenter);
// Gold lettering with a dark edge, the house style for titles.
void goldCaption(QPainter& p, const Kit& k, const QRectF& box, const Words& text, QFont f,
                 double outlineWidth = 2);

}  // namespace quorvel::artgen
