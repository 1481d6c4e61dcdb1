// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramWindow.h"

#include "controls/ImageControl.h"
#include "controls/StoredForm.h"
#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "core/Forms.h"
#include "core/ProgramWindowAccessible.h"
#include "core/Resources.h"

#include <QCloseEvent>

ProgramWindow::ProgramWindow(const QString& name, Qt::WindowFlags flags) : QWidget(nullptr, flags) {
    setObjectName(name);
    Forms::add(this);
    ProgramWindowAccessible::install();
}

QString ProgramWindow::text(const KeyedPropertyBag& bag, const char* key) {
    return bag.readProperty(QString::fromLatin1(key)).toString();
}

void ProgramWindow::sound(Sound id) {
    if (Allgemein::SoundOn)
        Allgemein::PlayWAV(id);
}

ProgramWindow::Flags ProgramWindow::createFlags(const StoredForm& form, QWidget* parent,
                                                const std::function<void(int16_t)>& onClick,
                                                const std::function<QImage(const QString&)>& picture) {
    Flags flags{};
    for (size_t i = 0; i < flags.size(); ++i) {
        const QString name = QStringLiteral("imgLang(%1)").arg(i);
        if (!form.contains(name))
            continue;
        const KeyedPropertyBag& bag = form.control(name);
        auto* flag = new ImageControl(parent);
        flag->setObjectName(name);
        flag->setPixmap(QPixmap::fromImage(picture(text(bag, "picture"))));
        flag->setGeometry(Twips::toPixels(StoredForm::twipsRect(bag)));
        flag->setToolTip(text(bag, "tooltiptext"));
        flag->setAccessibleName(flag->toolTip());
        flag->setCursor(Qt::PointingHandCursor);
        connect(flag, &ImageControl::Click, this, [onClick, i] { onClick(static_cast<int16_t>(i)); });
        flags[i] = flag;
    }
    m_flags = flags;
    checkCurrentFlag();
    return flags;
}

void ProgramWindow::checkCurrentFlag() {
    for (size_t i = 0; i < m_flags.size(); ++i)
        if (m_flags[i])
            m_flags[i]->setChecked(static_cast<int>(i) == Allgemein::LangIndex);
}

void ProgramWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    else if (event->type() == QEvent::LanguageChange) {
        checkCurrentFlag();
        languageChanged();
    }
}

void ProgramWindow::unload(QCloseEvent* event) {
    Forms::remove(this);
    event->accept();
}
