// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Resources.h"
#include "core/Sound.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class ImageControl;
class KeyedPropertyBag;
class QCloseEvent;
class StoredForm;

// What the program's windows share: each is loaded once and listed among the loaded windows until it
// closes, reads texts from its stored design, plays its sounds while sounds are on, and answers its
// activation and a change of language.
class ProgramWindow : public QWidget {
    Q_OBJECT

public:
    // One flag per language index; there is no flag 5.
    using Flags = std::array<ImageControl*, 7>;

    // Property `key` of a stored control, as text.
    static QString text(const KeyedPropertyBag& bag, const char* key);

    virtual void Form_Activate() {}

protected:
    // Named `name` and listed among the loaded windows.
    ProgramWindow(const QString& name, Qt::WindowFlags flags);

    // The program-wide instance of `Window`, loaded (not shown) on first use: made, then its Form_Load runs.
    // `Window` names ProgramWindow its friend, for its private constructor.
    template <class Window> static Window* loadedInstance() {
        static QPointer<Window> window;
        if (!window) {
            window = new Window;
            window->Form_Load();
        }
        return window;
    }

    // Plays `id` when the sounds are on.
    static void sound(Sound id);

    // The design's language flags "imgLang(index)" in `parent`, each called by its language's own name
    // whatever language the program speaks; a click passes on the flag's language index. `picture` gives a
    // flag's picture from its path: read there and then, or decoded before. The flag of the language in use
    // is the checked one of the group, also after a change of language.
    Flags createFlags(const StoredForm& form, QWidget* parent, const std::function<void(int16_t)>& onClick,
                      const std::function<QImage(const QString&)>& picture = &Resources::picture);

    // What a screen reader says of the controls, in the current language.
    virtual void nameControls() {}
    virtual void languageChanged() { nameControls(); }

    void changeEvent(QEvent* event) override;
    // The close goes through: the window is no longer loaded.
    void unload(QCloseEvent* event);

private:
    void checkCurrentFlag();

    Flags m_flags{};
};
