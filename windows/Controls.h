#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

class QAbstractButton;

// The windows' shared look: fonts asked for by name (fontconfig supplies a
// metric-compatible face where the named one is missing) and the colours the
// windows use.
namespace Look {
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Navy(0, 0, 128);
inline const QColor Red(255, 0, 0);

// "Times New Roman", 16 px, bold italic: the font of both windows' controls.
QFont WindowFont();
// "Arial", 21 px, bold italic: the start page's score.
QFont ScoreFont();
} // namespace Look

// A text label that sizes itself to its caption: it keeps its left and top
// edges and a fixed height, and paints its own background, so it shows as a
// coloured box tight around its text (one space wide when the text is empty).
class AutoSizeLabel : public QLabel {
public:
    AutoSizeLabel(const QString& objectName, QWidget* parent, int left, int top, int height,
                  const QFont& font, const QColor& text, const QColor& background);

    void SetCaption(const QString& caption);
    QString Caption() const { return text(); }

private:
    int height_;
};

// A framed group of controls with an optional caption drawn into its top frame
// line, 8 pixels from its left edge, on the group's own colour.
class GroupFrame : public QWidget {
public:
    GroupFrame(const QString& objectName, QWidget* parent, const QRect& bounds, const QString& caption,
               const QFont& font, const QColor& captionColour, const QColor& background);

    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor captionColour_;
};

// The bytes of a picture stored with the program (a ":/artwork/..." resource).
// Throws SorvitaError "Cannot open file %s" when it is not there.
QByteArray ReadArtwork(const char* resource);

// Common window behaviour.
namespace Windows {
// Centres a window on its screen the first time it is shown; later showings
// keep the place where the user left it.
void ShowCentredFirstTime(QWidget* window);
// Hides a control; when it or a control inside it had the keyboard focus, the
// focus passes to the window itself rather than to the next control.
void HideFocusToWindow(QWidget* control);
// The push button that has the keyboard focus in the window, if any.
QAbstractButton* FocusedButton(QWidget* window);
// What Enter does in a window: it presses the focused push button, or else
// the default button of what is on view, if that can be pressed.
void PressForEnter(QWidget* window, QAbstractButton* defaultButton);
// The title-bar buttons of both windows: window menu, close and minimise, no maximise.
Qt::WindowFlags FixedWindowFlags();
} // namespace Windows
