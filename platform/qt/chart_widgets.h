#pragma once

#include <QWidget>
#include <map>

#include "platform/qt/scene_geometry.h"
#include "platform/window.h"

namespace quorvel::platform::qt {

// The chart elements of one window, each drawn by a Qt Charts view laid over the scene.
class ChartWidgets {
public:
    // Makes a view for every chart element not yet given one.
    void create(Window& window, QWidget* parent, const SceneTransform& transform);
    // Puts the element's place and visibility on its view, if it has one, and its figures
    // when they (or the scale their fonts follow) changed.
    void update(const Element& element, const SceneTransform& transform, bool refill);
    void placeAll(const SceneTransform& transform);

private:
    std::map<const Element*, QWidget*> views_;
};

}  // namespace quorvel::platform::qt
