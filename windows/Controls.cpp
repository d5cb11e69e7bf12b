#include "Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "PictureMessages.h"
#include "SorvitaError.h"

namespace Look {

QFont WindowFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QFont ScoreFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(21);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace Look

namespace {

QPalette ColouredPalette(QPalette palette, const QColor& text, const QColor& background)
{
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Window, background);
    }
    return palette;
}

} // namespace

AutoSizeLabel::AutoSizeLabel(const QString& objectName, QWidget* parent, int left, int top, int height,
                             const QFont& font, const QColor& text, const QColor& background)
    : QLabel(parent), height_(height)
{
    setObjectName(objectName);
    setFont(font);
    setPalette(ColouredPalette(palette(), text, background));
    setAutoFillBackground(true);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    move(left, top);
    SetCaption(QString());
}

void AutoSizeLabel::SetCaption(const QString& caption)
{
    setText(caption);
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(caption.isEmpty() ? QStringLiteral(" ") : caption);
    resize(width, height_);
}

GroupFrame::GroupFrame(const QString& objectName, QWidget* parent, const QRect& bounds, const QString& caption,
                       const QFont& font, const QColor& captionColour, const QColor& background)
    : QWidget(parent), caption_(caption), captionColour_(captionColour)
{
    setObjectName(objectName);
    setFont(font);
    setPalette(ColouredPalette(palette(), captionColour, background));
    setAutoFillBackground(true);
    setGeometry(bounds);
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // An etched frame: a shadow line with a light line inside and below it,
    // its top through the middle of the caption's line.
    const int top = metrics.height() / 2;
    const QRect frame(0, top, width() - 1, height() - top - 1);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(Look::White);
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    if (caption_.isEmpty())
        return;
    const QRect captionRect(8, 0, metrics.horizontalAdvance(caption_), metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(captionColour_);
    painter.setFont(font());
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

QByteArray ReadArtwork(const char* resource)
{
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly))
        throw SorvitaError(CannotOpenFileMessage(resource));
    return file.readAll();
}

namespace Windows {

void ShowCentredFirstTime(QWidget* window)
{
    static const char* const placed = "sorvitaPlaced";
    if (!window->property(placed).toBool()) {
        window->setProperty(placed, true);
        if (QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void HideFocusToWindow(QWidget* control)
{
    // The window's own focus widget: the window need not be the active one.
    QWidget* focus = control->window()->focusWidget();
    const bool hadFocus = focus && (focus == control || control->isAncestorOf(focus));
    control->hide();
    if (hadFocus)
        control->window()->setFocus(Qt::OtherFocusReason);
}

QAbstractButton* FocusedButton(QWidget* window)
{
    auto* button = qobject_cast<QAbstractButton*>(window->focusWidget());
    if (button && button->isVisible() && button->isEnabled() && !button->isCheckable())
        return button;
    return nullptr;
}

void PressForEnter(QWidget* window, QAbstractButton* defaultButton)
{
    if (QAbstractButton* button = FocusedButton(window))
        button->click();
    else if (defaultButton && defaultButton->isVisible() && defaultButton->isEnabled())
        defaultButton->click();
}

Qt::WindowFlags FixedWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

} // namespace Windows
