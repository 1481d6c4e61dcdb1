#pragma once

#include <QAccessibleWidget>

namespace brizel {

// What a screen reader sees of a button: a push button named by the name its host gave it, else by its
// tool tip, else by its caption unless that is in a symbol font.
// Reads the control's properties by name, so it works for any widget that has them.
class BrizelAccessible : public QAccessibleWidget {
public:
    explicit BrizelAccessible(QWidget* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// For QAccessible::installFactory: an interface for objects of class "Brizel", nullptr for others.
QAccessibleInterface* BrizelAccessibleFactory(const QString& className, QObject* object);
// Installs BrizelAccessibleFactory once; every new control may call it.
void InstallBrizelAccessibility();
// Makes every tool tip change of `button` a name change for screen readers.
void FollowToolTip(QWidget* button);
// Tells screen readers that the name (tool tip or caption) changed.
void NotifyAccessibleNameChanged(QObject* button);
// Tells screen readers that the enabled or the pressed (toggle) state changed.
void NotifyAccessibleStateChanged(QObject* button);

} // namespace brizel
