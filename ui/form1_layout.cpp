// Form1's controls: kind, place, size, text, font, accessible name, tab
// order, and the one place where their signals meet the handlers.
//
// Places and sizes are logical pixels of a 481 x 303 client area (Qt scales
// them on high-density screens).
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "announcer.h"
#include "copy_sign.h"
#include "form1.h"
#include "option_button.h"
#include "picture_button.h"
#include "result_label.h"
#include "text_box.h"
#include "up_down.h"

namespace metrova::ui {
namespace {

QFont century(qreal points) {
    QFont font(QStringLiteral("Century"));
    font.setPointSizeF(points);
    return font;
}

QFont times(bool bold) {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setBold(bold);
    return font;
}

template <typename Control>
Control* place(Control* control, const char* name, QRect geometry) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// A name says what a control is; a description only what the name lacks.
void describe(QWidget* control, const QString& name, const QString& description = {}) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// On Linux Qt names a list by its current entry, the way screen readers
// there expect, and what the list is for is its description. On Windows Qt
// gives the entry as the list's value and takes its name from the accessible
// name, as UI Automation expects: there what the list is for is its name.
void describe_list(QComboBox* list, List purpose) {
    const std::string_view text = list_purpose(purpose);
    const QString words = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
#ifdef Q_OS_WIN
    list->setAccessibleName(words);
#else
    list->setAccessibleDescription(words);
#endif
}

// Only the selected notation button is a tab stop; the arrow keys move
// between the two.
void follow_selection_with_tab_stop(QRadioButton* button) {
    button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

constexpr int kErrorReasonWidth = 360;

// A modal box, shown once the event that met the error is handled, so that
// it never opens inside a list's popup or a key press. Events that were
// already queued when it opened (the further notches of a wheel turn) reach
// a window that the box blocks; an error they meet before it opens adds no
// second box. The message's first line, the failure, is the box's text and
// the reason under it its informative text; a screen reader reads both.
void show_error_box(QWidget* window, const QString& message) {
    QTimer::singleShot(0, window, [window = QPointer<QWidget>(window), message] {
        if (!window || QApplication::activeModalWidget() != nullptr) return;
        const qsizetype end = message.indexOf(QLatin1Char('\n'));
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Metrova"), message.left(end), QMessageBox::Ok, window);
        if (end >= 0) box.setInformativeText(message.mid(end + 1));
        // The box is as wide as its first line, which would wrap the reason
        // into a narrow column: room for a line of the reason's words.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
            grid->addItem(new QSpacerItem(kErrorReasonWidth, 0, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                          grid->columnCount());
        }
        box.exec();
    });
}

}  // namespace

Form1::Form1() : reporter_([this](const QString& message) { show_error_box(this, message); }) {
    createControls();
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::createControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Metrova  Ver.1.12    HALVERN CO.,LTD"));
    // The sizes of title bars and task bars from 100 % to 200 %; the larger
    // ones of the program's file and of the desktop's icon theme stay there.
    setWindowIcon(icon_from_files(QStringLiteral(":/metrova/icon-%1.png"), {16, 20, 24, 32, 40, 48, 64, 128}));
    setFixedSize(481, 303);
    setFont(century(12));

    Label2[0] = place(new QLabel(QStringLiteral("1.  Select  units in the combo boxes. "), this), "Label2(0)",
                      {64, 8, 345, 25});
    Label2[1] = place(new QLabel(QStringLiteral("2.  Click 'GO' after input a numerical value. "), this), "Label2(1)",
                      {64, 32, 377, 25});
    Combo2 = place(new QComboBox(this), "Combo2", {168, 80, 129, 27});
    Combo1[0] = place(new QComboBox(this), "Combo1(0)", {24, 120, 169, 27});
    Command1[0] = place(new QPushButton(QStringLiteral("Swap"), this), "Command1(0)", {200, 120, 81, 33});
    Combo1[1] = place(new QComboBox(this), "Combo1(1)", {288, 120, 169, 27});
    Image1 = place(new PictureButton(QStringLiteral(":/metrova/go-%1.png"), this), "Image1", {200, 168, 70, 79});
    Text1 = place(new TextBox(this), "Text1", {24, 192, 153, 29});
    Label1 = place(new ResultLabel(this), "Label1", {288, 192, 153, 25});
    // The notation buttons sit in a group that draws nothing and names them
    // for screen readers; their places are the group's, which starts at the
    // first button (304, 224).
    auto* notation = place(new QWidget(this), "notation", {304, 224, 105, 49});
    Option1[0] = place(new OptionButton(QStringLiteral("Decimal"), notation), "Option1(0)", {0, 0, 89, 25});
    Text2 = place(new TextBox(this), "Text2", {408, 224, 25, 27});
    UpDown1 = place(new UpDown(this), "UpDown1", {433, 224, 16, 27});
    Option1[1] = place(new OptionButton(QStringLiteral("Scientific"), notation), "Option1(1)", {0, 24, 105, 25});
    Command1[1] = place(new QPushButton(QStringLiteral("Quit"), this), "Command1(1)", {32, 248, 89, 33});

    for (QLabel* label : Label2) label->setFont(times(true));
    for (QWidget* control :
         {static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Combo1[0]), static_cast<QWidget*>(Combo1[1]),
          static_cast<QWidget*>(Command1[0]), static_cast<QWidget*>(Command1[1])}) {
        control->setFont(times(false));
    }
    Text2->setFont(century(11.25));
    Text2->setText(QStringLiteral("3"));
    UpDown1->setBuddy(Text2);
    UpDown1->setValue(3);
    Option1[0]->setChecked(true);
    for (QRadioButton* option : Option1) follow_selection_with_tab_stop(option);

    // The result never takes the keyboard focus; setResult decides whether it
    // can be selected with the mouse.
    Label1->setFocusPolicy(Qt::NoFocus);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1->setIndent(4);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    describe_list(Combo2, List::category);
    describe_list(Combo1[0], List::source);
    describe_list(Combo1[1], List::target);
    describe(Text1, QStringLiteral("Value to convert"));
    describe(Image1, QStringLiteral("Convert"));
    Label1->setAccessibleDescription(QStringLiteral("Result"));  // its name is its text, the result
    describe(Text2, QStringLiteral("Decimal places"));
    describe(UpDown1, QStringLiteral("Decimal places stepper"));
    describe(notation, QStringLiteral("Notation"));
    describe(Option1[0], QStringLiteral("Decimal"), QStringLiteral("Result with a fixed number of decimal places"));
    describe(Option1[1], QStringLiteral("Scientific"), QStringLiteral("Result in scientific notation"));
    describe(Command1[0], QStringLiteral("Swap"), QStringLiteral("Exchange the source and target units"));
    describe(Command1[1], QStringLiteral("Quit"));
    // Enter presses a focused button, as Space does (Qt does so only in
    // dialogs unless asked).
    for (QPushButton* button : Command1) button->setAutoDefault(true);
    announcer_ = new Announcer(this);

    // F9 reaches the value box as no character, so its key filter leaves it
    // free (Ctrl+C is a refused character there); it works wherever the focus
    // is in the window. The result's own "Copy" shows the same key, which
    // only the window's entry answers.
    copyResult_ = new QAction(QStringLiteral("Copy Result"), this);
    copyResult_->setShortcut(QKeySequence(Qt::Key_F9));
    copyResult_->setShortcutContext(Qt::WindowShortcut);
    addAction(copyResult_);
    Text1->setMenuActions({copyResult_});
    copyShown_ = new QAction(QStringLiteral("Copy"), Label1);
    copyShown_->setShortcut(QKeySequence(Qt::Key_F9));
    copyShown_->setShortcutContext(Qt::WidgetShortcut);
    Label1->addAction(copyShown_);
    Label1->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* copy : {copyResult_, copyShown_}) copy->setEnabled(false);
    copySign_ = new CopySign(this, Label1);

    QWidget* const order[] = {Text1,      Combo1[0],  Combo1[1], Command1[0], Command1[1],
                              Option1[0], Option1[1], Combo2,    Text2};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::connectHandlers() {
    connect(Combo2, &QComboBox::activated, this, [this] {
        report(Combo2_Click());
        announcePick(List::category);
    });
    for (int i = 0; i < 2; ++i) {
        connect(Combo1[i], &QComboBox::activated, this, [this, i] {
            report(Combo1_Click(i));
            announcePick(i == 0 ? List::source : List::target);
        });
        connect(Command1[i], &QPushButton::clicked, this, [this, i] {
            if (i == 0) announceSwap();
            report(Command1_Click(i));
        });
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] {
            report(Option1_Click(i));
            announceNotation(Option1[i]);
        });
        connect(Option1[i], &QRadioButton::toggled, this,
                [option = Option1[i]] { follow_selection_with_tab_stop(option); });
    }
    connect(Image1, &PictureButton::clicked, this, [this] { report(Image1_Click()); });
    Text1->setKeyFilter([this](int& keyAscii) { report(Text1_KeyPress(keyAscii)); });
    Text1->setGotFocusHandler([this] { Text1_GotFocus(); });
    connect(Text2, &TextBox::textChanged, this, [this] { report(Text2_Change()); });
    Text2->setKeyFilter([this](int& keyAscii) { Text2_KeyPress(keyAscii); });
    Text2->setGotFocusHandler([this] { Text2_GotFocus(); });
    connect(UpDown1, &UpDown::stepped, this, [this](int steps) { report(stepPlaces(steps)); });
    for (QAction* copy : {copyResult_, copyShown_}) connect(copy, &QAction::triggered, this, &Form1::copyResult);
}

void Form1::report(const RunTimeError& error) {
    if (!error.failed()) return;
    announcer_->dropResult();
    if (reporter_) reporter_(QString::fromStdString(error_text(error)));
}

}  // namespace metrova::ui
