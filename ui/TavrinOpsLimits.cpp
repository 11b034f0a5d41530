// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TavrinOpsLimits.h"

#include "Accessibility.h"
#include "Picture.h"
#include "ProgramInfo.h"
#include "WidgetForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
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

    form_ = std::make_unique<WidgetForm>(*this);
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

    // The list box that is never shown: its 205 rows and their selection
    // flags, without a view to draw them.
    QStringList rows;
    rows.reserve(drill::kRandomListRows);
    for (int row = 0; row < drill::kRandomListRows; ++row)
        rows << QString::number(row);
    auto* randomList = new QItemSelectionModel(new QStringListModel(rows, this), this);
    randomList->setObjectName(QString::fromLatin1(drill::kRandomListName));

    cmdRand_ = MakeReviewButton(client, "cmdRand");
    for (const auto field :
         {drill::Element::txtSQA, drill::Element::txtQuestion, drill::Element::txtCounter})
        MakeStateField(client, field);
    cmdSeq_ = MakeReviewButton(client, "cmdSeq");

    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QFont small = ElementFont(sansSerif, 8.25, QFont::Bold);
    const QFont text = ElementFont(sansSerif, 12, QFont::Bold);
    const QColor green(0, 128, 0);
    QLabel* of204 =
        MakeLabel(client, "lblOf204", {32, 240, 49, 17}, small, Qt::AlignLeft | Qt::AlignVCenter);
    of204->setText(QLatin1String(drill::Info(drill::Element::lblOf204).startText));
    accessibility::Conceal(*of204); // lblCounter speaks "12 OF 204"
    MakeLabel(client, "lblCounter", {0, 240, 25, 17}, small, Qt::AlignRight | Qt::AlignVCenter);
    // The question and answer labels are given the focus when their text is
    // new (WidgetForm), so that a screen reader speaks it.
    MakeLabel(client, "lblAnswer", {0, 192, 481, 41}, text, Qt::AlignCenter, green)
        ->setWordWrap(true);
    MakeLabel(client, "lblQuestion", {0, 56, 481, 41}, text, Qt::AlignCenter, green)
        ->setWordWrap(true);
    MakeLabel(client, "lblTitle", {0, 0, 481, 33}, ElementFont(sansSerif, 18, QFont::Bold, true),
              Qt::AlignHCenter | Qt::AlignTop, QColor(0, 0, 192));

    setTabOrder(cmdSeq_, cmdRand_);
    setTabOrder(cmdRand_, picture);

    connect(cmdSeq_, &QPushButton::clicked, this, [this] { runDrill(&drill::Drill::cmdSeqClick); });
    connect(cmdRand_, &QPushButton::clicked, this,
            [this] { runDrill(&drill::Drill::cmdRandClick); });

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
                            const QKeySequence& shortcut, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
    };
    const auto drillStep = [this](void (drill::Drill::*step)()) {
        return [this, step] { runDrill(step); };
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File"));
    add(file, "FileReset", QStringLiteral("Reset"), QKeySequence(Qt::CTRL | Qt::Key_Z),
        drillStep(&drill::Drill::RESET));
    file->addSeparator()->setObjectName(QStringLiteral("break2"));
    add(file, "Exit", QStringLiteral("Exit    "), QKeySequence(Qt::CTRL | Qt::Key_Q),
        &QApplication::quit);

    QMenu* beginReview = menuBar()->addMenu(QStringLiteral("Begin Review"));
    beginReview->setObjectName(QStringLiteral("BeginReview"));
    QMenu* order = beginReview->addMenu(QStringLiteral("Order"));
    order->setObjectName(QStringLiteral("Order"));
    add(order, "Sequential", QStringLiteral("Sequential"), QKeySequence(Qt::CTRL | Qt::Key_S),
        drillStep(&drill::Drill::Sequential));
    order->addSeparator()->setObjectName(QStringLiteral("break3"));
    add(order, "Random", QStringLiteral("Random"), QKeySequence(Qt::CTRL | Qt::Key_R),
        drillStep(&drill::Drill::Random));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help"));
    add(help, "Donate", QStringLiteral("Make A Donation"), QKeySequence(),
        &TavrinOpsLimits::donateTriggered);
    help->addSeparator()->setObjectName(QStringLiteral("break1"));
    add(help, "About", QStringLiteral("About"), QKeySequence(), &TavrinOpsLimits::aboutTriggered);
}

// Where the focus goes after a review command or click, so that a screen
// reader speaks what changed: the label with the new question or answer has
// taken it already (WidgetForm); a new review focuses its START button, and
// the idle window its picture, which says what to do.
void TavrinOpsLimits::runDrill(void (drill::Drill::*step)()) {
    ((*drill_).*step)();
    QPushButton* button = visibleReviewButton();
    if (!button)
        picture_->setFocus(Qt::OtherFocusReason);
    else if (button->text() == QLatin1String(drill::kStartCaption))
        button->setFocus(Qt::OtherFocusReason);
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
