#include "lessons/frmPreview.h"

#include "core/Forms.h"

#include <QCloseEvent>
#include <QPointer>

namespace {
constexpr int ButtonCount = 9;
}

frmPreview* frmPreview::instance() {
    static QPointer<frmPreview> window;
    if (!window)
        window = new frmPreview;
    return window;
}

frmPreview::frmPreview() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmPreview"));
    setFixedSize(440, 420);
    for (int i = 0; i < ButtonCount; ++i)
        m_toolTips << QString();
    Forms::add(this);
}

void frmPreview::setButtonToolTip(int16_t index, const QString& text) {
    m_toolTips[index] = text;
}

QString frmPreview::buttonToolTip(int16_t index) const {
    return m_toolTips.value(index);
}

void frmPreview::closeEvent(QCloseEvent* event) {
    Forms::remove(this);
    event->accept();
}
