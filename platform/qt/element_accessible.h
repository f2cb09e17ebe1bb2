#pragma once

#include <QAccessibleInterface>

#include "platform/element.h"

namespace quorvel::platform::qt {

class SceneAccessibility;

// One model element as an accessible object: a button that presses as a click does, a text
// that reads its caption, a picture that names what it shows.
class ElementAccessible : public QAccessibleInterface,
                          public QAccessibleActionInterface,
                          public QAccessibleTextInterface,
                          public QAccessibleValueInterface {
public:
    ElementAccessible(SceneAccessibility& scene, const Element& element)
        : scene_(scene), element_(element) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Buttons and option buttons.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // Texts, read only.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override;

    // Meters that show a figure also tell it as a number.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }
    bool showsFigure() const;

private:
    QString caption() const;

    SceneAccessibility& scene_;
    const Element& element_;
};

// The notification object whose showing carries an announcement.
class AnnouncerAccessible : public QAccessibleInterface {
public:
    explicit AnnouncerAccessible(SceneAccessibility& scene) : scene_(scene) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    SceneAccessibility& scene_;
};

}  // namespace quorvel::platform::qt
