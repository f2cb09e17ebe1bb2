#pragma once

#include <QLineEdit>
#include <QRegion>
#include <QWidget>
#include <map>
#include <unordered_map>
#include <vector>

#include "platform/qt/chart_widgets.h"
#include "platform/qt/moving_pictures.h"
#include "platform/qt/pictures.h"
#include "platform/qt/scene_geometry.h"
#include "platform/qt/scene_painter.h"
#include "platform/window.h"

namespace quorvel::platform::qt {

// One model window on one surface: its elements painted under a scale transform that keeps
// the design's proportions at any window size, the player's input hit-tested back through
// the same transform, and only what changed painted again.
class SceneView : public QWidget {
public:
    SceneView(Window& window, PictureSource& pictures);

    // Marks what the change touched; a sleep or the next paint puts it on screen.
    void elementChanged(const Element& element, Aspect aspect);
    // Paints every marked region now, before returning.
    void paintPending();
    bool hasPendingPaint() const { return !dirty_.isEmpty() || moving_.pending(); }
    // Where sliding pictures are drawn past the backing store; by default nowhere.
    void setBlitterFactory(MovingPictures::BlitterFactory factory);
    // Drawn on screen by the display, not yet painted into the backing store.
    const QRegion& drawnPastBackingStore() const { return stale_; }

    Window& model() const { return window_; }
    SceneTransform transform() const;
    // Where an element lies in this widget (whole pixels), for the toolkit and for tests.
    QRect widgetRect(const Element& element) const;
    QLineEdit* textBox(const Element& element) const;
    QSize sceneSize() const;
    // Closed because the game closed the window: the game is not asked again, and closing the
    // last window ends the program as the close box would.
    void closeForGame();
    // The close box was pressed: the window is on its way out.
    bool closing() const { return closing_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab belongs to the model's own order of controls, not to Qt's widget chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void createTextBoxes();
    void placeTextBox(const Element& element, QLineEdit& edit);
    void remember(const Element& element);
    void markDirty(const QRect& sceneRect, int spill);
    void drawMovesSoon();
    Event mouseEvent(const QMouseEvent& event, const Element* element) const;
    QPoint scenePoint(QPointF widgetPoint) const;
    SurfaceMapping surface() const;
    void afterPaint(const QRegion& painted);
    bool paintingIntoBackingStore();
    void noteDrawnPastBackingStore(const QRegion& drawn);

    Window& window_;
    ScenePainter painter_;
    MovingPictures moving_;
    QRect& rectOf(const Element& element);
    void indexElements();

    // Each element's clipped scene rectangle, in drawing order, kept up to date on changes.
    std::vector<QRect> rects_;
    std::unordered_map<const Element*, std::size_t> order_;
    std::map<const Element*, QLineEdit*> textBoxes_;
    ChartWidgets charts_;
    QRegion dirty_;
    QRegion stale_;
    bool holdScheduled_ = false;
    bool healScheduled_ = false;
    bool movesScheduled_ = false;
    QObject* exposeWatched_ = nullptr;
    Element* pressed_ = nullptr;
    bool pressTaken_ = false;
    bool closedForGame_ = false;
    bool closing_ = false;
};

}  // namespace quorvel::platform::qt
