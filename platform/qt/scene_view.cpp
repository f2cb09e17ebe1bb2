#include "platform/qt/scene_view.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <cmath>

#include "platform/keys.h"
#include "platform/qt/busy_input.h"
#include "platform/qt/cabinet_theme.h"

namespace quorvel::platform::qt {
namespace {

int buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 1;
    }
}

// The character code the model takes for a key, 0 for one it does not know.
int keyCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backtab) return keys::kBackTab;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

// Lets the model's key handlers see a text box's keys first and swallow them.
class KeyFilter : public QObject {
public:
    KeyFilter(Element& element, QObject* parent) : QObject(parent), element_(element) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int code = keyCode(*static_cast<QKeyEvent*>(event));
        if (code == 0) return false;
        Window& window = element_.window();
        window.setFocus(&element_);
        return window.keyPress(code) == 0;
    }

private:
    Element& element_;
};

}  // namespace

SceneView::SceneView(Window& window, PictureSource& pictures)
    : window_(window), painter_(window, pictures), moving_(window, pictures, nullptr) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(sceneSize());
    setMinimumSize(sceneSize() / 4);
    indexElements();
}

// Also picks up elements a window gains after it was opened.
void SceneView::indexElements() {
    rects_.clear();
    order_.clear();
    for (const auto& element : window_.elements()) {
        order_[element.get()] = rects_.size();
        rects_.push_back(clippedSceneRect(*element));
    }
    createTextBoxes();
    charts_.create(window_, this, transform());
}

QRect& SceneView::rectOf(const Element& element) {
    auto it = order_.find(&element);
    if (it == order_.end()) {  // added after the window opened
        indexElements();
        it = order_.find(&element);
    }
    return rects_[it->second];
}

QSize SceneView::sceneSize() const {
    return QSize(pixels(window_.clientWidth()), pixels(window_.clientHeight()));
}

SceneTransform SceneView::transform() const {
    return SceneTransform(sceneSize(), size(), devicePixelRatioF());
}

QRect SceneView::widgetRect(const Element& element) const {
    return transform().toWidget(sceneRect(element));
}

QLineEdit* SceneView::textBox(const Element& element) const {
    auto it = textBoxes_.find(&element);
    return it == textBoxes_.end() ? nullptr : it->second;
}

QPoint SceneView::scenePoint(QPointF widgetPoint) const {
    const QPointF p = transform().toScene(widgetPoint);
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

void SceneView::createTextBoxes() {
    for (const auto& owned : window_.elements()) {
        Element& element = *owned;
        if (element.kind() != ElementKind::TextBox || textBoxes_.count(&element)) continue;
        auto* edit = new QLineEdit(this);
        edit->setStyleSheet(theme::textBoxStyleSheet());
        edit->installEventFilter(new KeyFilter(element, edit));
        QObject::connect(edit, &QLineEdit::textEdited, [&element](const QString& text) {
            element.setCaption(text.toStdString());
        });
        textBoxes_[&element] = edit;
        placeTextBox(element, *edit);
    }
}

void SceneView::placeTextBox(const Element& element, QLineEdit& edit) {
    const SceneTransform t = transform();
    edit.setGeometry(t.toWidget(clippedSceneRect(element)));
    QFont font = fontOf(element.font());
    font.setPointSizeF(font.pointSizeF() * t.scale());
    edit.setFont(font);
    const QString text = QString::fromStdString(element.caption());
    if (edit.text() != text) edit.setText(text);
    edit.setToolTip(QString::fromStdString(element.tooltip()));
    edit.setEnabled(element.active());
    edit.setVisible(element.shown());
}

// Children lie inside their container, so its rectangle covers theirs; their remembered
// places still have to follow it.
void SceneView::remember(const Element& element) {
    rectOf(element) = clippedSceneRect(element);
    if (QLineEdit* edit = textBox(element)) placeTextBox(element, *edit);
    for (const Element* child : element.children())
        remember(*child);
}

void SceneView::setBlitterFactory(MovingPictures::BlitterFactory factory) {
    moving_.setFactory(std::move(factory));
    update();
}

SurfaceMapping SceneView::surface() const {
    const qreal dpr = devicePixelRatioF();
    return SurfaceMapping{transform(), dpr, (QPointF(mapTo(window(), QPoint())) * dpr).toPoint()};
}

void SceneView::elementChanged(const Element& element, Aspect aspect) {
    if (element.kind() == ElementKind::ImageList || aspect == Aspect::Accessible) return;
    // A strip sliding in its reel window may be drawn by the display at the next sleep.
    if (aspect == Aspect::Geometry && moving_.noteMove(element)) {
        rectOf(element) = clippedSceneRect(element);
        drawMovesSoon();
        return;
    }
    const QRect before = rectOf(element);
    if (aspect == Aspect::Geometry || aspect == Aspect::Tree || aspect == Aspect::Visibility ||
        aspect == Aspect::Enabled || !element.children().empty())
        remember(element);
    else
        rectOf(element) = clippedSceneRect(element);
    if (QLineEdit* edit = textBox(element)) placeTextBox(element, *edit);
    if (element.kind() == ElementKind::Chart)
        charts_.update(element, transform(), aspect == Aspect::Chart);
    // A smoothed line spills a pixel past its rectangle; everything else stays inside.
    const int spill = element.kind() == ElementKind::Line ? 1 : 0;
    markDirty(before | rectOf(element), spill);
}

// A last move with no sleep after it (reels landed at once) is drawn as soon as the game lets
// the event loop run, or the screen would keep the strips where they last stood.
void SceneView::drawMovesSoon() {
    if (movesScheduled_) return;
    movesScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        movesScheduled_ = false;
        if (moving_.pending()) paintPending();
    });
}

void SceneView::markDirty(const QRect& sceneRect, int spill) {
    if (sceneRect.isEmpty()) return;
    const QRect area =
        transform().toWidget(sceneRect).adjusted(-spill, -spill, spill, spill) & rect();
    if (area.isEmpty()) return;
    dirty_ += area;
    update(area);
}

void SceneView::paintPending() {
    if (!isVisible()) return;
    const MovingPictures::Drawn drawn = moving_.draw(surface(), rects_);
    for (const QRect& refused : drawn.refused)
        markDirty(refused, 0);
    if (!dirty_.isEmpty()) repaint(dirty_);
    dirty_ = QRegion();
    noteDrawnPastBackingStore(drawn.shown);
}

// The backing store catches up on the next turn of the event loop, after the animation, so
// that whatever Qt shows from it later (an expose, a partial repaint) is the same picture.
void SceneView::noteDrawnPastBackingStore(const QRegion& drawn) {
    if (drawn.isEmpty()) return;
    stale_ += drawn;
    if (QWindow* native = windowHandle(); native && native != exposeWatched_) {
        native->installEventFilter(this);
        exposeWatched_ = native;
    }
    if (healScheduled_) return;
    healScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        healScheduled_ = false;
        if (isVisible()) repaint(stale_);
    });
}

// An expose is answered from the backing store: what it lacks is painted into it first (Qt
// paints every region marked for update before it flushes an exposed one).
bool SceneView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && !stale_.isEmpty())
        update(stale_);
    return QWidget::eventFilter(watched, event);
}

// A grab paints the widget into a picture of its own, which leaves the backing store as it was.
bool SceneView::paintingIntoBackingStore() {
    const QPaintDevice* target = redirected(nullptr);
    return !target || (backingStore() && target == backingStore()->paintDevice());
}

// Sliding pictures are handed to the display once they show, outside the paint.
void SceneView::afterPaint(const QRegion& painted) {
    if (paintingIntoBackingStore()) stale_ -= painted;
    if (holdScheduled_ || !moving_.mayHold()) return;
    holdScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        holdScheduled_ = false;
        if (isVisible()) moving_.holdShownPictures(surface());
    });
}

void SceneView::paintEvent(QPaintEvent* event) {
    if (rects_.size() != window_.elements().size()) indexElements();
    QPainter painter(this);
    const SceneTransform t = transform();
    for (const QRect& area : event->region())
        painter_.paint(painter, t, area, devicePixelRatioF(), rects_);
    dirty_ -= event->region();
    afterPaint(event->region());
}

void SceneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (auto& [element, edit] : textBoxes_)
        placeTextBox(*element, *edit);
    charts_.placeAll(transform());
    update();
}

Event SceneView::mouseEvent(const QMouseEvent& event, const Element* element) const {
    const QPoint p = scenePoint(event.position());
    const QPoint origin = element ? sceneRect(*element).topLeft() : QPoint();
    Event e;
    e.button = buttonOf(event.button());
    e.x = (p.x() - origin.x()) * 15;
    e.y = (p.y() - origin.y()) * 15;
    return e;
}

void SceneView::mousePressEvent(QMouseEvent* event) {
    pressed_ = elementAt(window_, scenePoint(event->position()));
    pressTaken_ = false;
    if (!pressed_) return;
    window_.dispatch(*pressed_, EventKind::MouseDown, mouseEvent(*event, pressed_));
    pressTaken_ = window_.captured() == pressed_;
}

// The release belongs to the pressed element; a click follows only over that element.
void SceneView::mouseReleaseEvent(QMouseEvent* event) {
    Element* pressed = std::exchange(pressed_, nullptr);
    if (Element* holder = window_.captured())
        window_.dispatch(*holder, EventKind::MouseUp, mouseEvent(*event, holder));
    if (!pressed || !pressTaken_) return;
    if (clippedSceneRect(*pressed).contains(scenePoint(event->position())))
        window_.dispatch(*pressed, EventKind::Click, mouseEvent(*event, pressed));
}

// While a button is held the pressed element follows the mouse, wherever it goes.
void SceneView::mouseMoveEvent(QMouseEvent* event) {
    Element* holder = event->buttons() != Qt::NoButton ? window_.captured() : nullptr;
    Element* over = holder ? holder : elementAt(window_, scenePoint(event->position()));
    if (over)
        window_.dispatch(*over, EventKind::MouseMove, mouseEvent(*event, over));
    else
        window_.dispatchWindow(EventKind::MouseMove, mouseEvent(*event, nullptr));
}

void SceneView::keyPressEvent(QKeyEvent* event) {
    const int code = keyCode(*event);
    // Letters and the volume keys also go down by their codes, as the main screen reads M,
    // plus and minus whatever has the focus.
    const int qtKey = event->key();
    const bool volumeKey =
        qtKey == Qt::Key_Plus || qtKey == Qt::Key_Minus || qtKey == Qt::Key_Equal;
    if (((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || volumeKey) && !event->isAutoRepeat())
        window_.keyDown(qtKey);
    if (code == 0) {
        if (event->key() == Qt::Key_F2) return window_.keyDown(kKeyF2);
        if (event->key() == Qt::Key_F3) return window_.keyDown(kKeyF3);
        return QWidget::keyPressEvent(event);
    }
    window_.keyPress(code);
}

void SceneView::closeForGame() {
    closedForGame_ = true;
    close();
}

void SceneView::closeEvent(QCloseEvent* event) {
    closing_ = true;
    if (!closedForGame_) window_.dispatchWindow(EventKind::Close);
    event->accept();
}

bool SceneView::event(QEvent* event) {
    if (event->type() == PlayerCall::kType) {
        static_cast<PlayerCall*>(event)->run();
        return true;
    }
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const Element* over = elementAt(window_, scenePoint(help->pos()));
    if (over && !over->tooltip().empty())
        QToolTip::showText(help->globalPos(), QString::fromStdString(over->tooltip()), this);
    else
        QToolTip::hideText();
    return true;
}

}  // namespace quorvel::platform::qt
