// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptionLayout.h"
#include "CaptionText.h"
#include "DerivedColors.h"
#include "FaceCache.h"

#include <brizel/IBrizel.h>

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QShortcut;

namespace brizel {

// The Brizel push button: its properties, persistence, life cycle, painting and input handling.
class Brizel : public QWidget, public IBrizel {
    Q_OBJECT
    Q_INTERFACES(brizel::IBrizel)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 BackOver READ BackOver WRITE setBackOver)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 ForeOver READ ForeOver WRITE setForeOver)
    Q_PROPERTY(quint32 MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(qint32 ButtonType READ ButtonType WRITE setButtonType)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint16 Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(qint16 FontBold READ FontBold WRITE setFontBold DESIGNABLE false)
    Q_PROPERTY(qint16 FontItalic READ FontItalic WRITE setFontItalic DESIGNABLE false)
    Q_PROPERTY(qint16 FontUnderline READ FontUnderline WRITE setFontUnderline DESIGNABLE false)
    Q_PROPERTY(qint16 FontSize READ FontSize WRITE setFontSize DESIGNABLE false)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName DESIGNABLE false)
    Q_PROPERTY(qint32 ColorScheme READ ColorScheme WRITE setColorScheme)
    Q_PROPERTY(qint16 ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(qint16 MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QString MouseIcon READ mouseIconSource WRITE setMouseIconSource)
    Q_PROPERTY(qint32 hwnd READ hwnd)
    Q_PROPERTY(qint16 SoftBevel READ SoftBevel WRITE setSoftBevel)
    Q_PROPERTY(QString PictureNormal READ pictureNormalSource WRITE setPictureNormalSource)
    Q_PROPERTY(QString PictureOver READ pictureOverSource WRITE setPictureOverSource)
    Q_PROPERTY(qint32 PicturePosition READ PicturePosition WRITE setPicturePosition)
    Q_PROPERTY(qint16 UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(qint16 UseGreyscale READ UseGreyscale WRITE setUseGreyscale)
    Q_PROPERTY(qint32 SpecialEffect READ SpecialEffect WRITE setSpecialEffect)
    Q_PROPERTY(qint16 CheckBoxBehaviour READ CheckBoxBehaviour WRITE setCheckBoxBehaviour)
    Q_PROPERTY(qint16 Value READ Value WRITE setValue)

public:
    enum class Look { Up, Down };

    explicit Brizel(QWidget* parent = nullptr);
    ~Brizel() override;

    // Controls of this library still alive (the library may be unloaded when there are none).
    static int liveControls();

    OleColor BackColor() const override { return m_backColor; }
    void setBackColor(OleColor value) override;
    OleColor BackOver() const override { return m_backOver; }
    void setBackOver(OleColor value) override;
    OleColor ForeColor() const override { return m_foreColor; }
    void setForeColor(OleColor value) override;
    OleColor ForeOver() const override { return m_foreOver; }
    void setForeOver(OleColor value) override;
    OleColor MaskColor() const override { return m_maskColor; }
    void setMaskColor(OleColor value) override;
    int32_t ButtonType() const override { return m_buttonType; }
    void setButtonType(int32_t value) override;
    QString Caption() const override { return m_caption; }
    void setCaption(const QString& value) override;
    VBool Enabled() const override { return m_enabled; }
    void setEnabled(VBool value) override;
    QFont Font() const override { return font(); }
    void setFont(const QFont& value) override;
    VBool FontBold() const override { return font().bold() ? True : False; }
    void setFontBold(VBool value) override;
    VBool FontItalic() const override { return font().italic() ? True : False; }
    void setFontItalic(VBool value) override;
    VBool FontUnderline() const override { return font().underline() ? True : False; }
    void setFontUnderline(VBool value) override;
    int16_t FontSize() const override;
    void setFontSize(int16_t value) override;
    QString FontName() const override { return font().family(); }
    void setFontName(const QString& value) override;
    int32_t ColorScheme() const override { return m_colorScheme; }
    void setColorScheme(int32_t value) override;
    VBool ShowFocusRect() const override { return m_showFocusRect; }
    void setShowFocusRect(VBool value) override;
    int16_t MousePointer() const override { return m_mousePointer; }
    void setMousePointer(int16_t value) override;
    Picture MouseIcon() const override { return m_mouseIcon; }
    void setMouseIcon(const Picture& value) override;
    int32_t hwnd() const override;
    VBool SoftBevel() const override { return m_softBevel; }
    void setSoftBevel(VBool value) override;
    Picture PictureNormal() const override { return m_pictureNormal; }
    void setPictureNormal(const Picture& value) override;
    Picture PictureOver() const override { return m_pictureOver; }
    void setPictureOver(const Picture& value) override;
    int32_t PicturePosition() const override { return m_picturePosition; }
    void setPicturePosition(int32_t value) override;
    VBool UseMaskColor() const override { return m_useMaskColor; }
    void setUseMaskColor(VBool value) override;
    VBool UseGreyscale() const override { return m_useGreyscale; }
    void setUseGreyscale(VBool value) override;
    int32_t SpecialEffect() const override { return m_specialEffect; }
    void setSpecialEffect(int32_t value) override;
    VBool CheckBoxBehaviour() const override { return m_checkBoxBehaviour; }
    void setCheckBoxBehaviour(VBool value) override;
    VBool Value() const override { return m_value; }
    void setValue(VBool value) override;

    void DisableRefresh() override;
    void Refresh() override;
    void About() override;

    void setContainer(BrizelContainer* container) override { m_container = container; }
    void setEvents(BrizelEvents* events) override { m_events = events; }
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;
    void AmbientChanged() override;
    void AccessKeyPressed() override;

    QImage Surface() const override { return m_surface; }
    quint64 PaintCount() const override { return m_paintCount; }

    QString mouseIconSource() const { return m_mouseIcon.source; }
    void setMouseIconSource(const QString& path) { setMouseIcon(Picture::fromFile(path)); }
    QString pictureNormalSource() const { return m_pictureNormal.source; }
    void setPictureNormalSource(const QString& path) { setPictureNormal(Picture::fromFile(path)); }
    QString pictureOverSource() const { return m_pictureOver.source; }
    void setPictureOverSource(const QString& path) { setPictureOver(Picture::fromFile(path)); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    friend class FacePainter;
    friend class ContentPainter;

    bool userMode() const { return !m_container || m_container->UserMode(); }
    bool displayAsDefault() const { return m_container && m_container->DisplayAsDefault(); }
    void mark();
    void repaintLast() { PaintButton(m_lastState, true); }

    void PaintButton(Look look, bool force);
    void ApplyColorScheme();
    // The colour table the scheme derives from `backColor` and the button's other colours.
    DerivedColors colorsFor(OleColor backColor) const;
    void MeasurePicture();
    void LayoutCaption();
    static QFont bold(QFont font);
    void UpdateAccessKey();
    void ResizeStep();
    // Client size, focus rectangle, surface size and window shape for the current style.
    void updateGeometryState();
    void CaptureBackground();
    void applyCursor();

    bool IsPointerOver() const;
    bool IsOnFace(const QPoint& local) const;
    void OverTimerTick();
    void endHover();
    void HandleMouseDown(int16_t button, int16_t shift, float x, float y);
    void HandleClick();
    // Inverts Value of a toggle, shows the up look at once and raises Click.
    void toggleAndClick();
    void refreshWindow();
    bool m_doubleClicked = false;

    // Stored properties.
    OleColor m_backColor = 0;
    OleColor m_backOver = 0;
    OleColor m_foreColor = 0;
    OleColor m_foreOver = 0;
    OleColor m_maskColor = rgb(192, 192, 192);
    int32_t m_buttonType = int32_t(ButtonTypes::WindowsXP);
    QString m_caption;
    VBool m_enabled = True;
    int32_t m_colorScheme = 1;
    VBool m_showFocusRect = True;
    int16_t m_mousePointer = 0;
    Picture m_mouseIcon;
    VBool m_softBevel = False;
    Picture m_pictureNormal;
    Picture m_pictureOver;
    int32_t m_picturePosition = 0;
    VBool m_useMaskColor = True;
    VBool m_useGreyscale = False;
    int32_t m_specialEffect = 0;
    VBool m_checkBoxBehaviour = False;
    VBool m_value = False;

    // Internal state.
    bool m_pointerOver = false;
    bool m_hasFocus = false;
    Look m_lastState = Look::Up;
    QString m_lastCaption;
    bool m_paintEnabled = true;
    uint8_t m_lastMouseButton = 0;
    uint8_t m_lastKeyDown = 0;
    bool m_capturingBackground = false;
    int m_lastCaptionMode = 0;
    int m_buttonWidth = 0;
    int m_buttonHeight = 0;
    QRect m_focusRect;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
    CaptionLayout m_layout;
    // The same caption in bold, as the KDE style draws the default button's.
    CaptionLayout m_boldLayout;
    CaptionText m_captionText; // the caption shaped for drawing, kept while caption, font and width stay
    DerivedColors m_colors;
    QImage m_surface;
    FaceCache m_faces;
    QImage m_background;
    bool m_backgroundCreated = false;
    quint64 m_paintCount = 0;
    std::optional<QChar> m_accessKey;
    std::vector<std::unique_ptr<QShortcut>> m_accessShortcuts;
    QTimer m_overTimer;

    BrizelContainer* m_container = nullptr;
    BrizelEvents* m_events = nullptr;
};

} // namespace brizel
