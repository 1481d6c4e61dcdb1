#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>

// The lesson viewer beside the drawing window. For now an empty window of its size.
class frmPreview : public QWidget {
    Q_OBJECT

public:
    // The program-wide instance, loaded (not shown) on first use.
    static frmPreview* instance();

    // The tooltip of button `index` (0 to 8).
    void setButtonToolTip(int16_t index, const QString& text);
    QString buttonToolTip(int16_t index) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmPreview();

    QStringList m_toolTips;
};
