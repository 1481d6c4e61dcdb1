#pragma once

#include <QAccessibleWidget>

namespace brizel {

// What a screen reader sees of a button: a push button named by its tool tip, else by its caption.
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

} // namespace brizel
