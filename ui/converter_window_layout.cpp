// The converter window's controls: kind, place, size, text, font, accessible
// name, tab order, and the one place where their signals meet the handlers.
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
#include "converter_window.h"
#include "copy_sign.h"
#include "entry_model.h"
#include "option_button.h"
#include "picture_button.h"
#include "pictures.h"
#include "places_spin.h"
#include "result_label.h"
#include "text_box.h"
#include "type_ahead.h"

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

// A list whose keyboard search reads each entry without its leading blank.
QComboBox* entryList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setModel(new EntryModel(0, 1, list));
    return list;
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
void describeList(QComboBox* list, List purpose) {
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
void followSelectionWithTabStop(QRadioButton* button) {
    button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

constexpr int kErrorReasonWidth = 360;

// A modal box, shown once the event that met the error is handled, so that
// it never opens inside a list's popup or a key press. Events that were
// already queued when it opened (the further notches of a wheel turn) reach
// a window that the box blocks; an error they meet before it opens adds no
// second box. The message's first line, the failure, is the box's text and
// the reason under it its informative text; a screen reader reads both.
void showErrorBox(QWidget* window, const QString& message) {
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

ConverterWindow::ConverterWindow() : reporter_([this](const QString& message) { showErrorBox(this, message); }) {
    createControls();
    connectHandlers();
}

ConverterWindow::~ConverterWindow() = default;

void ConverterWindow::createControls() {
    setObjectName(QStringLiteral("converterWindow"));
    setWindowTitle(QStringLiteral("Metrova  Ver.1.12    HALVERN CO.,LTD"));
    setWindowIcon(iconFromFiles(QStringLiteral(":/metrova/icon-%1.png"), kWindowIconSizes));
    setFixedSize(481, 303);
    setFont(century(12));

    instructionLines_[0] = place(new QLabel(QStringLiteral("1.  Select  units in the combo boxes. "), this),
                                 "selectInstruction", {64, 8, 345, 25});
    instructionLines_[1] = place(new QLabel(QStringLiteral("2.  Click 'GO' after input a numerical value. "), this),
                                 "goInstruction", {64, 32, 377, 25});
    categoryList_ = place(entryList(this), "categoryList", {168, 80, 129, 27});
    sourceList_ = place(entryList(this), "sourceList", {24, 120, 169, 27});
    swapButton_ = place(new QPushButton(QStringLiteral("Swap"), this), "swapButton", {200, 120, 81, 33});
    targetList_ = place(entryList(this), "targetList", {288, 120, 169, 27});
    goButton_ = place(new PictureButton(QStringLiteral(":/metrova/go-%1.png"), this), "goButton", {200, 168, 70, 79});
    valueBox_ = place(new TextBox(this), "valueBox", {24, 192, 153, 29});
    resultLabel_ = place(new ResultLabel(this), "resultLabel", {288, 192, 153, 25});
    // The notation buttons sit in a group that draws nothing and names them
    // for screen readers; their places are the group's, which starts at the
    // first button (304, 224).
    auto* notation = place(new QWidget(this), "notation", {304, 224, 105, 49});
    decimalButton_ = place(new OptionButton(QStringLiteral("Decimal"), notation), "decimalButton", {0, 0, 89, 25});
    placesBox_ = place(new TextBox(this), "placesBox", {408, 224, 25, 27});
    placesSpin_ = place(new PlacesSpin(this), "placesSpin", {433, 224, 16, 27});
    scientificButton_ =
        place(new OptionButton(QStringLiteral("Scientific"), notation), "scientificButton", {0, 24, 105, 25});
    quitButton_ = place(new QPushButton(QStringLiteral("Quit"), this), "quitButton", {32, 248, 89, 33});

    for (QLabel* line : instructionLines_) line->setFont(times(true));
    for (QWidget* control :
         std::initializer_list<QWidget*>{categoryList_, sourceList_, targetList_, swapButton_, quitButton_}) {
        control->setFont(times(false));
    }
    placesBox_->setFont(century(11.25));
    placesBox_->setText(QStringLiteral("3"));
    placesSpin_->setBuddy(placesBox_);
    placesSpin_->setValue(3);
    decimalButton_->setChecked(true);
    for (QRadioButton* option : {decimalButton_, scientificButton_}) followSelectionWithTabStop(option);

    resultLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    resultLabel_->setIndent(4);
    resultLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    describeList(categoryList_, List::category);
    describeList(sourceList_, List::source);
    describeList(targetList_, List::target);
    describe(valueBox_, QStringLiteral("Value to convert"));
    describe(goButton_, QStringLiteral("Convert"));
    resultLabel_->setAccessibleDescription(QStringLiteral("Result"));  // its name is the result, with its unit
    describe(placesBox_, QStringLiteral("Decimal places"));
    describe(placesSpin_, QStringLiteral("Decimal places stepper"));
    describe(notation, QStringLiteral("Notation"));
    describe(decimalButton_, QStringLiteral("Decimal"), QStringLiteral("Result with a fixed number of decimal places"));
    describe(scientificButton_, QStringLiteral("Scientific"), QStringLiteral("Result in scientific notation"));
    describe(swapButton_, QStringLiteral("Swap"), QStringLiteral("Exchange the source and target units"));
    describe(quitButton_, QStringLiteral("Quit"));
    // Enter presses a focused button, as Space does (Qt does so only in
    // dialogs unless asked).
    for (QPushButton* button : {swapButton_, quitButton_}) button->setAutoDefault(true);
    announcer_ = new Announcer(this);

    // F9 reaches the value box as no character, so its key filter leaves it
    // free (Ctrl+C is a refused character there); it works wherever the focus
    // is in the window, and both menus show it beside the one entry.
    copyAction_ = new QAction(QStringLiteral("Copy Result"), this);
    copyAction_->setShortcut(QKeySequence(Qt::Key_F9));
    copyAction_->setShortcutContext(Qt::WindowShortcut);
    copyAction_->setEnabled(false);
    addAction(copyAction_);
    valueBox_->setMenuActions({copyAction_});
    resultLabel_->addAction(copyAction_);
    resultLabel_->setContextMenuPolicy(Qt::ActionsContextMenu);
    copySign_ = new CopySign(this, resultLabel_);

    QWidget* const order[] = {valueBox_,      sourceList_,       targetList_,   swapButton_, quitButton_,
                              decimalButton_, scientificButton_, categoryList_, placesBox_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void ConverterWindow::connectHandlers() {
    connect(categoryList_, &QComboBox::activated, this, [this] {
        report(categoryPicked());
        announcePick(List::category);
    });
    connect(sourceList_, &QComboBox::activated, this, [this] {
        report(unitPicked());
        announcePick(List::source);
    });
    connect(targetList_, &QComboBox::activated, this, [this] {
        report(unitPicked());
        announcePick(List::target);
    });
    connect(swapButton_, &QPushButton::clicked, this, [this] {
        announceSwap();
        report(swapClicked());
    });
    connect(quitButton_, &QPushButton::clicked, this, &ConverterWindow::quitClicked);
    for (QRadioButton* option : {decimalButton_, scientificButton_}) {
        const Notation chosen = option == decimalButton_ ? Notation::decimal : Notation::scientific;
        connect(option, &QRadioButton::clicked, this, [this, option, chosen] {
            report(notationPicked(chosen));
            announceNotation(option);
        });
        connect(option, &QRadioButton::toggled, this, [option] { followSelectionWithTabStop(option); });
    }
    connect(goButton_, &PictureButton::clicked, this, [this] { report(go()); });
    valueBox_->setKeyFilter([this](int& key) { report(filterValueKey(key)); });
    valueBox_->setGotFocusHandler([this] { valueBoxFocused(); });
    connect(placesBox_, &TextBox::textChanged, this, [this] { report(placesChanged()); });
    placesBox_->setKeyFilter([this](int& key) { filterPlacesKey(key); });
    placesBox_->setGotFocusHandler([this] { placesBoxFocused(); });
    connect(placesSpin_, &PlacesSpin::stepped, this, [this](int steps) { report(stepPlaces(steps)); });
    connect(copyAction_, &QAction::triggered, this, &ConverterWindow::copyResult);
    new TypeAheadCarry({categoryList_, sourceList_, targetList_}, valueBox_, this);
}

void ConverterWindow::report(const RunTimeError& error) {
    if (!error.failed()) return;
    announcer_->dropResult();
    if (reporter_) reporter_(QString::fromStdString(error_text(error)));
}

}  // namespace metrova::ui
