#include "controls/FileListBox.h"

#include "controls/PageKeys.h"
#include "platform/NativeName.h"

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit Click();
    });
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
    const QSignalBlocker quiet(this);
    clear();
    if (m_path.isEmpty())
        return;
    for (const QString& name : NativeName::files(m_path, m_pattern)) {
        auto* item = new QListWidgetItem(NativeName::shown(name), this);
        item->setData(Qt::UserRole, name);
    }
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
