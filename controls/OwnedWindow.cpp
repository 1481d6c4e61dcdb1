// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/OwnedWindow.h"

#include <QEvent>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Shows owned windows, in the order they were asked for, once their owner has been mapped. A window
// manager keeps an owned window above its owner only when the owner was known to it before the owned window
// appeared; mapped earlier, the owner would cover it on the first click.
class ShowAfterOwner : public QObject {
public:
    static void add(QWidget* window, QWidget* owner) {
        ShowAfterOwner* pending = nullptr;
        for (QObject* child : owner->children())
            if (auto* candidate = dynamic_cast<ShowAfterOwner*>(child))
                pending = candidate;
        if (pending == nullptr)
            pending = new ShowAfterOwner(owner);
        if (!pending->m_windows.contains(window))
            pending->m_windows.append(window);
    }

    bool eventFilter(QObject* owner, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            owner->removeEventFilter(this);
            // Queued: the owner asks for its mapping only after its show event.
            QMetaObject::invokeMethod(this, &ShowAfterOwner::showAll, Qt::QueuedConnection);
        }
        return false;
    }

private:
    explicit ShowAfterOwner(QWidget* owner) : QObject(owner) { owner->installEventFilter(this); }

    void showAll() {
        for (const QPointer<QWidget>& window : std::as_const(m_windows))
            if (window)
                window->show();
        delete this;
    }

    QList<QPointer<QWidget>> m_windows;
};

// Nothing to wait for: no owner, or an owner on the screen.
bool ownerShown(QWidget* owner) {
    return owner == nullptr || (owner->windowHandle() != nullptr && owner->windowHandle()->isVisible());
}

} // namespace

void OwnedWindow::show(QWidget* window, QWidget* owner) {
    if (window->parentWidget() != owner) {
        const QPoint place = window->pos();
        window->setParent(owner, window->windowFlags());
        window->move(place);
    }
    if (ownerShown(owner))
        window->show();
    else
        ShowAfterOwner::add(window, owner);
}
