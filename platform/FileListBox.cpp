#include "platform/FileListBox.h"

#include <QDir>

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
    const QDir folder(m_path, m_pattern, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware, QDir::Files);
    addItems(folder.entryList());
}

QString FileListBox::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

QString FileListBox::List(int index) const {
    const QListWidgetItem* listed = item(index);
    return listed ? listed->text() : QString();
}
