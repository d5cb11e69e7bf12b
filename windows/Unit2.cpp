#include "Unit2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "ArtworkPaths.h"
#include "Controls.h"
#include "ErrorReport.h"
#include "PictureControl.h"
#include "Unit1.h"

TForm2* Form2 = nullptr;

namespace {

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent, const QRect& bounds)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QRadioButton* MakeRadio(const char* name, const QString& caption, QWidget* parent, const QRect& bounds)
{
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(bounds);
    QPalette palette = radio->palette();
    palette.setColor(QPalette::WindowText, Look::Navy);
    radio->setPalette(palette);
    return radio;
}

} // namespace

TForm2::TForm2() : QWidget(nullptr, Windows::FixedWindowFlags())
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Start page"));
    setFixedSize(411, 178);
    QPalette background = palette();
    background.setColor(QPalette::Window, Look::Yellow);
    setPalette(background);
    setAutoFillBackground(true);
    const QFont font = Look::WindowFont();
    setFont(font);

    Image6 = new PictureControl(this);
    Image6->setObjectName(QStringLiteral("Image6"));
    Image6->setGeometry(289, -20, 121, 201);

    GroupBox1 = new GroupFrame(QStringLiteral("GroupBox1"), this, {24, 24, 337, 105},
                               QStringLiteral("   Obtížnost   "), font, Look::Navy, Look::Yellow);
    RadioButton1 = MakeRadio("RadioButton1", QStringLiteral("Začátečník"), GroupBox1, {16, 32, 113, 17});
    RadioButton1->setChecked(true);
    RadioButton2 = MakeRadio("RadioButton2", QStringLiteral("Pokročilý"), GroupBox1, {16, 72, 113, 17});
    Button1 = MakeButton("Button1", QStringLiteral("OK"), GroupBox1, {248, 72, 75, 25});
    Button1->setDefault(true);

    GroupBox2 = new GroupFrame(QStringLiteral("GroupBox2"), this, {24, 24, 337, 105},
                               QStringLiteral("        "), font, Look::Navy, Look::Yellow);
    GroupBox2->hide();
    Label1 = new AutoSizeLabel(QStringLiteral("Label1"), GroupBox2, 24, 32, 24, Look::ScoreFont(), Look::Red,
                               Look::Yellow);
    Button2 = MakeButton("Button2", QStringLiteral("Konec"), GroupBox2, {248, 72, 75, 25});
    Button3 = MakeButton("Button3", QStringLiteral("Znovu"), GroupBox2, {160, 72, 75, 25});
    Button3->setDefault(true);

    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    RadioButton1->setFocus();

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    Guarded([this] { Image6->SetBitmapData(ReadArtwork(StartPageArtworkPath)); });
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::FormCreate()
{
    Guarded([this] { Windows::ShowCentredFirstTime(this); });
}

void TForm2::Button1Click()
{
    Guarded([this] {
        if (Form1)
            Form1->TakeOverFromStartPage();
        hide();
    });
}

void TForm2::Button2Click()
{
    Guarded([] { QCoreApplication::quit(); });
}

void TForm2::Button3Click()
{
    Guarded([this] {
        Windows::HideFocusToWindow(GroupBox2);
        GroupBox1->show();
    });
}

void TForm2::FormClose()
{
    Guarded([] { QCoreApplication::quit(); });
}

void TForm2::ShowResults(const std::string& text)
{
    Windows::ShowCentredFirstTime(this);
    if (Form1)
        Form1->hide();
    Windows::HideFocusToWindow(GroupBox1);
    GroupBox2->show();
    Label1->SetCaption(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // No control has the focus: Enter then presses "Znovu".
    setFocus(Qt::OtherFocusReason);
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    Guarded([this] { Windows::PressForEnter(this, GroupBox1->isVisible() ? Button1 : Button3); });
}

void TForm2::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}
