#include "platform/qt/element_accessible.h"

#include <QWindow>

#include "platform/accessible.h"
#include "platform/qt/scene_accessible.h"
#include "platform/qt/scene_view.h"

namespace quorvel::platform::qt {
namespace {

QAccessible::Role qtRole(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::OptionButton:
            return QAccessible::RadioButton;
        case AccessibleRole::StaticText:
            return QAccessible::StaticText;
        case AccessibleRole::EditableText:
            return QAccessible::EditableText;
        case AccessibleRole::Graphic:
            return QAccessible::Graphic;
        case AccessibleRole::Panel:
            return QAccessible::Pane;
        case AccessibleRole::Grouping:
            return QAccessible::Grouping;
    }
    return QAccessible::NoRole;
}

bool pressable(const Element& element) {
    const AccessibleRole role = roleOf(element);
    return role == AccessibleRole::Button || role == AccessibleRole::OptionButton;
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QWindow* ElementAccessible::window() const {
    return scene_.view().windowHandle();
}

QAccessibleInterface* ElementAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* c = child(i);
        if (c && c->rect().contains(x, y)) return c;
    }
    return nullptr;
}

QAccessibleInterface* ElementAccessible::parent() const {
    const Element* up = accessibleParent(element_);
    return up ? scene_.interfaceOf(*up) : scene_.viewInterface();
}

QAccessibleInterface* ElementAccessible::child(int index) const {
    const auto children = accessibleChildren(scene_.window(), &element_);
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return scene_.interfaceOf(*children[index]);
}

int ElementAccessible::childCount() const {
    return static_cast<int>(accessibleChildren(scene_.window(), &element_).size());
}

int ElementAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto children = accessibleChildren(scene_.window(), &element_);
    for (std::size_t i = 0; i < children.size(); ++i)
        if (scene_.interfaceOf(*children[i]) == child) return static_cast<int>(i);
    return -1;
}

QString ElementAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return q(accessibleNameOf(element_));
        case QAccessible::Description:
            return q(element_.description());
        case QAccessible::Value:
            return q(accessibleValueOf(element_));
        case QAccessible::Help:
            return q(element_.tooltip());
        default:
            return {};
    }
}

QRect ElementAccessible::rect() const {
    const SceneView& view = scene_.view();
    const QRect local = view.widgetRect(element_);
    return QRect(view.mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role ElementAccessible::role() const {
    return qtRole(roleOf(element_));
}

QAccessible::State ElementAccessible::state() const {
    const AccessibleState model = stateOf(element_);
    QAccessible::State state;
    state.invisible = model.invisible;
    state.disabled = model.disabled;
    state.focusable = model.focusable;
    state.focused = model.focused;
    state.checkable = model.checkable;
    state.checked = model.checked;
    state.readOnly = roleOf(element_) == AccessibleRole::StaticText;
    return state;
}

void* ElementAccessible::interface_cast(QAccessible::InterfaceType type) {
    const AccessibleRole role = roleOf(element_);
    if (type == QAccessible::ActionInterface && pressable(element_))
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TextInterface && role == AccessibleRole::StaticText)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface && showsFigure())
        return static_cast<QAccessibleValueInterface*>(this);
    return nullptr;
}

QStringList ElementAccessible::actionNames() const {
    return {pressAction()};
}

void ElementAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) scene_.pressLater(element_);
}

QString ElementAccessible::caption() const {
    return q(accessibleValueOf(element_));
}

QString ElementAccessible::text(int startOffset, int endOffset) const {
    const QString all = caption();
    if (endOffset < 0 || endOffset > all.size()) endOffset = all.size();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(endOffset));
    return all.mid(startOffset, endOffset - startOffset);
}

int ElementAccessible::characterCount() const {
    return static_cast<int>(caption().size());
}

QString ElementAccessible::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

// "5000", "$ 50.25", "250": a figure; "Good Luck" or "At Risk  250" are read as text.
bool ElementAccessible::showsFigure() const {
    if (roleOf(element_) != AccessibleRole::StaticText) return false;
    bool figure = false;
    QString(caption()).remove(u'$').trimmed().toDouble(&figure);
    return figure;
}

QVariant ElementAccessible::currentValue() const {
    return QString(caption()).remove(u'$').trimmed().toDouble();
}

QWindow* AnnouncerAccessible::window() const {
    return scene_.view().windowHandle();
}

QAccessibleInterface* AnnouncerAccessible::parent() const {
    return scene_.viewInterface();
}

QString AnnouncerAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? scene_.announcement() : QString();
}

QRect AnnouncerAccessible::rect() const {
    const SceneView& view = scene_.view();
    return QRect(view.mapToGlobal(QPoint()), view.size());
}

}  // namespace quorvel::platform::qt
