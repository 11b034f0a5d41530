// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TavrinOpsLimits.h"

#include "Accessibility.h"
#include "ChoiceButton.h"
#include "LookUp.h"
#include "Picture.h"
#include "ProgramInfo.h"
#include "QtText.h"
#include "SectionsBox.h"
#include "WidgetForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <QUrl>
#include <algorithm>

namespace {

// The client area below the menu bar, in device-independent pixels. The
// full-width elements are one pixel wider, as designed; the window clips them.
constexpr QSize kClientSize(480, 257);

// Designed for faces that Linux rarely has: fall back to metric-compatible
// and then to common sans faces of the same size and weight.
QFont ElementFont(const QString& face, qreal points, QFont::Weight weight, bool underline = false) {
    QFont font;
    font.setFamilies({face, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setUnderline(underline);
    return font;
}

// The designed text colour of a label, kept for recolouring on a palette change.
constexpr const char* kDesignedColour = "designedColour";

// A label that the program may give the keyboard focus, so that a screen
// reader speaks it. A QLabel that can take the focus otherwise switches to its
// text-selection machinery, which lays the text out a pixel lower: a change a
// sighted user should not see. So its focus policy stays NoFocus (no click
// or Tab reaches it either) and focus events leave the label as it is.
class SpokenLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent* event) override { QWidget::focusInEvent(event); }
    void focusOutEvent(QFocusEvent* event) override { QWidget::focusOutEvent(event); }
};

// The review-again box, centred in its band. It takes its width when first
// shown: measuring it at start-up would load its bold face, 0.3 MiB that
// the idle window does not need.
class AgainBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void showEvent(QShowEvent* event) override {
        if (!sized_) {
            const int width = sizeHint().width();
            setGeometry((kClientSize.width() - width) / 2, y(), width, height());
            sized_ = true;
        }
        QCheckBox::showEvent(event);
    }

private:
    bool sized_ = false;
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& rect, const QFont& font,
                  Qt::Alignment alignment, const QColor& color = QColor()) {
    auto* label = new SpokenLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText); // "<3.1 inches Hg" is not markup
    if (color.isValid())
        label->setProperty(kDesignedColour, color);
    label->hide();
    return label;
}

// The hidden fields that hold the review state. Never shown, focused or
// edited, they need no widget: a named object with a "text" property, as the
// labels and buttons have.
void MakeStateField(QObject* parent, drill::Element element) {
    auto* field = new QObject(parent);
    field->setObjectName(QLatin1String(drill::ElementName(element)));
    field->setProperty("text", QLatin1String(drill::Info(element).startText));
}

QPushButton* MakeReviewButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(0, 104, 481, 54);
    button->setFont(ElementFont(QStringLiteral("Arial Black"), 36, QFont::Black));
    button->setFocusPolicy(Qt::StrongFocus);
    // Drawn as the default button: the one that Space and Enter press, wherever
    // the focus is (see the window-wide shortcuts).
    button->setDefault(true);
    button->hide();
    return button;
}

} // namespace

TavrinOpsLimits::TavrinOpsLimits(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("TavrinOpsLimits"));
    setWindowTitle(QStringLiteral("TAVRIN OPS LIMITS"));
    setWindowIcon(IconPicture());

    createElements();
    createMenus();

    form_ = std::make_unique<WidgetForm>(*this, [this] { createTestElements(); });
    drill_ = std::make_unique<drill::Drill>(*form_, random_);

    // The window is exactly the client area plus the menu bar, and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TavrinOpsLimits::~TavrinOpsLimits() = default;

// Elements in their design order, at their designed pixel rectangles.
void TavrinOpsLimits::createElements() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    auto* picture = picture_ = new QLabel(client);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(0, 0, 481, 257);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop); // unscaled; the box clips the bottom
    picture->setPixmap(IdlePicture());
    picture->setFocusPolicy(Qt::TabFocus);
    picture->setAccessibleName(QStringLiteral("TAVRIN OPS LIMITS"));
    picture->setAccessibleDescription(
        QStringLiteral("Choose Begin Review, Order, Sequential or Random to start a review"));

    // The list boxes that are never shown: their rows and selection flags,
    // without a view to draw them.
    for (const drill::ListInfo& info : drill::kLists) {
        if (info.list == drill::List::TestList)
            continue; // made with the test's elements
        QStringList rows;
        rows.reserve(info.rows);
        for (int row = 0; row < info.rows; ++row)
            rows << QString::number(row);
        auto* list = new QItemSelectionModel(new QStringListModel(rows, this), this);
        list->setObjectName(ToQString(info.name));
        if (info.startsSelected)
            list->select(
                QItemSelection(list->model()->index(1, 0), list->model()->index(info.rows - 1, 0)),
                QItemSelectionModel::Select);
    }

    cmdRand_ = MakeReviewButton(client, "cmdRand");
    for (const auto field :
         {drill::Element::txtSQA, drill::Element::txtQuestion, drill::Element::txtCounter,
          drill::Element::txtLength, drill::Element::txtOrder})
        MakeStateField(client, field);
    cmdSeq_ = MakeReviewButton(client, "cmdSeq");

    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QFont small = ElementFont(sansSerif, 8.25, QFont::Bold);
    const QFont text = ElementFont(sansSerif, 12, QFont::Bold);
    const QColor green(0, 128, 0);
    lblOf204_ =
        MakeLabel(client, "lblOf204", {32, 240, 49, 17}, small, Qt::AlignLeft | Qt::AlignVCenter);
    lblOf204_->setText(ToQString(drill::Info(drill::Element::lblOf204).startText));
    accessibility::Conceal(*lblOf204_); // lblCounter speaks "12 OF 204"
    lblCounter_ =
        MakeLabel(client, "lblCounter", {0, 240, 25, 17}, small, Qt::AlignRight | Qt::AlignVCenter);
    // The question and answer labels are given the focus when their text is
    // new (showStep), so that a screen reader speaks it.
    lblAnswer_ = MakeLabel(client, "lblAnswer", {0, 192, 481, 41}, text, Qt::AlignCenter, green);
    lblAnswer_->setWordWrap(true);
    lblQuestion_ = MakeLabel(client, "lblQuestion", {0, 56, 481, 41}, text, Qt::AlignCenter, green);
    lblQuestion_->setWordWrap(true);
    lblTitle_ = MakeLabel(client, "lblTitle", {0, 0, 481, 33},
                          ElementFont(sansSerif, 18, QFont::Bold, true),
                          Qt::AlignHCenter | Qt::AlignTop, QColor(0, 0, 192));

    // Study: the review-again box in the free band between the button and
    // the answer, the marked count at the right end of the counter's line.
    chkAgain_ = new AgainBox(ToQString(drill::Info(drill::Element::chkAgain).startText), client);
    chkAgain_->setObjectName(QStringLiteral("chkAgain"));
    chkAgain_->setFont(small);
    // A click leaves the focus where it was, so Space and Enter go on stepping.
    chkAgain_->setFocusPolicy(Qt::TabFocus);
    chkAgain_->setGeometry(0, 162, kClientSize.width(), 26);
    chkAgain_->hide();
    MakeLabel(client, "lblMarked", {281, 240, 199, 17}, small, Qt::AlignRight | Qt::AlignVCenter)
        ->setContentsMargins(0, 0, 4, 0);

    setTabOrder(cmdSeq_, cmdRand_);
    setTabOrder(cmdRand_, chkAgain_);
    setTabOrder(chkAgain_, picture);

    connect(cmdSeq_, &QPushButton::clicked, this, [this] { runDrill(&drill::Drill::cmdSeqClick); });
    connect(cmdRand_, &QPushButton::clicked, this,
            [this] { runDrill(&drill::Drill::cmdRandClick); });
    connect(chkAgain_, &QCheckBox::clicked, this, [this] { runDrill(&drill::Drill::ReviewAgain); });

    // Space and Enter step the review wherever the focus is in the window,
    // also on the label that a screen reader has just read.
    for (const int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        auto* step = new QShortcut(QKeySequence(key), this);
        step->setAutoRepeat(false);
        connect(step, &QShortcut::activated, this, [this] {
            if (QPushButton* button = visibleReviewButton())
                button->click();
        });
    }
    recolour();
}

// The test's elements, over the review's free bands: the four answers 2 x 2
// where the big button and the review-again box stand (both hidden while
// they show), the written answer's field and then the verdict in the band
// above the answer, the score in the middle of the counter's line.
void TavrinOpsLimits::createTestElements() {
    QWidget* client = centralWidget();
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QFont small = ElementFont(sansSerif, 8.25, QFont::Bold);
    const QFont choiceFont = ElementFont(sansSerif, 10, QFont::Bold); // a step below the answer's
    const std::array<drill::Element, 4> choices{
        drill::Element::cmdChoice1, drill::Element::cmdChoice2, drill::Element::cmdChoice3,
        drill::Element::cmdChoice4};
    QWidget* before = chkAgain_;
    for (int k = 0; k < 4; ++k) {
        auto* choice = new ChoiceButton(k + 1, 4, client);
        choice->setObjectName(ToQString(drill::ElementName(choices[static_cast<std::size_t>(k)])));
        choice->setFont(choiceFont);
        choice->setGeometry(k % 2 ? 242 : 2, k < 2 ? 100 : 145, 236, 43);
        choice->setFocusPolicy(Qt::TabFocus);
        choice->hide();
        connect(choice, &QPushButton::clicked, this, [this, k] {
            closeMenus();
            showStep(drill_->Choose(k + 1));
        });
        setTabOrder(before, choice);
        before = choice;
    }

    yourAnswer_ = MakeLabel(client, "lblYourAnswer", {4, 162, 108, 26}, small,
                            Qt::AlignRight | Qt::AlignVCenter);
    yourAnswer_->setText(ToQString(drill::kYourAnswer));
    txtAnswer_ = new QLineEdit(client);
    txtAnswer_->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer_->setGeometry(116, 162, 360, 26);
    txtAnswer_->setFont(ElementFont(sansSerif, 10, QFont::Normal));
    txtAnswer_->setMaxLength(80);
    txtAnswer_->setAccessibleName(ToQString(drill::kYourAnswer));
    txtAnswer_->hide();
    yourAnswer_->setBuddy(txtAnswer_);
    setTabOrder(before, txtAnswer_);

    lblVerdict_ = MakeLabel(client, "lblVerdict", {0, 160, 480, 30}, small, Qt::AlignCenter);
    lblVerdict_->setWordWrap(true);
    cmdCountRight_ = new QPushButton(client);
    cmdCountRight_->setObjectName(QStringLiteral("cmdCountRight"));
    cmdCountRight_->setText(ToQString(drill::Info(drill::Element::cmdCountRight).startText));
    cmdCountRight_->setFont(small);
    cmdCountRight_->setGeometry(362, 162, 114, 26);
    cmdCountRight_->setFocusPolicy(Qt::TabFocus);
    cmdCountRight_->setShortcut(QKeySequence(Qt::Key_O));
    cmdCountRight_->hide();
    setTabOrder(txtAnswer_, cmdCountRight_);
    setTabOrder(cmdCountRight_, picture_);
    connect(cmdCountRight_, &QPushButton::clicked, this,
            [this] { runDrill(&drill::Drill::CountItRight); });

    MakeLabel(client, "lblScore", {160, 240, 160, 17}, small, Qt::AlignCenter);

    auto* list = new QItemSelectionModel(
        new QStringListModel(QStringList(drill::Info(drill::List::TestList).rows, QString()), this),
        this);
    list->setObjectName(ToQString(drill::Info(drill::List::TestList).name));
}

QPushButton* TavrinOpsLimits::visibleReviewButton() const {
    for (QPushButton* button : {cmdSeq_, cmdRand_})
        if (button->isVisibleTo(this))
            return button;
    return nullptr;
}

void TavrinOpsLimits::recolour() {
    for (QLabel* label : findChildren<QLabel*>()) {
        const QVariant designed = label->property(kDesignedColour);
        if (!designed.isValid())
            continue;
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         accessibility::ReadableOn(designed.value<QColor>(), this->palette()));
        label->setPalette(palette);
    }
}

// A desktop switching between light and dark themes while the program runs.
void TavrinOpsLimits::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        recolour();
}

// Menus and their commands; the shortcuts run a command without opening a menu.
void TavrinOpsLimits::createMenus() {
    const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                            const QList<QKeySequence>& shortcuts, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(shortcuts);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto drillStep = [this](drill::Step (drill::Drill::*command)()) {
        return [this, command] { runDrill(command); };
    };
    const auto ctrl = [](Qt::Key key) { return QList<QKeySequence>{QKeySequence(Qt::CTRL | key)}; };

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File"));
    QAction* lookUp = add(file, "LookUp", QStringLiteral("Look Up\u2026"), ctrl(Qt::Key_L),
                          &TavrinOpsLimits::lookUpTriggered);
    file->addSeparator()->setObjectName(QStringLiteral("break5"));
    add(file, "FileReset", QStringLiteral("Reset"), ctrl(Qt::Key_Z),
        drillStep(&drill::Drill::RESET));
    QAction* clearMarks = add(file, "ClearMarks", QStringLiteral("Clear Marks"), {},
                              drillStep(&drill::Drill::ClearMarks));
    file->addSeparator()->setObjectName(QStringLiteral("break2"));
    add(file, "Exit", QStringLiteral("Exit    "), ctrl(Qt::Key_Q), &QApplication::quit);

    QMenu* beginReview = menuBar()->addMenu(QStringLiteral("Begin Review"));
    beginReview->setObjectName(QStringLiteral("BeginReview"));
    QMenu* order = beginReview->addMenu(QStringLiteral("Order"));
    order->setObjectName(QStringLiteral("Order"));
    add(order, "Sequential", QStringLiteral("Sequential"), ctrl(Qt::Key_S),
        drillStep(&drill::Drill::Sequential));
    order->addSeparator()->setObjectName(QStringLiteral("break3"));
    add(order, "Random", QStringLiteral("Random"), ctrl(Qt::Key_R),
        drillStep(&drill::Drill::Random));
    marked_ = add(order, "Marked", QStringLiteral("Marked"), ctrl(Qt::Key_M),
                  drillStep(&drill::Drill::Marked));
    // The graded test, by plain letters as Review Again is.
    QMenu* test = beginReview->addMenu(QStringLiteral("Test"));
    test->setObjectName(QStringLiteral("Test"));
    add(test, "ChooseTheAnswer", QStringLiteral("Choose The Answer"), {QKeySequence(Qt::Key_C)},
        drillStep(&drill::Drill::ChooseTheAnswer));
    add(test, "WriteTheAnswer", QStringLiteral("Write The Answer"), {QKeySequence(Qt::Key_W)},
        drillStep(&drill::Drill::WriteTheAnswer));
    beginReview->addSeparator()->setObjectName(QStringLiteral("break4"));
    QAction* sections = add(beginReview, "Sections", QStringLiteral("Sections\u2026"), {},
                            &TavrinOpsLimits::sectionsTriggered);
    // A alone, as a learner would press it, and Ctrl+G, which no desktop
    // keeps for itself.
    reviewAgain_ = add(beginReview, "ReviewAgain", QStringLiteral("Review Again"),
                       {QKeySequence(Qt::Key_A), QKeySequence(Qt::CTRL | Qt::Key_G)},
                       drillStep(&drill::Drill::ReviewAgain));
    studyCommands_ = {lookUp, clearMarks, sections};

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help"));
    add(help, "Donate", QStringLiteral("Make A Donation"), {}, &TavrinOpsLimits::donateTriggered);
    help->addSeparator()->setObjectName(QStringLiteral("break1"));
    add(help, "About", QStringLiteral("About"), {}, &TavrinOpsLimits::aboutTriggered);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->installEventFilter(this);
    updateCommands();
}

// An open menu takes the keys, and Qt then runs no shortcut of the window's:
// a Ctrl shortcut pressed there closes the menus and runs its command.
bool TavrinOpsLimits::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (key->modifiers() & Qt::ControlModifier) {
            for (QAction* action : findChildren<QAction*>()) {
                if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                    closeMenus();
                    action->trigger();
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Every command, by key or by click, first closes any open menu, so nothing
// is left open over the new card.
void TavrinOpsLimits::runDrill(drill::Step (drill::Drill::*command)()) {
    closeMenus();
    showStep(((*drill_).*command)());
}

// Where the focus goes after a step, so that a screen reader speaks what
// changed: the label with the new question (after a new section's title) or
// answer, a new review's START button, the review-again box after a mark,
// the idle window's picture, which says what to do.
void TavrinOpsLimits::showStep(drill::Step step) {
    using drill::Step;
    // A step that empties the question leaves no old name behind it either.
    if (lblQuestion_->text().isEmpty())
        lblQuestion_->setAccessibleName(QString());
    if (txtAnswer_)
        showTest();
    const QString counter = lblCounter_->text();
    lblCounter_->setAccessibleName(
        counter.isEmpty() ? QString() : counter + QLatin1Char(' ') + lblOf204_->text());
    chkAgain_->setAccessibleDescription(
        ToQString(chkAgain_->isChecked() ? drill::kMarkedSpoken : drill::kNotMarkedSpoken));
    updateCommands();
    switch (step) {
    case Step::Idle:
        picture_->setFocus(Qt::OtherFocusReason);
        break;
    case Step::Ready:
        if (QPushButton* button = visibleReviewButton())
            button->setFocus(Qt::OtherFocusReason);
        break;
    case Step::Question:
    case Step::NewSection: {
        const QString spoken = step == Step::NewSection
                                   ? lblTitle_->text() + QStringLiteral(". ") + lblQuestion_->text()
                                   : QString();
        lblQuestion_->setAccessibleName(spoken);
        // The written test's field takes the focus, and says the question.
        if (txtAnswer_ && txtAnswer_->isVisibleTo(this)) {
            txtAnswer_->setAccessibleDescription(spoken.isEmpty() ? lblQuestion_->text() : spoken);
            txtAnswer_->setFocus(Qt::OtherFocusReason);
        } else {
            lblQuestion_->setFocus(Qt::OtherFocusReason);
        }
        break;
    }
    case Step::Verdict:
    case Step::Answer:
    case Step::End: // a test's last verdict, or a review's last answer
        if (lblVerdict_ && lblVerdict_->isVisibleTo(this)) {
            lblVerdict_->setAccessibleName(ToQString(drill_->VerdictSpoken()));
            lblVerdict_->setFocus(Qt::OtherFocusReason);
        } else {
            lblAnswer_->setFocus(Qt::OtherFocusReason);
        }
        break;
    case Step::Mark:
        chkAgain_->setFocus(Qt::OtherFocusReason);
        break;
    case Step::None:
        break;
    }
}

// A command that cannot act now is greyed, in the menu and for its keys. A
// running test is closed-book, and its verdicts set the marks.
void TavrinOpsLimits::updateCommands() {
    marked_->setEnabled(drill_ && drill_->MarkedToDrill() > 0);
    reviewAgain_->setEnabled(chkAgain_->isVisibleTo(this));
    const bool testRunning = drill_ && drill_->TestRunning();
    for (QAction* action : studyCommands_)
        action->setEnabled(!testRunning);
}

// The verdict in its colour, beside COUNT IT RIGHT when that is offered;
// the field's label with the field.
void TavrinOpsLimits::showTest() {
    yourAnswer_->setVisible(txtAnswer_->isVisibleTo(this));
    const bool appeal = cmdCountRight_->isVisibleTo(this);
    lblVerdict_->setGeometry(0, 160, appeal ? 358 : kClientSize.width(), 30);
    const bool right = lblVerdict_->text().startsWith(ToQString(drill::kRight));
    lblVerdict_->setProperty(kDesignedColour, right ? QColor(0, 128, 0) : QColor(192, 0, 0));
    recolour();
}

// Made when first asked for, so that start-up does not build the table.
void TavrinOpsLimits::lookUpTriggered() {
    if (!lookUp_)
        lookUp_ = new LookUp(this);
    lookUp_->open();
}

void TavrinOpsLimits::closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void TavrinOpsLimits::sectionsTriggered() {
    closeMenus();
    SectionsBox box(drill_->ChosenSections(), this);
    if (box.exec() == QDialog::Accepted)
        drill_->ChooseSections(box.chosen());
    showStep(drill::Step::None);
}

// Four lines joined by single line feeds, under an empty title.
void TavrinOpsLimits::aboutTriggered() {
    QMessageBox box(QMessageBox::Information, QString(), QString::fromUtf8(TAVRIN_ABOUT_TEXT),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// Opens the page in the default browser and returns at once; a machine
// without a browser simply shows nothing.
void TavrinOpsLimits::donateTriggered() {
    QDesktopServices::openUrl(QUrl(QStringLiteral(TAVRIN_DONATION_URL)));
}
