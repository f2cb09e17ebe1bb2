#include "platform/qt/scene_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>

#include "platform/accessible.h"
#include "platform/qt/busy_input.h"
#include "platform/qt/element_accessible.h"
#include "platform/qt/scene_view.h"

namespace quorvel::platform::qt {
namespace {

std::map<const QObject*, SceneAccessibility*>& registry() {
    static std::map<const QObject*, SceneAccessibility*> views;
    return views;
}

// The view's own object: a window whose children are the model's elements, not widgets.
class ViewAccessible : public QAccessibleWidget {
public:
    explicit ViewAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(children().size()) + announcing(); }
    QAccessibleInterface* child(int index) const override {
        SceneAccessibility* scene = SceneAccessibility::of(object());
        const auto list = children();
        if (index >= 0 && index < static_cast<int>(list.size()))
            return scene->interfaceOf(*list[index]);
        return index == static_cast<int>(list.size()) && scene ? scene->announcer() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto list = children();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            QAccessibleInterface* c = SceneAccessibility::of(object())->interfaceOf(**it);
            if (c && !c->state().invisible && c->rect().contains(x, y)) return c;
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        SceneAccessibility* scene = SceneAccessibility::of(object());
        Element* focus = scene ? scene->window().focus() : nullptr;
        return focus && isExposed(*focus) ? scene->interfaceOf(*focus) : nullptr;
    }

private:
    std::vector<Element*> children() const {
        SceneAccessibility* scene = SceneAccessibility::of(object());
        return scene ? accessibleChildren(scene->window(), nullptr) : std::vector<Element*>{};
    }
    int announcing() const { return SceneAccessibility::of(object()) ? 1 : 0; }
};

QAccessibleInterface* viewFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && registry().count(object) ? new ViewAccessible(widget) : nullptr;
}

}  // namespace

SceneAccessibility::SceneAccessibility(Window& window, SceneView& view)
    : window_(window), view_(view) {
    static const bool installed = (QAccessible::installFactory(viewFactory), true);
    (void)installed;
    registry()[&view_] = this;
    // A plain widget interface may already stand for the view: ours replaces it.
    QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(&view_);
    if (existing && !dynamic_cast<ViewAccessible*>(existing))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    for (const auto& element : window_.elements()) {
        lastText_[element.get()] = QString::fromStdString(element->caption());
        if (QLineEdit* edit = view_.textBox(*element))
            edit->setAccessibleName(QString::fromStdString(accessibleNameOf(*element)));
    }
}

SceneAccessibility::~SceneAccessibility() {
    registry().erase(&view_);
    *alive_ = false;
    for (const auto& [element, id] : ids_)
        QAccessible::deleteAccessibleInterface(id);
    if (announcerId_) QAccessible::deleteAccessibleInterface(announcerId_);
}

SceneAccessibility* SceneAccessibility::of(const QObject* view) {
    auto it = registry().find(view);
    return it == registry().end() ? nullptr : it->second;
}

QAccessibleInterface* SceneAccessibility::viewInterface() const {
    return QAccessible::queryAccessibleInterface(&view_);
}

QAccessibleInterface* SceneAccessibility::interfaceOf(const Element& element) {
    if (QLineEdit* edit = view_.textBox(element))
        return QAccessible::queryAccessibleInterface(edit);
    auto it = ids_.find(&element);
    if (it == ids_.end())
        it = ids_.emplace(&element, QAccessible::registerAccessibleInterface(
                                        new ElementAccessible(*this, element)))
                 .first;
    return QAccessible::accessibleInterface(it->second);
}

QAccessibleInterface* SceneAccessibility::announcer() {
    if (!announcerId_)
        announcerId_ = QAccessible::registerAccessibleInterface(new AnnouncerAccessible(*this));
    return QAccessible::accessibleInterface(announcerId_);
}

void SceneAccessibility::send(QAccessibleEvent& event) {
    QAccessible::updateAccessibility(&event);
}

void SceneAccessibility::elementChanged(Element& element, Aspect aspect) {
    if (!QAccessible::isActive() || !isExposed(element) || view_.textBox(element)) return;
    QAccessibleInterface* iface = interfaceOf(element);
    switch (aspect) {
        case Aspect::Visibility: {
            QAccessibleEvent event(
                iface, element.shown() ? QAccessible::ObjectShow : QAccessible::ObjectHide);
            return send(event);
        }
        case Aspect::Enabled: {
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent event(iface, changed);
            return send(event);
        }
        case Aspect::Value: {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(iface, changed);
            return send(event);
        }
        case Aspect::Accessible: {
            QAccessibleEvent name(iface, QAccessible::NameChanged);
            send(name);
            QAccessibleEvent description(iface, QAccessible::DescriptionChanged);
            return send(description);
        }
        case Aspect::Text:
            break;
        default:
            return;
    }
    QAccessibleEvent name(iface, QAccessible::NameChanged);
    send(name);
    if (roleOf(element) != AccessibleRole::StaticText) return;
    const QString now = QString::fromStdString(element.caption());
    QString& before = lastText_[&element];
    QAccessibleTextUpdateEvent text(iface, 0, before, now);
    before = now;
    send(text);
    if (auto* meter = static_cast<ElementAccessible*>(iface); meter->showsFigure()) {
        QAccessibleValueChangeEvent value(iface, meter->currentValue());
        send(value);
    }
}

void SceneAccessibility::focusChanged() {
    Element* focus = window_.focus();
    if (!QAccessible::isActive() || !focus || !isExposed(*focus) || view_.textBox(*focus)) return;
    QAccessibleEvent event(interfaceOf(*focus), QAccessible::Focus);
    send(event);
}

void SceneAccessibility::announce(const std::string& text) {
    announcement_ = QString::fromStdString(text);
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* notification = announcer();
    QAccessibleEvent name(notification, QAccessible::NameChanged);
    send(name);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    send(shown);
}

void SceneAccessibility::pressLater(const Element& element) {
    std::weak_ptr<bool> alive = alive_;
    Window* window = &window_;
    const std::string name = element.name();
    const int index = element.index();
    QCoreApplication::postEvent(&view_, new PlayerCall([alive, window, name, index] {
        if (alive.expired()) return;
        if (Element* target = window->find(name, index)) pressAsClick(*target);
    }));
}

}  // namespace quorvel::platform::qt
