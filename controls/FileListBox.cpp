// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FileListBox.h"

#include "controls/PageKeys.h"
#include "platform/NativeName.h"

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    // Laying out thousands of names at once would hold up the window as long as reading them.
    setLayoutMode(QListView::Batched);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit Click();
    });
    // A screen reader selects a name without making it the current one: it is chosen all the same.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = selectedItems();
        if (!selected.isEmpty() && selected.first() != currentItem())
            setCurrentItem(selected.first());
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

// The names join the list at one go, which is quick; a name that is not UTF-8 keeps its bytes beside the
// text shown.
void FileListBox::receive(quint64 reading, const QStringList& names) {
    if (reading != m_reading)
        return;
    {
        const QSignalBlocker quiet(this);
        QStringList shown;
        shown.reserve(names.size());
        for (const QString& name : names)
            shown << NativeName::shown(name);
        addItems(shown);
        for (qsizetype i = 0; i < names.size(); ++i)
            if (shown.at(i) != names.at(i))
                item(int(i))->setData(Qt::UserRole, names.at(i));
    }
    m_listing = false;
    emit Listed();
}

QString FileListBox::FileName() const {
    return nameOf(currentItem());
}

QString FileListBox::List(int index) const {
    return nameOf(item(index));
}

QString FileListBox::nameOf(const QListWidgetItem* listed) {
    if (!listed)
        return {};
    const QVariant bytes = listed->data(Qt::UserRole);
    return bytes.isValid() ? bytes.toString() : listed->text();
}

bool FileListBox::event(QEvent* event) {
    return PageKeys::claim(event) || QListWidget::event(event);
}
