#pragma once

#include <QListWidget>
#include <QString>

// A file list box: the names of the plain files in one folder that match a pattern (without regard to
// case), sorted by name as the system's file list sorts them. The listing is read when the folder or the
// pattern is set and on Refresh(), not when files come and go.
class FileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString Path() const { return m_path; }
    void setPath(const QString& folder);
    QString Pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);
    // Reads the folder's listing again.
    void Refresh();

    // The chosen name, or the empty text; a name that is not UTF-8 as NativeName keeps it, so it opens.
    QString FileName() const;
    int ListCount() const { return count(); }
    QString List(int index) const;

signals:
    // A name was chosen, with the pointer or the keyboard.
    void Click();

protected:
    // The page keys page through the list while it has the keyboard.
    bool event(QEvent* event) override;

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};
