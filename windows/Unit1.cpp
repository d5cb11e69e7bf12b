#include "Unit1.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyledItemDelegate>

#include "ArtworkPaths.h"
#include "Controls.h"
#include "ErrorReport.h"
#include "PictureControl.h"
#include "SeedCatalogue.h"
#include "Unit2.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int ListRowHeight = 19;
constexpr int ListVisibleRows = 30;

// Rows of the pick list's popup are as high as the window font's text.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ListRowHeight};
    }
};

PictureControl* MakePicture(const char* name, QWidget* parent, const QRect& bounds)
{
    auto* picture = new PictureControl(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(bounds);
    return picture;
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(role, text);
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, background);
    widget->setPalette(palette);
}

std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TForm1::TForm1(QuizState& state, QuizRandom* random)
    : QWidget(nullptr, Windows::FixedWindowFlags()), state_(state), random_(random ? random : &ownRandom_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sorvita"));
    setFixedSize(766, 579);
    QPalette background = palette();
    background.setColor(QPalette::Window, Look::Black);
    setPalette(background);
    setAutoFillBackground(true);
    const QFont font = Look::WindowFont();
    setFont(font);

    // Created in stacking order: each control lies above those before it.
    Image5 = MakePicture("Image5", this, {0, 0, 449, 585});
    Image5->SetStretch(true);
    Image3 = MakePicture("Image3", this, {16, 288, 460, 260});
    Image1 = MakePicture("Image1", this, {152, 216, 233, 233});
    Image1->SetCenter(true);
    Image1->SetProportional(true);
    Image6 = MakePicture("Image6", this, {448, 0, 321, 585});
    Image6->SetStretch(true);
    Image4 = MakePicture("Image4", this, {600, 288, 161, 289});
    Image4->SetProportional(true);
    Label1 = new AutoSizeLabel(QStringLiteral("Label1"), this, 576, 8, 19, font, Look::Navy, Look::Yellow);
    Label1->SetCaption(QStringLiteral("Název"));
    Label6 = new AutoSizeLabel(QStringLiteral("Label6"), this, 576, 80, 19, font, Look::Navy, Look::Yellow);
    Image2 = MakePicture("Image2", this, {312, 328, 233, 233});
    Image2->SetCenter(true);
    Image2->SetProportional(true);

    GroupBox3 = new GroupFrame(QStringLiteral("GroupBox3"), this, {8, 0, 553, 89}, QString(), font, Look::White,
                               Look::Yellow);
    GroupBox3->hide();
    Label3 = new AutoSizeLabel(QStringLiteral("Label3"), GroupBox3, 8, 24, 19, font, Look::Navy, Look::Yellow);
    Label7 = new AutoSizeLabel(QStringLiteral("Label7"), GroupBox3, 8, 0, 19, font, Look::Navy, Look::Yellow);
    Label7->SetCaption(QStringLiteral("  Chyb: "));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(576, 32, 169, 25);
    // A flat one-pixel border, black on white.
    Edit1->setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid black; background: white; color: black; padding: 0 1px; }"));
    Edit1->hide();

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(576, 32, 169, 27);
    ComboBox1->setEditable(false);
    ComboBox1->setInsertPolicy(QComboBox::InsertAtBottom);
    ComboBox1->setMaxVisibleItems(ListVisibleRows);
    ComboBox1->setItemDelegate(new FixedRowDelegate(ComboBox1));
    // Without this the style may open the list as a menu over the current
    // item, ignoring the number of visible rows.
    ComboBox1->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    SetColours(ComboBox1, Look::Navy, Look::Yellow);
    SetColours(ComboBox1->view(), Look::Navy, Look::Yellow);
    ComboBox1->hide();

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(672, 72, 75, 25);
    BitBtn1->setDefault(true);
    SetColours(BitBtn1, Look::Navy, BitBtn1->palette().color(QPalette::Button));

    GroupBox1 = new GroupFrame(QStringLiteral("GroupBox1"), this, {0, 0, 769, 585}, QString(), font,
                               palette().color(QPalette::WindowText), Look::White);
    Image7 = MakePicture("Image7", GroupBox1, {192, 24, 409, 545});
    Image7->SetProportional(true);
    Button1 = new QPushButton(QStringLiteral("Start"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(672, 32, 75, 521);
    Button1->setDefault(true);

    for (QWidget* control : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(ComboBox1),
                             static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(Button1)})
        control->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(Edit1, ComboBox1);
    setTabOrder(ComboBox1, BitBtn1);
    setTabOrder(BitBtn1, Button1);
    Button1->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Guarded([this] {
        // One falcon photograph behind both controls: its header is read once.
        Image5->SetJpegData(ReadArtwork(FalconArtworkPath));
        Image7->SetPicture(Image5->CurrentPicture());
        Image6->SetBitmapData(ReadArtwork(PanelArtworkPath));
    });
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::FormCreate()
{
    Guarded([this] { InitQuiz(Run()); });
}

void TForm1::TakeOverFromStartPage()
{
    Guarded([this] {
        Windows::ShowCentredFirstTime(this);
        // An activated window whose controls have no focus gives it to the
        // first that can take it; once the intro panel is gone, that is.
        QWidget* focus = focusWidget();
        if (!GroupBox1->isVisible() && (!focus || focus == this))
            focusNextChild();
    });
    FormActivate();
}

void TForm1::FormActivate()
{
    Guarded([this] {
        if (Form2)
            Form2->hide();
        if (!Form2 || Form2->RadioButton1->isChecked()) {
            state_.AdvancedMode = 0;
            ComboBox1->show();
            Windows::HideFocusToWindow(Edit1);
        } else if (Form2->RadioButton2->isChecked()) {
            state_.AdvancedMode = 1;
            Edit1->show();
            Windows::HideFocusToWindow(ComboBox1);
        }
    });
}

void TForm1::BitBtn1Click()
{
    Guarded([this] { ActionPressed(Run()); });
}

void TForm1::Button1Click()
{
    Guarded([this] { Windows::HideFocusToWindow(GroupBox1); });
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    // "Start" is the default while the intro panel covers the window.
    Guarded([this] { Windows::PressForEnter(this, GroupBox1->isVisible() ? Button1 : BitBtn1); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The quiz window is the main window: closing it ends the program.
    event->accept();
    QCoreApplication::quit();
}

void TForm1::ShowSeedPictures(std::int32_t seed)
{
    const PicturePaths paths = SeedPicturePaths(seed);
    PictureControl* const viewSlots[ViewCount] = {Image1, Image2, Image3, Image4};
    for (int view = 0; view < ViewCount; ++view)
        viewSlots[view]->LoadFromFile(paths[static_cast<std::size_t>(view)]);
}

void TForm1::SetSeedCounterText(const std::string& text)
{
    Label6->SetCaption(FromUtf8(text));
}

void TForm1::ShowCorrection(const std::string& name, const std::string& errorText)
{
    GroupBox3->show();
    Label3->SetCaption(FromUtf8(name));
    Label7->SetCaption(FromUtf8(errorText));
}

void TForm1::HideCorrection()
{
    Windows::HideFocusToWindow(GroupBox3);
}

std::string TForm1::ActionCaption() const
{
    return ToUtf8(BitBtn1->text());
}

void TForm1::SetActionCaption(const std::string& caption)
{
    BitBtn1->setText(FromUtf8(caption));
}

std::string TForm1::PickedName() const
{
    return ComboBox1->currentIndex() < 0 ? std::string() : ToUtf8(ComboBox1->currentText());
}

std::string TForm1::TypedName() const
{
    return ToUtf8(Edit1->text());
}

void TForm1::SetAnswerInputsEnabled(bool on)
{
    // Disabling the input that has the focus moves the focus on to the next
    // control; when the inputs come back, so does the focus, so that the
    // next answer can be typed or picked straight away.
    QWidget* focus = focusWidget();
    if (!on && (focus == Edit1 || focus == ComboBox1))
        answerFocus_ = focus;
    Edit1->setEnabled(on);
    ComboBox1->setEnabled(on);
    if (on && answerFocus_) {
        if (answerFocus_->isVisible())
            answerFocus_->setFocus(Qt::OtherFocusReason);
        answerFocus_ = nullptr;
    }
}

void TForm1::ClearAnswerInputs()
{
    Edit1->clear();
    ComboBox1->setCurrentIndex(-1);
}

void TForm1::AddPickListItem(const std::string& name)
{
    // A pick-only combo box selects its first item by itself; the list must
    // stay without a selection until the user picks.
    const int selected = ComboBox1->currentIndex();
    const QString item = FromUtf8(name);
    ComboBox1->addItem(item);
    ComboBox1->setCurrentIndex(selected);
    // The opened list is wide enough to show every name whole: several
    // differ only in their last word.
    QAbstractItemView* list = ComboBox1->view();
    const int needed = list->fontMetrics().horizontalAdvance(item) + 2 * list->frameWidth()
                       + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12;
    list->setMinimumWidth(std::max(list->minimumWidth(), needed));
}

void TForm1::ShowResults(const std::string& text)
{
    if (Form2)
        Form2->ShowResults(text);
}
