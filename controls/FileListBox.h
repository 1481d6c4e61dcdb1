// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SerialWorker.h"

#include <QListWidget>
#include <QString>
#include <QStringList>

// A file list box: the names of the plain files in one folder that match a pattern (without regard to
// case), sorted by name as the system's file list sorts them. The listing is read when the folder or the
// pattern is set and on Refresh(), not when files come and go. It is read on a thread of its own and
// the names join the list in steps, so a folder of thousands of drawings never holds up the window;
// Listed() says when the list is whole.
class FileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);
    ~FileListBox() override;

    QString Path() const { return m_path; }
    void setPath(const QString& folder);
    QString Pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);
    // Empties the list and reads the folder's listing again.
    void Refresh();
    // Whether the listing of the last Refresh() is still being read or added.
    bool isListing() const { return m_listing; }

    // The chosen name, or the empty text; a name that is not UTF-8 as NativeName keeps it, so it opens.
    QString FileName() const;
    int ListCount() const { return count(); }
    QString List(int index) const;

signals:
    // A name was chosen, with the pointer or the keyboard.
    void Click();
    // The list holds every name of the listing.
    void Listed();

protected:
    // The page keys page through the list while it has the keyboard.
    bool event(QEvent* event) override;

private:
    void receive(quint64 reading, const QStringList& names);
    static QString nameOf(const QListWidgetItem* listed);

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    // Counts the readings: a listing that arrives after a newer Refresh() is dropped.
    quint64 m_reading = 0;
    bool m_listing = false;
    // Last, so it is gone, and its reading finished, before the list itself.
    SerialWorker m_reader;
};
