#include "controls/FileListBox.h"

#include "controls/PageKeys.h"
#include "platform/NativeName.h"

#include <algorithm>

namespace {
// Names added at one go: a few milliseconds, so the window answers between the steps.
constexpr qsizetype NamesPerStep = 500;
} // namespace

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    m_reader.setMaxThreadCount(1);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit Click();
    });
}

FileListBox::~FileListBox() {
    m_reader.waitForDone();
}

void FileListBox::setPath(const QString& folder) {
    m_path = folder;
    Refresh();
}

void FileListBox::setPattern(const QString& pattern) {
    m_pattern = pattern;
    Refresh();
}

void FileListBox::Refresh() {
    {
        const QSignalBlocker quiet(this);
        clear();
    }
    m_waiting.clear();
    m_added = 0;
    const quint64 reading = ++m_reading;
    m_listing = !m_path.isEmpty();
    if (!m_listing)
        return;
    m_reader.start([this, reading, folder = m_path, pattern = m_pattern] {
        const QStringList names = NativeName::files(folder, pattern);
        QMetaObject::invokeMethod(
            this, [this, reading, names] { receive(reading, names); }, Qt::QueuedConnection);
    });
}

void FileListBox::receive(quint64 reading, const QStringList& names) {
    if (reading != m_reading)
        return;
    m_waiting = names;
    addWaiting(reading);
}

void FileListBox::addWaiting(quint64 reading) {
    if (reading != m_reading)
        return;
    {
        const QSignalBlocker quiet(this);
        const qsizetype end = std::min(m_waiting.size(), m_added + NamesPerStep);
        for (; m_added < end; ++m_added) {
            const QString& name = m_waiting.at(m_added);
            auto* item = new QListWidgetItem(NativeName::shown(name), this);
            item->setData(Qt::UserRole, name);
        }
    }
    if (m_added < m_waiting.size()) {
        QMetaObject::invokeMethod(
            this, [this, reading] { addWaiting(reading); }, Qt::QueuedConnection);
        return;
    }
    m_waiting.clear();
    m_listing = false;
    emit Listed();
}

QString FileListBox::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

QString FileListBox::List(int index) const {
    const QListWidgetItem* listed = item(index);
    return listed ? listed->data(Qt::UserRole).toString() : QString();
}

bool FileListBox::event(QEvent* event) {
    return PageKeys::claim(event) || QListWidget::event(event);
}
