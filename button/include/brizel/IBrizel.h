// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelContainer.h>
#include <brizel/BrizelEvents.h>
#include <brizel/BrizelTypes.h>
#include <brizel/Picture.h>
#include <brizel/PropertyBag.h>

#include <QFont>
#include <QImage>
#include <QString>
#include <QtPlugin>

namespace brizel {

// The interface of the Brizel control ("_Brizel"), reached from the control's QWidget with
// qobject_cast<brizel::IBrizel*>(widget). Booleans are -1/0.
//
// A host makes a control with the library's factory, hands it its container and event receiver, then
// calls InitProperties (a control newly placed) or ReadProperties (a stored one), sizes and shows it.
// Showing applies the colour scheme and paints; until then a loaded control draws nothing.
class IBrizel {
public:
    virtual ~IBrizel() = default;

    // Properties, in the order of the default interface.
    virtual OleColor BackColor() const = 0;
    virtual void setBackColor(OleColor value) = 0;
    virtual OleColor BackOver() const = 0;
    virtual void setBackOver(OleColor value) = 0;
    virtual OleColor ForeColor() const = 0;
    virtual void setForeColor(OleColor value) = 0;
    virtual OleColor ForeOver() const = 0;
    virtual void setForeOver(OleColor value) = 0;
    virtual OleColor MaskColor() const = 0;
    virtual void setMaskColor(OleColor value) = 0;
    virtual int32_t ButtonType() const = 0;
    virtual void setButtonType(int32_t value) = 0;
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& value) = 0;
    virtual VBool Enabled() const = 0;
    virtual void setEnabled(VBool value) = 0;
    virtual QFont Font() const = 0;
    virtual void setFont(const QFont& value) = 0;
    virtual VBool FontBold() const = 0;
    virtual void setFontBold(VBool value) = 0;
    virtual VBool FontItalic() const = 0;
    virtual void setFontItalic(VBool value) = 0;
    virtual VBool FontUnderline() const = 0;
    virtual void setFontUnderline(VBool value) = 0;
    virtual int16_t FontSize() const = 0;
    virtual void setFontSize(int16_t value) = 0;
    virtual QString FontName() const = 0;
    virtual void setFontName(const QString& value) = 0;
    virtual int32_t ColorScheme() const = 0;
    virtual void setColorScheme(int32_t value) = 0;
    virtual VBool ShowFocusRect() const = 0;
    virtual void setShowFocusRect(VBool value) = 0;
    virtual int16_t MousePointer() const = 0;
    virtual void setMousePointer(int16_t value) = 0;
    virtual Picture MouseIcon() const = 0;
    virtual void setMouseIcon(const Picture& value) = 0;
    virtual int32_t hwnd() const = 0;
    virtual VBool SoftBevel() const = 0;
    virtual void setSoftBevel(VBool value) = 0;
    virtual Picture PictureNormal() const = 0;
    virtual void setPictureNormal(const Picture& value) = 0;
    virtual Picture PictureOver() const = 0;
    virtual void setPictureOver(const Picture& value) = 0;
    virtual int32_t PicturePosition() const = 0;
    virtual void setPicturePosition(int32_t value) = 0;
    virtual VBool UseMaskColor() const = 0;
    virtual void setUseMaskColor(VBool value) = 0;
    virtual VBool UseGreyscale() const = 0;
    virtual void setUseGreyscale(VBool value) = 0;
    virtual int32_t SpecialEffect() const = 0;
    virtual void setSpecialEffect(int32_t value) = 0;
    virtual VBool CheckBoxBehaviour() const = 0;
    virtual void setCheckBoxBehaviour(VBool value) = 0;
    virtual VBool Value() const = 0;
    virtual void setValue(VBool value) = 0;

    // Methods.
    virtual void DisableRefresh() = 0;
    virtual void Refresh() = 0;
    virtual void About() = 0;

    // Hosting: the window offering ambient properties and the receiver of the events (both may be null;
    // the control does not own them).
    virtual void setContainer(BrizelContainer* container) = 0;
    virtual void setEvents(BrizelEvents* events) = 0;
    // A fresh control placed on a window, or one loaded from / saved to a stored property set.
    virtual void InitProperties() = 0;
    virtual void ReadProperties(const PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) const = 0;
    // One of the container's ambient properties changed.
    virtual void AmbientChanged() = 0;
    // The user typed the control's access key.
    virtual void AccessKeyPressed() = 0;

    // The painted face (the persistent image the window is drawn from) and how often it was painted.
    virtual QImage Surface() const = 0;
    virtual quint64 PaintCount() const = 0;
};

} // namespace brizel

#define IBrizel_iid "BrizelLib._Brizel"
Q_DECLARE_INTERFACE(brizel::IBrizel, IBrizel_iid)
