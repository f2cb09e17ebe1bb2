#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/chart.h"

namespace quorvel::platform {

enum class ElementKind {
    PictureBox,
    Image,
    Label,
    Line,
    TextBox,
    Frame,
    CommandButton,
    OptionButton,
    Panel,
    ImageList,
    FeatureControl,
    Chart,
};

enum class Align { Left, Centre, Right };

// What about an element changed, so that a toolkit redoes only that.
enum class Aspect {
    Tree,
    Geometry,
    Visibility,
    Enabled,
    Text,
    Picture,
    Style,
    Value,
    Line,
    Accessible,  // what assistive technology is told, never drawn
    Chart,
};

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};

struct Font {
    std::string family = "Comic Sans MS";
    double points = 8.25;
    bool bold = true;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

// Either an entry of an image list (1-based index) or a picture known by name (index 0).
// `overlay`, when set, is a second entry of the same list drawn over the first with white
// as its transparent colour (a card face under a reveal frame).
struct Picture {
    std::string source;
    int index = 0;
    int overlay = 0;
    bool empty() const { return source.empty(); }
    bool operator==(const Picture&) const = default;
};

struct LinePoints {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const LinePoints&) const = default;
};

class Window;

// One element of a window. Geometry is in twips relative to the container; a hidden or
// disabled container hides or disables everything it holds.
class Element {
public:
    Element(Window& window, std::string name, int index, ElementKind kind);
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    ElementKind kind() const { return kind_; }
    Window& window() const { return window_; }
    Element* parent() const { return parent_; }
    const std::vector<Element*>& children() const { return children_; }
    void setParent(Element* parent);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void resize(int width, int height);
    int absoluteLeft() const;
    int absoluteTop() const;

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible itself and through every container.
    bool shown() const;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Enabled itself, through every container, and its window enabled: input reaches it.
    bool active() const;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(const std::string& tooltip);

    // For assistive technology: a picture button's spoken name, and what an element shows
    // that no caption says (the symbols in the reels).
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(const std::string& name);
    const std::string& description() const { return description_; }
    void setDescription(const std::string& description);

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);
    void setPicture(const std::string& list, int index) { setPicture(Picture{list, index}); }

    Colour foreColour() const { return fore_; }
    void setForeColour(Colour colour);
    Colour backColour() const { return back_; }
    bool hasBackColour() const { return hasBack_; }
    void setBackColour(Colour colour);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    Align align() const { return align_; }
    void setAlign(Align align);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    bool border() const { return border_; }
    void setBorder(bool border);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    // Lines: end points in twips of the container, width in pixels, colour = fore colour.
    const LinePoints& points() const { return points_; }
    void setPoints(const LinePoints& points);
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int pixels);

    // Option buttons: selected; command buttons: the pressed value.
    bool value() const { return value_; }
    void setValue(bool value);

    // Image lists: how many pictures of which size in pixels.
    int imageCount() const { return imageCount_; }
    int imageWidth() const { return imageWidth_; }
    int imageHeight() const { return imageHeight_; }
    void setImages(int count, int widthPx, int heightPx);

    // Charts: the figures drawn.
    const ChartData& chart() const;
    void setChart(ChartData chart);

private:
    void changed(Aspect aspect);

    Window& window_;
    std::string name_;
    int index_;
    ElementKind kind_;
    Element* parent_ = nullptr;
    std::vector<Element*> children_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string tooltip_;
    std::string accessibleName_;
    std::string description_;
    Picture picture_;
    Colour fore_{0, 0, 0};
    Colour back_{255, 255, 255};
    bool hasBack_ = false;
    Font font_;
    Align align_ = Align::Left;
    bool autoSize_ = false;
    bool border_ = false;
    bool stretch_ = false;
    LinePoints points_;
    int lineWidth_ = 1;
    bool value_ = false;
    int imageCount_ = 0, imageWidth_ = 0, imageHeight_ = 0;
    // Only chart elements carry one; the others stay small.
    std::unique_ptr<ChartData> chart_;
};

}  // namespace quorvel::platform
