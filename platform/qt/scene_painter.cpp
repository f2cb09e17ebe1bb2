#include "platform/qt/scene_painter.h"

#include <cmath>

#include "platform/qt/cabinet_theme.h"

namespace quorvel::platform::qt {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

int alignFlags(Align align) {
    return align == Align::Centre  ? Qt::AlignHCenter
           : align == Align::Right ? Qt::AlignRight
                                   : Qt::AlignLeft;
}

// Greyed when it or a container is disabled; a disabled window keeps its looks.
bool enabledInside(const Element& element) {
    for (const Element* e = &element; e; e = e->parent())
        if (!e->enabled()) return false;
    return true;
}

// A picture key that cannot be pressed now (under autoplay, while the reels turn) is dimmed,
// so a player sees at a glance what a click will do.
bool dimmedKey(const Element& element) {
    return element.kind() == ElementKind::PictureBox && !element.picture().empty() &&
           !enabledInside(element);
}

// A picture key switched on (its value set, AUTO while autoplay runs) shows its lit picture.
Picture shownPicture(const Element& element) {
    Picture picture = element.picture();
    if (element.kind() == ElementKind::PictureBox && element.value() && picture.index == 0)
        picture.source += "-lit";
    return picture;
}

QPixmap dimmed(const QPixmap& pixmap) {
    QPixmap dim = pixmap;
    QPainter painter(&dim);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(dim.rect(), QColor(40, 32, 26, 150));
    return dim;
}

}  // namespace

QFont fontOf(const Font& font) {
    QFont qfont(q(font.family));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

QColor colourOf(Colour colour) {
    return QColor(colour.r, colour.g, colour.b);
}

void ScenePainter::paint(QPainter& painter, const SceneTransform& transform, const QRect& area,
                         qreal dpr, std::span<const QRect> rects) {
    const Frame frame{painter, transform, dpr};
    const auto& elements = window_.elements();
    const std::size_t first = firstVisibleLayer(frame, area, rects);
    if (first == 0) paintBase(frame, area);
    for (std::size_t i = first == 0 ? 0 : first - 1; i < elements.size(); ++i) {
        const Element& element = *elements[i];
        if (element.kind() == ElementKind::ImageList || !element.shown()) continue;
        const QRect clip = transform.toWidget(rects[i]) & area;
        if (clip.isEmpty()) continue;
        paintElement(frame, element, clip);
    }
}

void ScenePainter::paintBase(const Frame& frame, const QRect& area) {
    const QSize scene(pixels(window_.clientWidth()), pixels(window_.clientHeight()));
    const QRect sceneArea = frame.transform.toWidget(QRect(QPoint(0, 0), scene));
    frame.painter.setClipRect(area);
    frame.painter.fillRect(area, Qt::black);
    // The artwork is a little smaller than the client area; the cabinet's black fills the rest.
    if (!themed()) {
        paintPicture(frame, window_.background(), QRect(0, 0, 800, 600), sceneArea & area);
        return;
    }
    frame.painter.fillRect(sceneArea & area, theme::colour("parchment"));
    paintPicture(frame, Picture{theme::kFormFacePicture}, QRect(QPoint(0, 0), scene),
                 sceneArea & area);
    frame.painter.setTransform(frame.transform.toWidget());
    theme::paintWindowEdge(frame.painter, QRectF(QPoint(0, 0), scene));
    frame.painter.resetTransform();
}

// A window without artwork of its own is a form on parchment.
bool ScenePainter::themed() const {
    return window_.background().empty();
}

QColor ScenePainter::backOf(const Element& element) const {
    return themed() ? theme::back(element.backColour()) : colourOf(element.backColour());
}

QColor ScenePainter::foreOf(const Element& element) const {
    return themed() ? theme::fore(element.foreColour()) : colourOf(element.foreColour());
}

// Whatever lies beneath the topmost shown element that fills the whole area with its own
// colour cannot show: a reel step paints its reel windows and strips, nothing below.
// Returns that element's position plus one, or 0 when everything has to be painted.
std::size_t ScenePainter::firstVisibleLayer(const Frame& frame, const QRect& area,
                                            std::span<const QRect> rects) const {
    const auto& elements = window_.elements();
    for (std::size_t i = elements.size(); i-- > 0;) {
        const Element& element = *elements[i];
        if (element.kind() == ElementKind::Line || element.kind() == ElementKind::ImageList ||
            !element.shown() || !frame.transform.toWidget(rects[i]).contains(area))
            continue;
        if (element.hasBackColour() || opaquePicture(frame, element, area)) return i + 1;
    }
    return 0;
}

// A picture without transparency that covers the whole area hides what lies beneath it.
bool ScenePainter::opaquePicture(const Frame& frame, const Element& element,
                                 const QRect& area) const {
    if (element.picture().empty() || element.kind() == ElementKind::Label) return false;
    const QRect scene = pictureRect(element, sceneRect(element));
    const QRect target = deviceAligned(frame.transform.toWidgetF(QRectF(scene)), frame.dpr);
    if (!target.contains(deviceAligned(QRectF(area), frame.dpr))) return false;
    const QPixmap pixmap = pictures_.picture(element.picture(), target.size());
    return !pixmap.isNull() && !pixmap.hasAlphaChannel();
}

void ScenePainter::paintElement(const Frame& frame, const Element& element, const QRect& clip) {
    QPainter& painter = frame.painter;
    const QRect rect = sceneRect(element);
    painter.setClipRect(clip);
    // Filled in device space: every pixel of the clip, partly covered ones too.
    if (element.hasBackColour()) painter.fillRect(clip, backOf(element));
    painter.setTransform(frame.transform.toWidget());
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (element.kind()) {
        case ElementKind::Line:
            paintLine(painter, element);
            break;
        case ElementKind::TextBox:
            painter.fillRect(rect, theme::colour("bone"));  // the edit widget lies over it
            break;
        case ElementKind::OptionButton:
            paintOption(painter, element, rect);
            break;
        case ElementKind::Frame:
            paintFrame(painter, element, rect);
            break;
        case ElementKind::CommandButton:
            if (element.picture().empty()) paintButton(painter, element, rect);
            break;
        case ElementKind::Label:
            paintCaption(painter, element, rect,
                         alignFlags(element.align()) |
                             (element.autoSize() ? int(Qt::AlignTop) : int(Qt::TextWordWrap)));
            break;
        case ElementKind::Panel:
            paintCaption(painter, element, rect.adjusted(4, 4, -4, -4),
                         Qt::AlignCenter | Qt::TextWordWrap);
            break;
        default:
            break;
    }
    if (!element.picture().empty()) {
        painter.resetTransform();
        paintPicture(frame, shownPicture(element), pictureRect(element, rect), clip,
                     dimmedKey(element));
        painter.setTransform(frame.transform.toWidget());
    }
    if (element.border()) {
        painter.setPen(QPen(themed() ? theme::colour("wood") : QColor(Qt::black), 0));
        painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    // The control the keyboard acts on; a text box shows its own cursor, a command button
    // its own outline.
    const bool outlinedByItself =
        element.kind() == ElementKind::TextBox ||
        (element.kind() == ElementKind::CommandButton && element.picture().empty());
    if (&element == window_.focus() && !outlinedByItself) {
        const QRectF inside = QRectF(rect).adjusted(2.5, 2.5, -2.5, -2.5);
        if (themed()) {
            theme::paintFocus(painter, inside);
        } else {
            painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(inside);
        }
    }
    painter.resetTransform();
}

// An image-list entry keeps its list's size unless the element stretches it.
QRect ScenePainter::pictureRect(const Element& element, const QRect& rect) const {
    const Picture& picture = element.picture();
    if (element.stretch() || picture.index == 0) return rect;
    const Element* list = window_.find(picture.source);
    if (!list || list->kind() != ElementKind::ImageList) return rect;
    return QRect(rect.topLeft(), QSize(list->imageWidth(), list->imageHeight()));
}

// Drawn in device pixels, one to one, and only the part that shows through the clip.
void ScenePainter::paintPicture(const Frame& frame, const Picture& picture, const QRect& scene,
                                const QRect& clip, bool dim) {
    const QRect target = deviceAligned(frame.transform.toWidgetF(QRectF(scene)), frame.dpr);
    const QPixmap shown = pictures_.picture(picture, target.size());
    const QPixmap pixmap = dim && !shown.isNull() ? dimmed(shown) : shown;
    if (pixmap.isNull()) return;
    const QRect visible = target & deviceAligned(QRectF(clip), frame.dpr);
    if (visible.isEmpty()) return;
    const QRectF source(visible.translated(-target.topLeft()));
    const QRectF destination(visible.left() / frame.dpr, visible.top() / frame.dpr,
                             visible.width() / frame.dpr, visible.height() / frame.dpr);
    frame.painter.drawPixmap(destination, pixmap, source);
}

void ScenePainter::paintCaption(QPainter& painter, const Element& element, const QRect& rect,
                                int flags) {
    if (element.caption().empty()) return;
    painter.setFont(fontOf(element.font()));
    painter.setPen(enabledInside(element) ? foreOf(element) : QColor(128, 128, 128));
    painter.drawText(rect, flags, q(element.caption()));
}

void ScenePainter::paintButton(QPainter& painter, const Element& element, const QRect& rect) {
    const theme::ButtonLook look{.down = element.value(),
                                 .enabled = enabledInside(element),
                                 .focused = &element == window_.focus()};
    theme::paintButton(painter, rect, look, fontOf(element.font()), q(element.caption()));
}

void ScenePainter::paintOption(QPainter& painter, const Element& element, const QRect& rect) {
    const int side = std::min(13, rect.height());
    const QRectF mark(rect.left() + 1, rect.center().y() - side / 2.0 + 1, side - 2, side - 2);
    theme::paintOptionMark(painter, mark, element.value(), enabledInside(element));
    paintCaption(painter, element, rect.adjusted(side + 3, 0, 0, 0), Qt::AlignVCenter);
}

// The caption sits in the frame's top edge, the border line running through its middle and
// broken where the caption stands.
void ScenePainter::paintFrame(QPainter& painter, const Element& element, const QRect& rect) {
    painter.setFont(fontOf(element.font()));
    const QFontMetrics metrics = painter.fontMetrics();
    const QString caption = q(element.caption());
    const QRect title(rect.left() + 6, rect.top(), metrics.horizontalAdvance(caption) + 4,
                      metrics.height());
    painter.save();
    if (!caption.isEmpty())
        painter.setClipRegion(QRegion(rect.adjusted(-1, -1, 1, 1)) - QRegion(title),
                              Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(theme::colour("goldDark"), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, metrics.height() / 2.0, -0.5, -0.5), 3, 3);
    painter.restore();
    paintCaption(painter, element, title, Qt::AlignCenter);
}

void ScenePainter::paintLine(QPainter& painter, const Element& element) {
    const LinePoints& p = element.points();
    const QPointF origin =
        element.parent() ? QPointF(sceneRect(*element.parent()).topLeft()) : QPointF();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(
        QPen(colourOf(element.foreColour()), element.lineWidth(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(origin + QPointF(pixels(p.x1), pixels(p.y1)),
                     origin + QPointF(pixels(p.x2), pixels(p.y2)));
}

}  // namespace quorvel::platform::qt
