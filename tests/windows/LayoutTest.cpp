#include <QAbstractButton>
#include <QLabel>

#include "PictureControl.h"
#include "WindowFixture.h"

namespace {

struct ControlRow {
    const char* name;
    const char* parent;
    QRect bounds;
    bool shownAtCreation;
    const char* text;  ///< caption, or nullptr where the control has none
};

// Width -1: the control sizes itself to its text (checked separately).
const ControlRow QuizWindowRows[] = {
    {"Image5", "Form1", {0, 0, 449, 585}, true, nullptr},
    {"Image3", "Form1", {16, 288, 460, 260}, true, nullptr},
    {"Image1", "Form1", {152, 216, 233, 233}, true, nullptr},
    {"Image6", "Form1", {448, 0, 321, 585}, true, nullptr},
    {"Image4", "Form1", {600, 288, 161, 289}, true, nullptr},
    {"Label1", "Form1", {576, 8, -1, 19}, true, "Název"},
    {"Label6", "Form1", {576, 80, -1, 19}, true, "1. semínko"},
    {"Image2", "Form1", {312, 328, 233, 233}, true, nullptr},
    {"GroupBox3", "Form1", {8, 0, 553, 89}, false, ""},
    {"Label3", "GroupBox3", {8, 24, -1, 19}, true, ""},
    {"Label7", "GroupBox3", {8, 0, -1, 19}, true, "  Chyb: "},
    {"Edit1", "Form1", {576, 32, 169, 25}, false, ""},
    {"ComboBox1", "Form1", {576, 32, 169, 27}, false, nullptr},
    {"BitBtn1", "Form1", {672, 72, 75, 25}, true, "OK"},
    {"GroupBox1", "Form1", {0, 0, 769, 585}, true, ""},
    {"Image7", "GroupBox1", {192, 24, 409, 545}, true, nullptr},
    {"Button1", "GroupBox1", {672, 32, 75, 521}, true, "Start"},
};

const ControlRow StartPageRows[] = {
    {"Image6", "Form2", {289, -20, 121, 201}, true, nullptr},
    {"GroupBox1", "Form2", {24, 24, 337, 105}, true, "   Obtížnost   "},
    {"RadioButton1", "GroupBox1", {16, 32, 113, 17}, true, "Začátečník"},
    {"RadioButton2", "GroupBox1", {16, 72, 113, 17}, true, "Pokročilý"},
    {"Button1", "GroupBox1", {248, 72, 75, 25}, true, "OK"},
    {"GroupBox2", "Form2", {24, 24, 337, 105}, false, "        "},
    {"Label1", "GroupBox2", {24, 32, -1, 24}, true, ""},
    {"Button2", "GroupBox2", {248, 72, 75, 25}, true, "Konec"},
    {"Button3", "GroupBox2", {160, 72, 75, 25}, true, "Znovu"},
};

QString TextOf(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* group = dynamic_cast<GroupFrame*>(w))
        return group->Caption();
    return {};
}

void CheckRows(QWidget* window, const ControlRow* begin, const ControlRow* end)
{
    QStringList creationOrder;
    for (const ControlRow* row = begin; row != end; ++row) {
        SCOPED_TRACE(row->name);
        QWidget* control = nullptr;
        // Names repeat between a window and its groups only across windows.
        for (QWidget* candidate : window->findChildren<QWidget*>(QString::fromLatin1(row->name)))
            if (candidate->parentWidget()->objectName() == QLatin1String(row->parent))
                control = candidate;
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->pos(), row->bounds.topLeft());
        EXPECT_EQ(control->height(), row->bounds.height());
        if (row->bounds.width() >= 0) {
            EXPECT_EQ(control->width(), row->bounds.width());
        }
        EXPECT_EQ(!control->isHidden(), row->shownAtCreation);
        if (row->text) {
            EXPECT_EQ(TextOf(control).toStdString(), row->text);
        }
    }
}

// Creation order is stacking order: each sibling lies above those before it.
QStringList SiblingOrder(QWidget* parent)
{
    QStringList names;
    for (QObject* child : parent->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            names << w->objectName();
    return names;
}

// The controls that the Tab key visits, from the first, once round.
QStringList TabCycle(QWidget* first)
{
    QStringList names;
    first->setFocus();
    QWidget* w = first;
    do {
        names << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
        w = first->window()->focusWidget();
    } while (w && w != first && names.size() < 20);
    return names;
}

using Layout = ProgramFixture;

TEST_F(Layout, QuizWindow)
{
    Start();
    TForm1& f = F1();
    EXPECT_EQ(f.windowTitle(), "Sorvita");
    EXPECT_EQ(f.size(), QSize(766, 579));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(f.font().family(), "Times New Roman");
    EXPECT_EQ(f.font().pixelSize(), 16);
    EXPECT_TRUE(f.font().bold() && f.font().italic());

    CheckRows(&f, std::begin(QuizWindowRows), std::end(QuizWindowRows));
    EXPECT_EQ(SiblingOrder(&f), QStringList({"Image5", "Image3", "Image1", "Image6", "Image4", "Label1", "Label6",
                                             "Image2", "GroupBox3", "Edit1", "ComboBox1", "BitBtn1", "GroupBox1"}));
    // Tab order, with every control on view.
    f.GroupBox1->hide();
    f.Edit1->show();
    f.ComboBox1->show();
    EXPECT_EQ(TabCycle(f.Edit1), QStringList({"Edit1", "ComboBox1", "BitBtn1"}));
    f.GroupBox1->show();
    EXPECT_EQ(TabCycle(f.Button1), QStringList({"Button1", "Edit1", "ComboBox1", "BitBtn1"}));
    f.Edit1->hide();
    f.ComboBox1->hide();

    // Picture flags.
    struct Flags { PictureControl* control; bool stretch, proportional, center; };
    for (const Flags& p : {Flags{f.Image5, true, false, false}, Flags{f.Image3, false, false, false},
                           Flags{f.Image1, false, true, true}, Flags{f.Image6, true, false, false},
                           Flags{f.Image4, false, true, false}, Flags{f.Image2, false, true, true},
                           Flags{f.Image7, false, true, false}}) {
        SCOPED_TRACE(p.control->objectName().toStdString());
        EXPECT_EQ(p.control->Stretch(), p.stretch);
        EXPECT_EQ(p.control->Proportional(), p.proportional);
        EXPECT_EQ(p.control->Center(), p.center);
    }
    EXPECT_EQ(f.Image5->PictureWidth(), 1488);
    EXPECT_EQ(f.Image5->PictureHeight(), 1984);
    EXPECT_EQ(f.Image7->PictureWidth(), 1488);
    EXPECT_EQ(f.Image6->PictureWidth(), 181);
    EXPECT_EQ(f.Image6->PictureHeight(), 269);

    // Colours.
    for (AutoSizeLabel* label : {f.Label1, f.Label6, f.Label3, f.Label7}) {
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 255, 0));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        EXPECT_TRUE(label->autoFillBackground());
    }
    EXPECT_EQ(f.GroupBox3->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(f.GroupBox1->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(f.ComboBox1->palette().color(QPalette::Button), QColor(255, 255, 0));
    EXPECT_EQ(f.ComboBox1->palette().color(QPalette::ButtonText), QColor(0, 0, 128));
    EXPECT_EQ(f.BitBtn1->palette().color(QPalette::ButtonText), QColor(0, 0, 128));

    // The pick list: pick-only, unsorted, 39 names after start-up, none selected, 30 rows shown.
    EXPECT_FALSE(f.ComboBox1->isEditable());
    EXPECT_EQ(f.ComboBox1->count(), 39);
    EXPECT_EQ(f.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(f.ComboBox1->itemText(6), "Hořčice bílá");
    EXPECT_EQ(f.ComboBox1->maxVisibleItems(), 30);
    EXPECT_TRUE(f.Edit1->isEnabled() && f.ComboBox1->isEnabled());
    EXPECT_EQ(f.Label6->text(), "1. semínko");
}

TEST_F(Layout, LabelsHugTheirText)
{
    Start();
    const QFontMetrics metrics(Look::WindowFont());
    F1().SetSeedCounterText("12. semínko");
    EXPECT_EQ(F1().Label6->width(), metrics.horizontalAdvance("12. semínko"));
    EXPECT_EQ(F1().Label6->pos(), QPoint(576, 80));
    F1().SetSeedCounterText("");
    EXPECT_EQ(F1().Label6->width(), metrics.horizontalAdvance(" "));
    EXPECT_GT(F1().Label6->width(), 0);
}

TEST_F(Layout, StartPage)
{
    Start();
    TForm2& f = F2();
    EXPECT_EQ(f.windowTitle(), "Start page");
    EXPECT_EQ(f.size(), QSize(411, 178));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(255, 255, 0));

    CheckRows(&f, std::begin(StartPageRows), std::end(StartPageRows));
    EXPECT_EQ(SiblingOrder(&f), QStringList({"Image6", "GroupBox1", "GroupBox2"}));
    EXPECT_EQ(SiblingOrder(f.GroupBox2), QStringList({"Label1", "Button2", "Button3"}));
    EXPECT_TRUE(f.RadioButton1->isChecked());
    EXPECT_FALSE(f.RadioButton2->isChecked());
    // The selected radio button is the group's one tab stop; the hidden group takes none.
    EXPECT_EQ(TabCycle(f.RadioButton1), QStringList({"RadioButton1", "Button1"}));
    f.RadioButton2->click();
    EXPECT_EQ(TabCycle(f.RadioButton2), QStringList({"RadioButton2", "Button1"}));
    f.RadioButton1->click();
    EXPECT_EQ(f.RadioButton1->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(f.Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(f.Label1->font().family(), "Arial");
    EXPECT_EQ(f.Label1->font().pixelSize(), 21);
    EXPECT_EQ(f.Image6->PictureWidth(), 181);
    EXPECT_FALSE(f.Image6->Stretch() || f.Image6->Proportional() || f.Image6->Center());
}

// What the user sees of the start page: yellow ground, the pale wedge of the
// decoration in the lower right, the window's own yellow in its last column.
TEST_F(Layout, StartPageDecorationIsClipped)
{
    Start();
    const QImage shot = F2().grab().toImage();
    EXPECT_EQ(shot.pixelColor(400, 170), QColor(255, 255, 128));  // the wedge
    EXPECT_EQ(shot.pixelColor(300, 10), QColor(255, 255, 0));     // above the diagonal
    EXPECT_EQ(shot.pixelColor(410, 170), QColor(255, 255, 0));    // right of the picture's box
}

} // namespace

namespace {

bool IsSeedColour(QColor c, std::int32_t seed, int view)
{
    const SeedColour want = ColourOf(seed, view);
    return std::abs(c.red() - want.red) <= 3 && std::abs(c.green() - want.green) <= 3
           && std::abs(c.blue() - want.blue) <= 3;
}

// 640 x 480 photographs in every slot: where each lands in the window, and
// what covers what.
TEST_F(Layout, SeedSlotsPlaceTheirPictures)
{
    Start(true, 640, 480);
    F1().Button1->click();
    const QImage shot = F1().grab().toImage();
    struct Probe {
        QPoint at;
        int view;  ///< -1: no seed picture here
    };
    const Probe probes[] = {
        {{152, 245}, 0}, {{384, 300}, 0}, {{153, 243}, -1},  // Image1: 233 x 174 from (152, 245)
        {{384, 418}, 1},                                      // ... under Image2
        {{312, 357}, 1}, {{544, 530}, 1}, {{500, 356}, -1},  // Image2: 233 x 174 from (312, 357)
        {{16, 288}, 2},  {{447, 300}, 2}, {{449, 300}, -1},  // Image3: unscaled, the right panel over x 448..475
        {{20, 547}, 2},  {{20, 549}, -1},                    // ... and cut at 260 rows
        {{600, 288}, 3}, {{760, 407}, 3}, {{700, 409}, -1},  // Image4: 161 x 120 at the box's top-left
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << "at " << p.at.x() << "," << p.at.y());
        const QColor c = shot.pixelColor(p.at);
        if (p.view >= 0) {
            EXPECT_TRUE(IsSeedColour(c, 0, p.view)) << c.name().toStdString();
        } else {
            for (int view = 0; view < ViewCount; ++view)
                EXPECT_FALSE(IsSeedColour(c, 0, view)) << c.name().toStdString();
        }
    }
}

} // namespace
